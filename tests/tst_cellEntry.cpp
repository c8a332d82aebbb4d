// Tests of the text work of the cell entry rules: line breaks, font sizes and the note layout.
#include "window/cellEntry.h"

#include <QtTest>

using namespace cellEntry;
using namespace Qt::StringLiterals;

class TestCellEntry : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
};

void TestCellEntry::rules_data()
{
    // A cell's text just after the player's change, the font size for its
    // length without CR LF pairs, and its digits laid out.
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("laidOut");

    QTest::newRow("0 is a digit") << u"0"_s << 28 << u"0"_s;
    QTest::newRow("55 keeps the repeat") << u"55"_s << 22 << u"55"_s;
    QTest::newRow("123 on one line") << u"123"_s << 10 << u"123"_s;
    QTest::newRow("13 digits pasted") << u"1234567890123"_s << 8 << u"123\r\n456\r\n7890123"_s;
    QTest::newRow("letter after 5") << u"5x"_s << 22 << u"5"_s;
    QTest::newRow("letter after 123") << u"123x"_s << 8 << u"123\r\n"_s;
    QTest::newRow("letter between 2 and 3") << u"12x3\r\n45"_s << 8 << u"12\r\n345"_s;
    QTest::newRow("then 6 at the end") << u"12\r\n3456"_s << 8 << u"123\r\n456"_s;
    QTest::newRow("lone CR and LF kept, then dropped") << u"1\r2\n"_s << 8 << u"12\r\n"_s;
    QTest::newRow("one pass only") << u"\r\r\n\n"_s << 22 << u""_s;
    QTest::newRow("other scripts' digits dropped") << u"1\u06622\uFF13"_s << 8 << u"12\r\n"_s;
    QTest::newRow("emoji is two positions") << u"1\U0001F6002"_s << 8 << u"1\r\n2"_s;
}

void TestCellEntry::rules()
{
    QFETCH(QString, cellText);
    QFETCH(int, points);
    QFETCH(QString, laidOut);
    const QString joined = RemoveLineBreaks(cellText);
    QCOMPARE(FontSizeForLength(joined.size()), points);
    QCOMPARE(LayOutDigits(joined), laidOut);
}

QTEST_GUILESS_MAIN(TestCellEntry)
#include "tst_cellEntry.moc"
