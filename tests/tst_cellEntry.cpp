// Tests of the text work of the cell entry rules: line breaks, font sizes and the note layout.
#include "window/cellEntry.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestCellEntry : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        // A cell's text just after the player's change, then its font size
        // (from the length without CR LF pairs) and its digits laid out.
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("result");
        QTest::newRow("55 keeps the repeat") << u"55"_s << u"22pt 55"_s;
        QTest::newRow("letter after 123") << u"123x"_s << u"8pt 123\r\n"_s;
        QTest::newRow("letter between 2 and 3") << u"12x3\r\n45"_s << u"8pt 12\r\n345"_s;
        QTest::newRow("lone CR and LF kept, then dropped") << u"1\r2\n"_s << u"8pt 12\r\n"_s;
        QTest::newRow("one pass only") << u"\r\r\n\n"_s << u"22pt "_s;
        QTest::newRow("other scripts' digits dropped") << u"1\u06622\uFF13"_s << u"8pt 12\r\n"_s;
        QTest::newRow("emoji is two positions") << u"1\U0001F6002"_s << u"8pt 1\r\n2"_s;
    }

    void rules()
    {
        QFETCH(QString, cellText);
        QFETCH(QString, result);
        const QString joined = cellEntry::RemoveLineBreaks(cellText);
        QCOMPARE(u"%1pt "_s.arg(cellEntry::FontSizeForLength(joined.size())) + cellEntry::LayOutDigits(joined), result);
    }
};

QTEST_GUILESS_MAIN(TestCellEntry)
#include "tst_cellEntry.moc"
