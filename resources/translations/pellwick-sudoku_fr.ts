<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Buttons</name>
    <message>
        <source>Check Your Progress</source>
        <extracomment>Button that marks every entry that repeats a digit of its row, column or box.</extracomment>
        <translation>Vérifier la grille</translation>
    </message>
    <message>
        <source>Checks Your Progress.  Adds 4 seconds to the clock.</source>
        <extracomment>Tooltip of &quot;Check Your Progress&quot;: each check costs 4 seconds on the clock.</extracomment>
        <translation>Vérifie votre grille.  Ajoute 4 secondes au chronomètre.</translation>
    </message>
    <message>
        <source>Create New Puzzle</source>
        <extracomment>Button that deals a new puzzle at the chosen difficulty.</extracomment>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Creates A New Puzzle</source>
        <extracomment>Tooltip of &quot;Create New Puzzle&quot;.</extracomment>
        <translation>Crée une nouvelle grille</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Button that closes the game at once.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Closes %1</source>
        <extracomment>Tooltip of &quot;Quit&quot;; %1 is the game&apos;s name.</extracomment>
        <translation>Ferme %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button that hands in a finished puzzle, or offers the solution.</extracomment>
        <translation>Résoudre</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Puzzle Timer</source>
        <extracomment>Heading above the clock that times the current puzzle.</extracomment>
        <translation>Chronomètre</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Difficulty Level</source>
        <extracomment>Heading above the three difficulty options.</extracomment>
        <translation>Niveau de difficulté</translation>
    </message>
    <message>
        <source>Beginner/Easy</source>
        <extracomment>The easiest level: 31 cells to fill.</extracomment>
        <translation>Débutant/Facile</translation>
    </message>
    <message>
        <source>Intermediate/Medium</source>
        <extracomment>The middle level: 51 cells to fill.</extracomment>
        <translation>Intermédiaire/Moyen</translation>
    </message>
    <message>
        <source>Professional/Hard</source>
        <extracomment>The hardest level: 61 cells to fill.</extracomment>
        <translation>Expert/Difficile</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>Check Progress Legend</source>
        <extracomment>Heading of the colour legend for &quot;Check Your Progress&quot;.</extracomment>
        <translation>Légende de la vérification</translation>
    </message>
    <message>
        <source>= Incorrect Entry</source>
        <extracomment>Beside a red swatch: the colour of an entry that repeats a digit.</extracomment>
        <translation>= Chiffre erroné</translation>
    </message>
    <message>
        <source>= Correct Entry</source>
        <extracomment>Beside a grey swatch: the colour of a digit the player entered.</extracomment>
        <translation>= Chiffre correct</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Visit Our Site:</source>
        <extracomment>Label before the maker&apos;s name, which links to the maker&apos;s web site.</extracomment>
        <translation>Notre site&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;Like&quot; %1.  Visit our Facebook page.</source>
        <extracomment>Tooltip of the Facebook picture; %1 is the maker&apos;s name.</extracomment>
        <translation>Aimez %1.  Rendez-vous sur notre page Facebook.</translation>
    </message>
    <message>
        <source>Follow %1 on Twitter</source>
        <extracomment>Tooltip of the Twitter picture; %1 is the maker&apos;s name.</extracomment>
        <translation>Suivez %1 sur Twitter</translation>
    </message>
    <message>
        <source>Visit our LinkedIn Profile</source>
        <extracomment>Tooltip of the LinkedIn picture.</extracomment>
        <translation>Consultez notre profil LinkedIn</translation>
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
        <translation>Bravo&#xa0;!  Aucune erreur dans votre grille&#xa0;!</translation>
    </message>
    <message>
        <source>Errors were found in your puzzle.  Try again!</source>
        <extracomment>After &quot;Check Your Progress&quot; when some entries repeat a digit; they are now red.</extracomment>
        <translation>Votre grille contient des erreurs.  Essayez encore&#xa0;!</translation>
    </message>
    <message>
        <source>Your puzzle is not complete.  Do you want the solution now?</source>
        <extracomment>After &quot;Solve&quot; with cells still empty or holding notes; answered Yes or No.</extracomment>
        <translation>Votre grille n’est pas terminée.  Voulez-vous voir la solution maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Your puzzle is complete, but it has errors in it.  Do you want to see the solution?</source>
        <extracomment>After &quot;Solve&quot; on a full board where some entries repeat a digit; answered Yes or No.</extracomment>
        <translation>Votre grille est remplie, mais elle contient des erreurs.  Voulez-vous voir la solution&#xa0;?</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <extracomment>Title of the message for a finished puzzle.</extracomment>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!  You completed this puzzle in %1</source>
        <extracomment>The message for a finished puzzle; %1 is the clock, e.g. 00:12 34 (hours:minutes seconds), with no full stop after it.</extracomment>
        <translation>Félicitations&#xa0;!  Vous avez terminé cette grille en %1</translation>
    </message>
    <message>
        <source>Game Creator Error</source>
        <extracomment>Title of the message shown when no puzzle could be made.</extracomment>
        <translation>Erreur de création de la partie</translation>
    </message>
    <message>
        <source>There was an error creating your game.  Please click on the Visit Our Site links and go to our contact form to tell us about it.</source>
        <extracomment>Shown when no puzzle could be made; &quot;Visit Our Site&quot; is the label at the foot of the window.</extracomment>
        <translation>Une erreur s’est produite pendant la création de votre partie.  Suivez les liens de «&#xa0;Notre site&#xa0;» et signalez-la-nous depuis notre formulaire de contact.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>Spoken name of a board cell: %1 its row, %2 its column (1 to 9), %3 what it holds.</extracomment>
        <translation>ligne %1, colonne %2, %3</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What an empty board cell holds, spoken after its row and column.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>given %1</source>
        <extracomment>A digit given by the puzzle, which the player cannot change; %1 the digit.</extracomment>
        <translation>chiffre donné %1</translation>
    </message>
    <message>
        <source>notes %1</source>
        <extracomment>Several candidate digits the player noted in one cell; %1 the digits, separated by blanks.</extracomment>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>marked incorrect</source>
        <extracomment>Said of a cell that &quot;Check Your Progress&quot; painted red.</extracomment>
        <translation>marquée comme erronée</translation>
    </message>
    <message>
        <source>filled in by Solve</source>
        <extracomment>Said of a cell whose digit &quot;Solve&quot; filled in from the solution.</extracomment>
        <translation>remplie par «&#xa0;Résoudre&#xa0;»</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>Spoken name of a thin line that separates parts of the side panel.</extracomment>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken name of the red swatch in the legend.</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Spoken name of the grey swatch in the legend.</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>link to the maker&apos;s web site</source>
        <extracomment>Spoken description of the maker&apos;s name at the foot of the window.</extracomment>
        <translation>lien vers le site de l’éditeur</translation>
    </message>
</context>
</TS>
