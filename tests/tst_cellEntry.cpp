// Tests of the text work of the cell entry rules: line breaks, font sizes and the layout of notes.
#include "cellEntry.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestCellEntry : public QObject {
    Q_OBJECT

private slots:
    void removeLineBreaksDropsEachCrLfPair_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("joined");
        QTest::newRow("every pair goes") << u"123\r\n456\r\n7"_s << u"1234567"_s;
        QTest::newRow("a lone CR or LF stays") << u"1\r2\n3"_s << u"1\r2\n3"_s;
        QTest::newRow("a pair closed up by the removal stays") << u"\r\r\n\n"_s << u"\r\n"_s;
    }

    void removeLineBreaksDropsEachCrLfPair()
    {
        QFETCH(QString, text);
        QFETCH(QString, joined);
        QCOMPARE(cellEntry::RemoveLineBreaks(text), joined);
    }

    void fontSizeShrinksAsTheTextGrows_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("points");
        QTest::newRow("an empty cell is set for an entry") << 0 << 28;
        QTest::newRow("an entry") << 1 << 28;
        QTest::newRow("two notes") << 2 << 22;
        QTest::newRow("three notes") << 3 << 10;
        QTest::newRow("four notes") << 4 << 8;
    }

    void fontSizeShrinksAsTheTextGrows()
    {
        QFETCH(int, length);
        QFETCH(int, points);
        QCOMPARE(cellEntry::FontSizeForLength(length), points);
    }

    // A break goes after the third and the sixth position the player left, whatever stood there.
    void layOutDigitsKeepsTheDigitsThreeToALine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("laidOut");
        QTest::newRow("a repeated digit stays") << u"55"_s << u"55"_s;
        QTest::newRow("three digits need no break") << u"123"_s << u"123"_s;
        QTest::newRow("seven digits break after three and six") << u"1234567"_s << u"123\r\n456\r\n7"_s;
        QTest::newRow("a letter after three digits still counts") << u"123x"_s << u"123\r\n"_s;
        QTest::newRow("a letter among the digits shifts the break") << u"12x345"_s << u"12\r\n345"_s;
        QTest::newRow("other scripts' digits are dropped") << u"1\u06622\uFF13"_s << u"12\r\n"_s;
        QTest::newRow("an emoji counts as two positions") << u"1\U0001F6002"_s << u"1\r\n2"_s;
    }

    void layOutDigitsKeepsTheDigitsThreeToALine()
    {
        QFETCH(QString, text);
        QFETCH(QString, laidOut);
        QCOMPARE(cellEntry::LayOutDigits(text), laidOut);
    }
};

QTEST_GUILESS_MAIN(TestCellEntry)
#include "tst_cellEntry.moc"
