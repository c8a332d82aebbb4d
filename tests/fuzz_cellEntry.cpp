// libFuzzer target: the cell entry rules, composed as a cell change runs them, on any text at all.
//
// Each input is read as UTF-8 and as raw UTF-16 (lone surrogates included).
// The checks say what a cell must hold, not how the rules get there.
#include "window/cellEntry.h"

#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString Digits(QStringView text)
{
    QString digits;
    for (QChar c : text) if (IsAsciiDigit(c)) digits += c;
    return digits;
}

// Breaks go by position in the joined text, whatever was dropped there: a
// CR LF after position 3 of a text longer than 3, and after 6 of one longer than 6.
QString Laid(QStringView joined)
{
    QString laid = Digits(joined.left(3));
    if (joined.size() > 3) laid += QStringLiteral("\r\n") + Digits(joined.mid(3, 3));
    if (joined.size() > 6) laid += QStringLiteral("\r\n") + Digits(joined.mid(6));
    return laid;
}

// The text a cell change leaves, as the window composes the rules.
QString Rules(const QString& typed) { return cellEntry::LayOutDigits(cellEntry::RemoveLineBreaks(typed)); }

void Check(const QString& typed)
{
    const QString joined = cellEntry::RemoveLineBreaks(typed);
    const int font = cellEntry::FontSizeForLength(joined.size());
    const QString text = cellEntry::LayOutDigits(joined);
    // Every CR LF pair found in one pass from the left goes, and nothing else.
    Require(joined == typed.split(QStringLiteral("\r\n")).join(QString()), "line breaks removed");
    const qsizetype n = joined.size();
    Require(font == (n <= 1 ? 28 : n == 2 ? 22 : n == 3 ? 10 : 8), "font size by joined length");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') Require(++i < text.size() && text[i] == u'\n', "CR only before LF");
        else Require(IsAsciiDigit(text[i]), "only ASCII digits and CR LF pairs");
    }
    Require(text.count(QStringLiteral("\r\n")) == (n > 3) + (n > 6), "one break past 3, one past 6");
    Require(Digits(text) == Digits(joined), "the joined text's digits, in order");
    Require(text == Laid(joined), "breaks after positions 3 and 6 of the joined text");

    // Fed back, a result is laid out again by its own digits; that layout is
    // a fixed point, and equals the first result when nothing was dropped.
    const QString again = Rules(text);
    Require(again == Laid(Digits(joined)), "a result fed back lays out its digits");
    Require(Rules(again) == again, "a laid-out note fed back stays");
    if (Digits(joined) == joined) Require(again == text, "digits alone are stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size / 2 * sizeof(char16_t));
    Check(utf16);
    return 0;
}
