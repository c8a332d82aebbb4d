// Every text the player reads, in one place.
#pragma once

#include <QString>

namespace gameTexts {

inline const QString PuzzleTimer = QStringLiteral("Puzzle Timer");
inline const QString ClockAtStart = QStringLiteral("00:00 00");
inline const QString DifficultyLevel = QStringLiteral("Difficulty Level");
inline const QString Beginner = QStringLiteral("Beginner/Easy");
inline const QString Intermediate = QStringLiteral("Intermediate/Medium");
inline const QString Professional = QStringLiteral("Professional/Hard");
inline const QString CheckYourProgress = QStringLiteral("Check Your Progress");
inline const QString CheckTip = QStringLiteral("Checks Your Progress.  Adds 4 seconds to the clock.");
inline const QString CreateNewPuzzle = QStringLiteral("Create New Puzzle");
inline const QString CreateTip = QStringLiteral("Creates A New Puzzle");
inline const QString Quit = QStringLiteral("Quit");
inline const QString QuitTipPrefix = QStringLiteral("Closes "); // followed by the application title
inline const QString Solve = QStringLiteral("Solve");
inline const QString LegendHeading = QStringLiteral("Check Progress Legend");
inline const QString IncorrectEntry = QStringLiteral("= Incorrect Entry");
inline const QString CorrectEntry = QStringLiteral("= Correct Entry");
inline const QString VisitOurSite = QStringLiteral("Visit Our Site:");
inline const QString MakerName = QStringLiteral("Pellwick Software");
inline const QString FacebookTip = QStringLiteral("\"Like\" Pellwick Software.  Visit our Facebook page.");
inline const QString TwitterTip = QStringLiteral("Follow Pellwick Software on Twitter");
inline const QString LinkedInTip = QStringLiteral("Visit our LinkedIn Profile");
inline const QString Copyright = QStringLiteral("Copyright \u00A9 2026 Pellwick Software");

inline const QString NoErrors = QStringLiteral("Great Job!  No errors in your puzzle!");
inline const QString ErrorsFound = QStringLiteral("Errors were found in your puzzle.  Try again!");
inline const QString NotComplete = QStringLiteral("Your puzzle is not complete.  Do you want the solution now?");
inline const QString CompleteWithErrors =
    QStringLiteral("Your puzzle is complete, but it has errors in it.  Do you want to see the solution?");
inline const QString CongratulationsTitle = QStringLiteral("Congratulations!");
inline const QString CompletedIn = QStringLiteral("Congratulations!  You completed this puzzle in ");
inline const QString GameCreatorErrorTitle = QStringLiteral("Game Creator Error");
inline const QString GameCreatorError = QStringLiteral(
    "There was an error creating your game.  Please click on the Visit Our Site links and go to our contact "
    "form to tell us about it.");

} // namespace gameTexts
