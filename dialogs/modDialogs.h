// The styled message box: recolours the next standard dialog the program
// shows, and the message box function the game's questions go through.
//
// A caller hands over up to four colours with SetDialogColors and then shows
// a message box as usual. The call arms a one-shot filter for this thread's
// next standard dialog (a QDialog window); the filter paints that dialog and
// its controls when the dialog is polished, just before it first shows, and
// goes away with it. So each message box needs its own SetDialogColors call.
//
//   Idle --SetDialogColors--> Armed --dialog polished--> Styling
//     ^                                                     |
//     +----------------- that dialog destroyed -------------+
//
// Styling ends when the dialog object is destroyed, not when it is hidden:
// MsgBox destroys its box before it returns; a caller that keeps a QDialog
// alive after closing it keeps the machine in Styling until it deletes it.
//
// The dialog and every control but the edit boxes take the dialog text colour
// and background; edit boxes (line, text and spin edits the player can type
// into) take the edit colours. A read-only edit counts as an ordinary
// control. A part left out keeps the platform's own colours, and disabled
// text keeps the platform's greyed look.
//
// Colours are 32-bit values laid out 0x00BBGGRR, as ColorRef builds them.
// Everything here runs on the GUI thread; SetDialogColors called from another
// thread does nothing, and MsgBox there shows nothing.
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

#include <cstdint>

class QWidget;

namespace modDialogs {

// Style values of MsgBox: one of the button sets, plus one icon, plus at
// most one default-button choice (the first button is the default).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

// Answers of MsgBox.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// The object name of every box MsgBox shows, for tests and tools that look
// for it.
inline constexpr char MsgBoxObjectName[] = "msgBox";

enum class DialogState { Idle, Armed, Styling };

constexpr std::uint32_t ColorRef(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red & 0xFF) | static_cast<std::uint32_t>(green & 0xFF) << 8
        | static_cast<std::uint32_t>(blue & 0xFF) << 16;
}

// The top byte of a colour value is ignored; an invalid QColor gives black.
QColor FromColorRef(std::uint32_t color);
std::uint32_t ToColorRef(const QColor& color);

// Each argument may be left out (an invalid QVariant). A number, or a text
// that reads as a number, is a colour value; the two backgrounds may also be
// a QPixmap, QBitmap or QImage, which then tiles that background. Anything
// else counts as not given, and that part keeps the dialog's own colours.
//
// Numbers are whole or fractional (rounded), from -2^31 to 2^32 - 1, taken
// as 32 bits. Texts may be decimal ("16777215", " 255 ", "1e3") or
// hexadecimal with "&H" or "0x" ("&HE0FFFF", "0xe0ffff", at most 8 digits).
// A Boolean is not a number here.
//
// Every call sets all four parts anew: one left out goes back to the
// platform's colours. A call while a dialog is being styled recolours its
// text at once; its backgrounds stay as they were when it was caught.
void SetDialogColors(const QVariant& dialogTextColor = {}, const QVariant& dialogBack = {},
                     const QVariant& editTextColor = {}, const QVariant& editBack = {});

DialogState State();

// Whether the filter that catches the next dialog is installed: only while
// Armed or Styling.
bool FilterInstalled();

// A standard modal message box: prompt (plain text, shown as written), style
// (buttons plus icon plus default button, as the vb* values above add up)
// and title (the application's display name when empty). The owner defaults
// to the active window. Returns the button pressed: vbOK, vbCancel, vbAbort,
// vbRetry, vbIgnore, vbYes or vbNo. Escape or the close button gives the
// box's cancel answer: vbCancel where there is a Cancel button, else vbNo,
// vbAbort or vbOK; never vbYes. The caller resumes when the player has
// closed the box, and the box is destroyed by then. Without a QApplication
// on this thread no box can be shown, and the cancel answer comes back.
int MsgBox(const QString& prompt, int style, const QString& title, QWidget* owner = nullptr);

// WCAG contrast ratio of two colours, 1 to 21. An invalid colour gives 1.
double ContrastRatio(const QColor& a, const QColor& b);

// The text colour for a message box on the given background: black wherever
// black is readable on it (a contrast of at least 4.5:1), otherwise the
// platform's text colour (the application palette's Text), or white if that
// is not readable on it either. The result always reaches 4.5:1.
std::uint32_t ReadableTextColor(std::uint32_t background);

} // namespace modDialogs
