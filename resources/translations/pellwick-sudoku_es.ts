<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Buttons</name>
    <message>
        <source>Check Your Progress</source>
        <extracomment>Button that marks every entry that repeats a digit of its row, column or box.</extracomment>
        <translation>Comprobar progreso</translation>
    </message>
    <message>
        <source>Checks Your Progress.  Adds 4 seconds to the clock.</source>
        <extracomment>Tooltip of &quot;Check Your Progress&quot;: each check costs 4 seconds on the clock.</extracomment>
        <translation>Comprueba tu progreso.  Suma 4 segundos al reloj.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <extracomment>Button that deals a new puzzle at the chosen difficulty.</extracomment>
        <translation>Nuevo sudoku</translation>
    </message>
    <message>
        <source>Creates A New Puzzle</source>
        <extracomment>Tooltip of &quot;Create New Puzzle&quot;.</extracomment>
        <translation>Crea un sudoku nuevo</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button that closes the game at once.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Closes %1</source>
        <extracomment>Tooltip of &quot;Quit&quot;; %1 is the game&apos;s name.</extracomment>
        <translation>Cierra %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button that hands in a finished puzzle, or offers the solution.</extracomment>
        <translation>Resolver</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Puzzle Timer</source>
        <extracomment>Heading above the clock that times the current puzzle.</extracomment>
        <translation>Cronómetro</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Difficulty Level</source>
        <extracomment>Heading above the three difficulty options.</extracomment>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>Beginner/Easy</source>
        <extracomment>The easiest level: 31 cells to fill.</extracomment>
        <translation>Principiante/Fácil</translation>
    </message>
    <message>
        <source>Intermediate/Medium</source>
        <extracomment>The middle level: 51 cells to fill.</extracomment>
        <translation>Intermedio/Medio</translation>
    </message>
    <message>
        <source>Professional/Hard</source>
        <extracomment>The hardest level: 61 cells to fill.</extracomment>
        <translation>Experto/Difícil</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Check Progress Legend</source>
        <extracomment>Heading of the colour legend for &quot;Check Your Progress&quot;.</extracomment>
        <translation>Leyenda de la comprobación</translation>
    </message>
    <message>
        <source>= Incorrect Entry</source>
        <extracomment>Beside a red swatch: the colour of an entry that repeats a digit.</extracomment>
        <translation>= Número incorrecto</translation>
    </message>
    <message>
        <source>= Correct Entry</source>
        <extracomment>Beside a grey swatch: the colour of a digit the player entered.</extracomment>
        <translation>= Número correcto</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Visit Our Site:</source>
        <extracomment>Label before the maker&apos;s name, which links to the maker&apos;s web site.</extracomment>
        <translation>Nuestra web:</translation>
    </message>
    <message>
        <source>&quot;Like&quot; %1.  Visit our Facebook page.</source>
        <extracomment>Tooltip of the Facebook picture; %1 is the maker&apos;s name.</extracomment>
        <translation>Dale a «Me gusta» a %1.  Visita nuestra página de Facebook.</translation>
    </message>
    <message>
        <source>Follow %1 on Twitter</source>
        <extracomment>Tooltip of the Twitter picture; %1 is the maker&apos;s name.</extracomment>
        <translation>Sigue a %1 en Twitter</translation>
    </message>
    <message>
        <source>Visit our LinkedIn Profile</source>
        <extracomment>Tooltip of the LinkedIn picture.</extracomment>
        <translation>Visita nuestro perfil de LinkedIn</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1</source>
        <extracomment>The copyright line at the foot of the window; %1 is the maker&apos;s name.</extracomment>
        <translation>Copyright © 2026 %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Great Job!  No errors in your puzzle!</source>
        <extracomment>After &quot;Check Your Progress&quot; when no entry repeats a digit.</extracomment>
        <translation>¡Buen trabajo!  ¡Tu sudoku no tiene errores!</translation>
    </message>
    <message>
        <source>Errors were found in your puzzle.  Try again!</source>
        <extracomment>After &quot;Check Your Progress&quot; when some entries repeat a digit; they are now red.</extracomment>
        <translation>Tu sudoku tiene errores.  ¡Inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>Your puzzle is not complete.  Do you want the solution now?</source>
        <extracomment>After &quot;Solve&quot; with cells still empty or holding notes; answered Yes or No.</extracomment>
        <translation>Tu sudoku no está completo.  ¿Quieres ver la solución ahora?</translation>
    </message>
    <message>
        <source>Your puzzle is complete, but it has errors in it.  Do you want to see the solution?</source>
        <extracomment>After &quot;Solve&quot; on a full board where some entries repeat a digit; answered Yes or No.</extracomment>
        <translation>Tu sudoku está completo, pero tiene errores.  ¿Quieres ver la solución?</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <extracomment>Title of the message for a finished puzzle.</extracomment>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Congratulations!  You completed this puzzle in %1</source>
        <extracomment>The message for a finished puzzle; %1 is the clock, e.g. 00:12 34 (hours:minutes seconds), with no full stop after it.</extracomment>
        <translation>¡Enhorabuena!  Has completado este sudoku en %1</translation>
    </message>
    <message>
        <source>Game Creator Error</source>
        <extracomment>Title of the message shown when no puzzle could be made.</extracomment>
        <translation>Error al crear la partida</translation>
    </message>
    <message>
        <source>There was an error creating your game.  Please click on the Visit Our Site links and go to our contact form to tell us about it.</source>
        <extracomment>Shown when no puzzle could be made; &quot;Visit Our Site&quot; is the label at the foot of the window.</extracomment>
        <translation>Se ha producido un error al crear tu partida.  Sigue los enlaces de «Nuestra web» y cuéntanoslo en nuestro formulario de contacto.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>Spoken name of a board cell: %1 its row, %2 its column (1 to 9), %3 what it holds.</extracomment>
        <translation>fila %1, columna %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What an empty board cell holds, spoken after its row and column.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>A digit given by the puzzle, which the player cannot change; %1 the digit.</extracomment>
        <translation>pista %1</translation>
    </message>
    <message>
        <source>notes %1</source>
        <extracomment>Several candidate digits the player noted in one cell; %1 the digits, separated by blanks.</extracomment>
        <translation>notas %1</translation>
    </message>
    <message>
        <source>marked incorrect</source>
        <extracomment>Said of a cell that &quot;Check Your Progress&quot; painted red.</extracomment>
        <translation>marcada como incorrecta</translation>
    </message>
    <message>
        <source>filled in by Solve</source>
        <extracomment>Said of a cell whose digit &quot;Solve&quot; filled in from the solution.</extracomment>
        <translation>rellenada por «Resolver»</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>Spoken name of a thin line that separates parts of the side panel.</extracomment>
        <translation>separador</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken name of the red swatch in the legend.</extracomment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Spoken name of the grey swatch in the legend.</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>link to the maker&apos;s web site</source>
        <extracomment>Spoken description of the maker&apos;s name at the foot of the window.</extracomment>
        <translation>enlace a la web del fabricante</translation>
    </message>
</context>
</TS>
