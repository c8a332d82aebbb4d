// Start-up: the application's identity, the window-background colour that
// every message box is painted with, and the entry that shows the game.
#pragma once

#include <cstdint>
#include <memory>

class QLocale;
class QString;
class QWidget;
class frmsudoku;

namespace Module1 {

// The red, green and blue parts (0..255) of the platform's window-background
// colour, taken once at start-up.
extern std::int16_t windowBackRed;
extern std::int16_t windowBackGreen;
extern std::int16_t windowBackBlue;

// Sets the application's title, version, maker and desktop id on the
// application object, where the desktop and Qt's own dialogs read them.
void SetApplicationIdentity();

// Puts the game's texts, and Qt's own (message-box buttons, menus), into the
// first of the locale's languages that the game is translated into; with no
// such language everything stays in English. Called before the window is made.
void InstallTranslations(const QLocale& locale);

// A colour 0x00BBGGRR as it is, or a system colour 0x800000nn resolved from
// the application palette (5 window background, 8 window text, ...), as a
// plain 0x00BBGGRR value; 0 when it cannot be resolved.
std::uint32_t TranslateColor(std::uint32_t color);

// Takes the window-background colour apart into the three parts above.
void TakeWindowBackColor();

// The window-background colour put back together, 0x00BBGGRR.
std::uint32_t WindowBackColor();

// Shows a message box of the game (MsgBox's prompt, style and title) in the
// game's dialog colours: the window background, and text readable on it.
// Returns MsgBox's answer.
int StyledMsgBox(const QString& prompt, int style, const QString& title, QWidget* owner);

// The program's start: takes the colour apart, creates the game window and
// loads it (which shows it and deals the first puzzle). The caller runs the
// event loop while the returned window lives.
std::unique_ptr<frmsudoku> SubMain();

} // namespace Module1
