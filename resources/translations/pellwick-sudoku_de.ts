<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Buttons</name>
    <message>
        <source>Check Your Progress</source>
        <extracomment>Button that marks every entry that repeats a digit of its row, column or box.</extracomment>
        <translation>Fortschritt prüfen</translation>
    </message>
    <message>
        <source>Checks Your Progress.  Adds 4 seconds to the clock.</source>
        <extracomment>Tooltip of &quot;Check Your Progress&quot;: each check costs 4 seconds on the clock.</extracomment>
        <translation>Prüft Ihren Fortschritt.  Kostet 4 Sekunden auf der Uhr.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <extracomment>Button that deals a new puzzle at the chosen difficulty.</extracomment>
        <translation>Neues Rätsel</translation>
    </message>
    <message>
        <source>Creates A New Puzzle</source>
        <extracomment>Tooltip of &quot;Create New Puzzle&quot;.</extracomment>
        <translation>Erstellt ein neues Rätsel</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button that closes the game at once.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Closes %1</source>
        <extracomment>Tooltip of &quot;Quit&quot;; %1 is the game&apos;s name.</extracomment>
        <translation>Beendet %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button that hands in a finished puzzle, or offers the solution.</extracomment>
        <translation>Lösen</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Puzzle Timer</source>
        <extracomment>Heading above the clock that times the current puzzle.</extracomment>
        <translation>Spielzeit</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Difficulty Level</source>
        <extracomment>Heading above the three difficulty options.</extracomment>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Beginner/Easy</source>
        <extracomment>The easiest level: 31 cells to fill.</extracomment>
        <translation>Anfänger/Leicht</translation>
    </message>
    <message>
        <source>Intermediate/Medium</source>
        <extracomment>The middle level: 51 cells to fill.</extracomment>
        <translation>Fortgeschritten/Mittel</translation>
    </message>
    <message>
        <source>Professional/Hard</source>
        <extracomment>The hardest level: 61 cells to fill.</extracomment>
        <translation>Profi/Schwer</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Check Progress Legend</source>
        <extracomment>Heading of the colour legend for &quot;Check Your Progress&quot;.</extracomment>
        <translation>Farben der Prüfung</translation>
    </message>
    <message>
        <source>= Incorrect Entry</source>
        <extracomment>Beside a red swatch: the colour of an entry that repeats a digit.</extracomment>
        <translation>= Falsche Eingabe</translation>
    </message>
    <message>
        <source>= Correct Entry</source>
        <extracomment>Beside a grey swatch: the colour of a digit the player entered.</extracomment>
        <translation>= Richtige Eingabe</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Visit Our Site:</source>
        <extracomment>Label before the maker&apos;s name, which links to the maker&apos;s web site.</extracomment>
        <translation>Unsere Website:</translation>
    </message>
    <message>
        <source>&quot;Like&quot; %1.  Visit our Facebook page.</source>
        <extracomment>Tooltip of the Facebook picture; %1 is the maker&apos;s name.</extracomment>
        <translation>„Gefällt mir“ für %1.  Besuchen Sie unsere Facebook-Seite.</translation>
    </message>
    <message>
        <source>Follow %1 on Twitter</source>
        <extracomment>Tooltip of the Twitter picture; %1 is the maker&apos;s name.</extracomment>
        <translation>Folgen Sie %1 auf Twitter</translation>
    </message>
    <message>
        <source>Visit our LinkedIn Profile</source>
        <extracomment>Tooltip of the LinkedIn picture.</extracomment>
        <translation>Besuchen Sie unser Profil auf LinkedIn</translation>
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
        <translation>Gut gemacht!  Ihr Rätsel enthält keine Fehler!</translation>
    </message>
    <message>
        <source>Errors were found in your puzzle.  Try again!</source>
        <extracomment>After &quot;Check Your Progress&quot; when some entries repeat a digit; they are now red.</extracomment>
        <translation>Ihr Rätsel enthält Fehler.  Versuchen Sie es weiter!</translation>
    </message>
    <message>
        <source>Your puzzle is not complete.  Do you want the solution now?</source>
        <extracomment>After &quot;Solve&quot; with cells still empty or holding notes; answered Yes or No.</extracomment>
        <translation>Ihr Rätsel ist noch nicht fertig.  Möchten Sie jetzt die Lösung sehen?</translation>
    </message>
    <message>
        <source>Your puzzle is complete, but it has errors in it.  Do you want to see the solution?</source>
        <extracomment>After &quot;Solve&quot; on a full board where some entries repeat a digit; answered Yes or No.</extracomment>
        <translation>Ihr Rätsel ist ausgefüllt, enthält aber Fehler.  Möchten Sie die Lösung sehen?</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <extracomment>Title of the message for a finished puzzle.</extracomment>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Congratulations!  You completed this puzzle in %1</source>
        <extracomment>The message for a finished puzzle; %1 is the clock, e.g. 00:12 34 (hours:minutes seconds), with no full stop after it.</extracomment>
        <translation>Herzlichen Glückwunsch!  Sie haben dieses Rätsel in %1 gelöst.</translation>
    </message>
    <message>
        <source>Game Creator Error</source>
        <extracomment>Title of the message shown when no puzzle could be made.</extracomment>
        <translation>Fehler beim Erstellen des Spiels</translation>
    </message>
    <message>
        <source>There was an error creating your game.  Please click on the Visit Our Site links and go to our contact form to tell us about it.</source>
        <extracomment>Shown when no puzzle could be made; &quot;Visit Our Site&quot; is the label at the foot of the window.</extracomment>
        <translation>Beim Erstellen Ihres Spiels ist ein Fehler aufgetreten.  Bitte folgen Sie den Links unter „Unsere Website“ und melden Sie ihn uns über unser Kontaktformular.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>Spoken name of a board cell: %1 its row, %2 its column (1 to 9), %3 what it holds.</extracomment>
        <translation>Zeile %1, Spalte %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What an empty board cell holds, spoken after its row and column.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>A digit given by the puzzle, which the player cannot change; %1 the digit.</extracomment>
        <translation>vorgegeben %1</translation>
    </message>
    <message>
        <source>notes %1</source>
        <extracomment>Several candidate digits the player noted in one cell; %1 the digits, separated by blanks.</extracomment>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <source>marked incorrect</source>
        <extracomment>Said of a cell that &quot;Check Your Progress&quot; painted red.</extracomment>
        <translation>als falsch markiert</translation>
    </message>
    <message>
        <source>filled in by Solve</source>
        <extracomment>Said of a cell whose digit &quot;Solve&quot; filled in from the solution.</extracomment>
        <translation>durch „Lösen“ ausgefüllt</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>Spoken name of a thin line that separates parts of the side panel.</extracomment>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken name of the red swatch in the legend.</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Spoken name of the grey swatch in the legend.</extracomment>
        <translation>grau</translation>
    </message>
    <message>
        <source>link to the maker&apos;s web site</source>
        <extracomment>Spoken description of the maker&apos;s name at the foot of the window.</extracomment>
        <translation>Link zur Website des Herstellers</translation>
    </message>
</context>
</TS>
