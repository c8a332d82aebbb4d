// Every text the player reads or hears, in one place, each through Qt's
// translation system.
//
// The English source texts are the game's own wording, two blanks after a
// full stop included. Contexts group the texts by where they appear; a "//:"
// line is the note a translator sees. The product's name, the maker's name and
// the clock's HH:MM SS are not translated.
#pragma once

#include "productInfo.h"

#include <QCoreApplication>
#include <QString>

namespace gameTexts {

inline QString Product() { return QString::fromUtf8(productInfo::AppTitle); }
inline QString Maker() { return QString::fromUtf8(productInfo::Maker); }

// ---- The side panel -------------------------------------------------------

//: Heading above the clock that times the current puzzle.
inline QString PuzzleTimer() { return QCoreApplication::translate("Clock", "Puzzle Timer"); }
// What the clock shows before its first tick: hours:minutes seconds.
inline QString ClockAtStart() { return QStringLiteral("00:00 00"); }

//: Heading above the three difficulty options.
inline QString DifficultyLevel() { return QCoreApplication::translate("Difficulty", "Difficulty Level"); }
//: The easiest level: 31 cells to fill.
inline QString Beginner() { return QCoreApplication::translate("Difficulty", "Beginner/Easy"); }
//: The middle level: 51 cells to fill.
inline QString Intermediate() { return QCoreApplication::translate("Difficulty", "Intermediate/Medium"); }
//: The hardest level: 61 cells to fill.
inline QString Professional() { return QCoreApplication::translate("Difficulty", "Professional/Hard"); }

//: Button that marks every entry that repeats a digit of its row, column or box.
inline QString CheckYourProgress() { return QCoreApplication::translate("Buttons", "Check Your Progress"); }
//: Tooltip of "Check Your Progress": each check costs 4 seconds on the clock.
inline QString CheckTip()
{
    return QCoreApplication::translate("Buttons", "Checks Your Progress.  Adds 4 seconds to the clock.");
}
//: Button that deals a new puzzle at the chosen difficulty.
inline QString CreateNewPuzzle() { return QCoreApplication::translate("Buttons", "Create New Puzzle"); }
//: Tooltip of "Create New Puzzle".
inline QString CreateTip() { return QCoreApplication::translate("Buttons", "Creates A New Puzzle"); }
//: Button that closes the game at once.
inline QString Quit() { return QCoreApplication::translate("Buttons", "Quit"); }
//: Tooltip of "Quit"; %1 is the game's name.
inline QString QuitTip() { return QCoreApplication::translate("Buttons", "Closes %1").arg(Product()); }
//: Button that hands in a finished puzzle, or offers the solution.
inline QString Solve() { return QCoreApplication::translate("Buttons", "Solve"); }

//: Heading of the colour legend for "Check Your Progress".
inline QString LegendHeading() { return QCoreApplication::translate("Legend", "Check Progress Legend"); }
//: Beside a red swatch: the colour of an entry that repeats a digit.
inline QString IncorrectEntry() { return QCoreApplication::translate("Legend", "= Incorrect Entry"); }
//: Beside a grey swatch: the colour of a digit the player entered.
inline QString CorrectEntry() { return QCoreApplication::translate("Legend", "= Correct Entry"); }

// ---- The bottom row ---------------------------------------------------------

//: Label before the maker's name, which links to the maker's web site.
inline QString VisitOurSite() { return QCoreApplication::translate("Links", "Visit Our Site:"); }
//: Tooltip of the Facebook picture; %1 is the maker's name.
inline QString FacebookTip()
{
    return QCoreApplication::translate("Links", "\"Like\" %1.  Visit our Facebook page.").arg(Maker());
}
//: Tooltip of the Twitter picture; %1 is the maker's name.
inline QString TwitterTip() { return QCoreApplication::translate("Links", "Follow %1 on Twitter").arg(Maker()); }
//: Tooltip of the LinkedIn picture.
inline QString LinkedInTip() { return QCoreApplication::translate("Links", "Visit our LinkedIn Profile"); }
//: The copyright line at the foot of the window; %1 is the maker's name.
inline QString Copyright() { return QCoreApplication::translate("Links", "Copyright \u00A9 2026 %1").arg(Maker()); }

// ---- Messages ---------------------------------------------------------------

//: After "Check Your Progress" when no entry repeats a digit.
inline QString NoErrors() { return QCoreApplication::translate("Messages", "Great Job!  No errors in your puzzle!"); }
//: After "Check Your Progress" when some entries repeat a digit; they are now red.
inline QString ErrorsFound()
{
    return QCoreApplication::translate("Messages", "Errors were found in your puzzle.  Try again!");
}
//: After "Solve" with cells still empty or holding notes; answered Yes or No.
inline QString NotComplete()
{
    return QCoreApplication::translate("Messages", "Your puzzle is not complete.  Do you want the solution now?");
}
//: After "Solve" on a full board where some entries repeat a digit; answered Yes or No.
inline QString CompleteWithErrors()
{
    return QCoreApplication::translate(
        "Messages", "Your puzzle is complete, but it has errors in it.  Do you want to see the solution?");
}
//: Title of the message for a finished puzzle.
inline QString CongratulationsTitle() { return QCoreApplication::translate("Messages", "Congratulations!"); }
//: The message for a finished puzzle; %1 is the clock, e.g. 00:12 34 (hours:minutes seconds), with no full stop after
//: it.
inline QString CompletedIn(const QString& clock)
{
    return QCoreApplication::translate("Messages", "Congratulations!  You completed this puzzle in %1").arg(clock);
}
//: Title of the message shown when no puzzle could be made.
inline QString GameCreatorErrorTitle() { return QCoreApplication::translate("Messages", "Game Creator Error"); }
//: Shown when no puzzle could be made; "Visit Our Site" is the label at the foot of the window.
inline QString GameCreatorError()
{
    return QCoreApplication::translate("Messages",
                                       "There was an error creating your game.  Please click on the Visit Our Site "
                                       "links and go to our contact form to tell us about it.");
}

// ---- What a screen reader says ----------------------------------------------

//: Spoken name of a board cell: %1 its row, %2 its column (1 to 9), %3 what it holds.
inline QString CellName(int row, int column, const QString& content)
{
    return QCoreApplication::translate("ScreenReader", "row %1, column %2, %3").arg(row).arg(column).arg(content);
}
//: What an empty board cell holds, spoken after its row and column.
inline QString EmptyCell() { return QCoreApplication::translate("ScreenReader", "empty"); }
//: A digit given by the puzzle, which the player cannot change; %1 the digit.
inline QString GivenDigit(const QString& digit)
{
    return QCoreApplication::translate("ScreenReader", "given %1").arg(digit);
}
//: Several candidate digits the player noted in one cell; %1 the digits, separated by blanks.
inline QString Notes(const QString& digits)
{
    return QCoreApplication::translate("ScreenReader", "notes %1").arg(digits);
}
//: Said of a cell that "Check Your Progress" painted red.
inline QString MarkedIncorrect() { return QCoreApplication::translate("ScreenReader", "marked incorrect"); }
//: Said of a cell whose digit "Solve" filled in from the solution.
inline QString FilledInBySolve() { return QCoreApplication::translate("ScreenReader", "filled in by Solve"); }
//: Spoken name of a thin line that separates parts of the side panel.
inline QString Separator() { return QCoreApplication::translate("ScreenReader", "separator"); }
//: Spoken name of the red swatch in the legend.
inline QString RedSwatch() { return QCoreApplication::translate("ScreenReader", "red"); }
//: Spoken name of the grey swatch in the legend.
inline QString GreySwatch() { return QCoreApplication::translate("ScreenReader", "grey"); }
//: Spoken description of the maker's name at the foot of the window.
inline QString SiteLinkDescription()
{
    return QCoreApplication::translate("ScreenReader", "link to the maker's web site");
}
// The link pictures are named after their services, which keep their names.
inline QString FacebookName() { return QStringLiteral("Facebook"); }
inline QString TwitterName() { return QStringLiteral("Twitter"); }
inline QString LinkedInName() { return QStringLiteral("LinkedIn"); }

} // namespace gameTexts
