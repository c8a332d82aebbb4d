// libFuzzer target: the cell entry rules, composed as a cell change runs them, on any text at all.
//
// Each input is read as UTF-8 and as raw UTF-16 (lone surrogates included). The checks compare with a model of what
// a cell must hold, not with how the rules get there.
#include "cellEntry.h"

#include <QStringList>

#include <cstdint>

namespace {

// qFatal aborts, and libFuzzer saves the input.
void Require(bool holds, const char* what)
{
    if (!holds) qFatal("broken: %s", what);
}

QString AsciiDigits(QStringView text)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9') digits += c;
    return digits;
}

// The model: the ASCII digits alone, in order, with a CR LF placed by position in the joined text whatever was
// dropped there: after position 3 of a text longer than 3, and after position 6 of one longer than 6.
QString Laid(QStringView joined)
{
    QString laid = AsciiDigits(joined.left(3));
    if (joined.size() > 3) laid += QStringLiteral("\r\n") + AsciiDigits(joined.mid(3, 3));
    if (joined.size() > 6) laid += QStringLiteral("\r\n") + AsciiDigits(joined.mid(6));
    return laid;
}

void Check(const QString& typed)
{
    using namespace cellEntry;
    const QString joined = RemoveLineBreaks(typed);
    const qsizetype n = joined.size();
    Require(joined == typed.split(QStringLiteral("\r\n")).join(QString()), "every CR LF pair removed, nothing else");
    Require(FontSizeForLength(n) == (n <= 1 ? 28 : n == 2 ? 22 : n == 3 ? 10 : 8), "font size by joined length");
    const QString text = LayOutDigits(joined);
    Require(text == Laid(joined), "ASCII digits in order, CR LF after positions 3 and 6 of the joined text");
    // Fed back, a result is laid out by its own digits, the standard layout, which then stays as it is.
    const QString again = LayOutDigits(RemoveLineBreaks(text));
    Require(again == Laid(AsciiDigits(joined)), "a result fed back takes the standard layout of its digits");
    Require(LayOutDigits(RemoveLineBreaks(again)) == again, "the standard layout fed back stays");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Check(QString(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2))); // copied, so any alignment
    return 0;
}
