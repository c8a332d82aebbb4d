// The text work of the cell entry rules.
#include "cellEntry.h"

#include <algorithm>

namespace cellEntry {

QString RemoveLineBreaks(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QString());
    return result;
}

int FontSizeForLength(qsizetype length)
{
    if (length <= 1) return EntryFontSize;
    if (length == 2) return 22;
    if (length == 3) return 10;
    return 8;
}

QString LayOutDigits(const QString& text)
{
    const qsizetype length = text.size();
    QString result;
    result.reserve(std::min<qsizetype>(length, 9) + 4);
    for (qsizetype i = 1; i <= length; ++i) {
        const QChar c = text[i - 1];
        if (c >= u'0' && c <= u'9') result += c;
        if ((length > 3 && i == 3) || (length > 6 && i == 6)) result += QStringLiteral("\r\n");
    }
    return result;
}

} // namespace cellEntry
