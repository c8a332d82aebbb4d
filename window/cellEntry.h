// The text work of the cell entry rules, free of widgets so that it can be
// tested and fuzzed on its own.
//
// A cell holds one digit (an entry) or several (candidate notes), laid out
// three to a line: a CR LF follows the third character when there are more
// than three and the sixth when there are more than six. Positions count
// every character the player left, kept or dropped, so a letter typed into
// a note shifts the break until the next change lays the digits out again.
#pragma once

#include <QString>

namespace cellEntry {

inline constexpr int EntryFontSize = 28;

// Every CR LF pair removed, in one left-to-right pass.
QString RemoveLineBreaks(const QString& text);

// The cell's font size for a text of this length (line breaks removed,
// nothing else dropped yet): 28 pt for 0 or 1, 22 for 2, 10 for 3, 8 beyond.
int FontSizeForLength(qsizetype length);

// The digits "0".."9" of text in their order, with a CR LF appended at
// position 3 when the text is longer than 3 and at position 6 when it is
// longer than 6; every other character is dropped.
QString LayOutDigits(const QString& text);

} // namespace cellEntry
