// Tests of the text work of the cell entry rules: line breaks, font sizes and the note layout.
#include "window/cellEntry.h"

#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <random>

using namespace cellEntry;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// What the entry rules make of a cell's text: line breaks out, digits laid out.
QString ApplyRule(const QString& text)
{
    return LayOutDigits(RemoveLineBreaks(text));
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype CountDigits(const QString& text)
{
    return std::count_if(text.begin(), text.end(), IsAsciiDigit);
}

QString DigitsOf(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (IsAsciiDigit(c)) digits += c;
    return digits;
}

// A random cell text, as a player might leave it after typing, pasting and
// pressing Enter: digits, letters, blanks, lone and paired line breaks,
// emoji (two UTF-16 units each) and digits of other scripts.
QString RandomCellText(std::mt19937& source)
{
    static const QString Pieces[] = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("9"),
        QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("a"), QStringLiteral("Z"),
        QStringLiteral(" "), QStringLiteral("\r"), QStringLiteral("\n"), QStringLiteral("\r\n"),
        QStringLiteral("\U0001F600"), QString(QChar(0x0663)), QString(QChar(0xFF14)), QStringLiteral("-"),
    };
    constexpr std::uint32_t PieceCount = std::size(Pieces);
    QString text;
    const std::uint32_t count = source() % 21;
    for (std::uint32_t n = 0; n < count; ++n) text += Pieces[source() % PieceCount];
    return text;
}

} // namespace

class TestCellEntry : public QObject {
    Q_OBJECT

private slots:
    void removeLineBreaks_data();
    void removeLineBreaks();
    void fontSizeForLength_data();
    void fontSizeForLength();
    void layOutDigits_data();
    void layOutDigits();
    void wholeRule_data();
    void wholeRule();
    void wholeRuleInvariants();
};

void TestCellEntry::removeLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no breaks") << QStringLiteral("12a") << QStringLiteral("12a");
    QTest::newRow("one pair") << QStringLiteral("\r\n") << QString();
    QTest::newRow("note of two lines") << QStringLiteral("123\r\n45") << QStringLiteral("12345");
    QTest::newRow("note of three lines") << QStringLiteral("123\r\n456\r\n789") << QStringLiteral("123456789");
    QTest::newRow("pairs side by side") << QStringLiteral("1\r\n\r\n2") << QStringLiteral("12");
    QTest::newRow("pair at the end") << QStringLiteral("123\r\n4\r\n") << QStringLiteral("1234");
    QTest::newRow("lone CR kept") << QStringLiteral("1\r2") << QStringLiteral("1\r2");
    QTest::newRow("lone LF kept") << QStringLiteral("1\n2") << QStringLiteral("1\n2");
    QTest::newRow("LF CR is no pair") << QStringLiteral("\n\r") << QStringLiteral("\n\r");
    QTest::newRow("one pass leaves the pair it makes") << QStringLiteral("\r\r\n\n") << QStringLiteral("\r\n");
    QTest::newRow("pair then lone CR") << QStringLiteral("\r\n\r") << QStringLiteral("\r");
}

void TestCellEntry::removeLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(RemoveLineBreaks(text), expected);
}

void TestCellEntry::fontSizeForLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("points");

    for (int length = 0; length <= 20; ++length) {
        const int points = length <= 1 ? 28 : length == 2 ? 22 : length == 3 ? 10 : 8;
        QTest::addRow("length %d", length) << length << points;
    }
}

void TestCellEntry::fontSizeForLength()
{
    QFETCH(int, length);
    QFETCH(int, points);
    QCOMPARE(FontSizeForLength(length), points);
}

void TestCellEntry::layOutDigits_data()
{
    // Texts as the rules see them, line breaks already removed.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("7") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("0 is a digit") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("73") << QStringLiteral("73") << QStringLiteral("73");
    QTest::newRow("55 keeps the repeat") << QStringLiteral("55") << QStringLiteral("55");
    QTest::newRow("1") << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("12") << QStringLiteral("12") << QStringLiteral("12");
    QTest::newRow("123 stays on one line") << QStringLiteral("123") << QStringLiteral("123");
    QTest::newRow("1234") << QStringLiteral("1234") << QStringLiteral("123\r\n4");
    QTest::newRow("123456 two full lines") << QStringLiteral("123456") << QStringLiteral("123\r\n456");
    QTest::newRow("1234567") << QStringLiteral("1234567") << QStringLiteral("123\r\n456\r\n7");
    QTest::newRow("nine digits") << QStringLiteral("123456789") << QStringLiteral("123\r\n456\r\n789");
    QTest::newRow("thirteen digits pasted") << QStringLiteral("1234567890123")
                                            << QStringLiteral("123\r\n456\r\n7890123");
    QTest::newRow("thirteen zeros") << QStringLiteral("0000000000000") << QStringLiteral("000\r\n000\r\n0000000");
    QTest::newRow("letter alone") << QStringLiteral("a") << QString();
    QTest::newRow("letter after 5") << QStringLiteral("5a") << QStringLiteral("5");
    QTest::newRow("letter after 123 leaves the break") << QStringLiteral("123a") << QStringLiteral("123\r\n");
    QTest::newRow("letter between 2 and 3 of 12345") << QStringLiteral("12a345") << QStringLiteral("12\r\n345");
    QTest::newRow("letter first of four") << QStringLiteral("a123") << QStringLiteral("12\r\n3");
    QTest::newRow("only letters, long") << QStringLiteral("abcdefgh") << QStringLiteral("\r\n\r\n");
    QTest::newRow("blank and sign dropped") << QStringLiteral(" 1-") << QStringLiteral("1");
    QTest::newRow("lone CR and LF dropped") << QStringLiteral("1\r2") << QStringLiteral("12");
    QTest::newRow("lone LF counts as a position") << QStringLiteral("12\n4") << QStringLiteral("12\r\n4");
    QTest::newRow("Arabic-Indic digits dropped")
        << QString::fromUtf16(u"\u0661\u0662\u0663") << QString();
    QTest::newRow("Arabic-Indic digit among ASCII") << QString::fromUtf16(u"1\u06622") << QStringLiteral("12");
    QTest::newRow("full-width digits dropped") << QString::fromUtf16(u"\uFF11\uFF12") << QString();
    QTest::newRow("full-width third of four") << QString::fromUtf16(u"12\uFF134") << QStringLiteral("12\r\n4");
    QTest::newRow("superscript digit dropped") << QString::fromUtf16(u"\u00B92") << QStringLiteral("2");
    QTest::newRow("emoji alone is two positions") << QStringLiteral("\U0001F600") << QString();
    QTest::newRow("emoji between digits is two positions")
        << QStringLiteral("1\U0001F6002") << QStringLiteral("1\r\n2");
    QTest::newRow("three emoji then a digit")
        << QStringLiteral("\U0001F600\U0001F600\U0001F6001") << QStringLiteral("\r\n\r\n1");
}

void TestCellEntry::layOutDigits()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(LayOutDigits(text), expected);
}

void TestCellEntry::wholeRule_data()
{
    // A cell's text just after the player's change, and what the rules leave.
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("points");

    QTest::newRow("7 typed") << QStringLiteral("7") << QStringLiteral("7") << 28;
    QTest::newRow("3 after 7") << QStringLiteral("73") << QStringLiteral("73") << 22;
    QTest::newRow("3 after 12") << QStringLiteral("123") << QStringLiteral("123") << 10;
    QTest::newRow("4 after 123") << QStringLiteral("1234") << QStringLiteral("123\r\n4") << 8;
    QTest::newRow("5 after 123 CR LF 4") << QStringLiteral("123\r\n45") << QStringLiteral("123\r\n45") << 8;
    QTest::newRow("9 after eight digits") << QStringLiteral("123\r\n456\r\n789")
                                          << QStringLiteral("123\r\n456\r\n789") << 8;
    QTest::newRow("letter in empty cell") << QStringLiteral("x") << QString() << 28;
    QTest::newRow("letter after 5") << QStringLiteral("5x") << QStringLiteral("5") << 22;
    QTest::newRow("letter after 123") << QStringLiteral("123x") << QStringLiteral("123\r\n") << 8;
    QTest::newRow("letter between 2 and 3 of the note")
        << QStringLiteral("12x3\r\n45") << QStringLiteral("12\r\n345") << 8;
    QTest::newRow("6 at the end of 12 CR LF 345")
        << QStringLiteral("12\r\n3456") << QStringLiteral("123\r\n456") << 8;
    QTest::newRow("Enter at the end of the note")
        << QStringLiteral("123\r\n4\r\n") << QStringLiteral("123\r\n4") << 8;
    QTest::newRow("Enter in an empty cell") << QStringLiteral("\r\n") << QString() << 28;
    QTest::newRow("only digit deleted") << QString() << QString() << 28;
    QTest::newRow("4 deleted from the note") << QStringLiteral("123\r\n") << QStringLiteral("123") << 10;
    QTest::newRow("13 digits pasted") << QStringLiteral("1234567890123")
                                      << QStringLiteral("123\r\n456\r\n7890123") << 8;
    QTest::newRow("17 characters kept") << QStringLiteral("123\r\n456\r\n7890123")
                                        << QStringLiteral("123\r\n456\r\n7890123") << 8;
}

void TestCellEntry::wholeRule()
{
    QFETCH(QString, cellText);
    QFETCH(QString, expected);
    QFETCH(int, points);
    QCOMPARE(ApplyRule(cellText), expected);
    QCOMPARE(FontSizeForLength(RemoveLineBreaks(cellText).size()), points);
}

void TestCellEntry::wholeRuleInvariants()
{
    std::mt19937 source(20240611u);
    for (int round = 0; round < 4000; ++round) {
        const QString input = RandomCellText(source);
        const QString joined = RemoveLineBreaks(input);
        const QString result = ApplyRule(input);
        const qsizetype length = joined.size();
        const QByteArray context = "input " + input.toUtf8().toPercentEncoding() + " result "
            + result.toUtf8().toPercentEncoding();

        // The first step takes out the CR LF pairs of the input and nothing else.
        QVERIFY2(joined.size() == input.size() - 2 * input.count(CrLf), context);
        QVERIFY2(DigitsOf(joined) == DigitsOf(input), context);

        // Only ASCII digits and whole CR LF pairs; the digits of the joined
        // text all kept, in order.
        for (qsizetype i = 0; i < result.size(); ++i) {
            const QChar c = result[i];
            if (IsAsciiDigit(c)) continue;
            QVERIFY2(c == u'\r' && i + 1 < result.size() && result[i + 1] == u'\n', context);
            ++i;
        }
        QVERIFY2(DigitsOf(result) == DigitsOf(joined), context);

        // One break once the joined text is longer than 3, a second once it
        // is longer than 6, each right after the digits kept from positions
        // 1..3 and 1..6.
        const QStringList lines = result.split(CrLf);
        const qsizetype breaks = (length > 3 ? 1 : 0) + (length > 6 ? 1 : 0);
        QVERIFY2(lines.size() == breaks + 1, context);
        if (breaks >= 1) QVERIFY2(lines[0].size() == CountDigits(joined.left(3)), context);
        if (breaks >= 2) QVERIFY2(lines[1].size() == CountDigits(joined.mid(3, 3)), context);

        // A second change lays the digits out by their own positions: three
        // to a line, and from then on the layout is stable.
        const QString again = ApplyRule(result);
        const QString digits = DigitsOf(result);
        QVERIFY2(again.split(CrLf).join(QString()) == digits, context);
        if (digits.size() > 3) QVERIFY2(again.indexOf(CrLf) == 3, context);
        if (digits.size() > 6) QVERIFY2(again.indexOf(CrLf, 5) == 8, context);
        QVERIFY2(ApplyRule(again) == again, context);
    }
}

QTEST_GUILESS_MAIN(TestCellEntry)
#include "tst_cellEntry.moc"
