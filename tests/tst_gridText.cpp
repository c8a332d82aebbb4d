// Tests of the grid-text rules: cell numbering, difficulty levels and the seed solution.
#include "engine/gridText.h"

#include <QtTest>

#include <array>
#include <string>
#include <string_view>

namespace {

// Whether text is a complete grid: 81 digits 1..9, each digit once in every
// row, every column and every 3 x 3 box. Written from the rules, not from the
// engine, so that it can judge the engine's grids.
bool IsValidSolution(std::string_view text)
{
    if (text.size() != 81) return false;
    for (int unit = 0; unit < 9; ++unit) {
        std::array<bool, 10> inRow{}, inColumn{}, inBox{};
        for (int i = 0; i < 9; ++i) {
            const int boxRow = unit / 3 * 3 + i / 3;
            const int boxColumn = unit % 3 * 3 + i % 3;
            const char cells[3] = {text[unit * 9 + i], text[i * 9 + unit], text[boxRow * 9 + boxColumn]};
            std::array<bool, 10>* seen[3] = {&inRow, &inColumn, &inBox};
            for (int k = 0; k < 3; ++k) {
                const int d = cells[k] - '0';
                if (d < 1 || d > 9 || (*seen[k])[d]) return false;
                (*seen[k])[d] = true;
            }
        }
    }
    return true;
}

} // namespace

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    void positionRules_data();
    void positionRules();
    void positionRoundTrip();
    void levels_data();
    void levels();
    void seedGridRows();
    void seedGridIsValid();
    void validityHelperRejects_data();
    void validityHelperRejects();
};

void TestGridText::positionRules_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("position 1, top left") << 1 << 1 << 1;
    QTest::newRow("position 9, top right") << 9 << 1 << 9;
    QTest::newRow("position 10, second row starts") << 10 << 2 << 1;
    QTest::newRow("tile 40 is position 41, the centre") << 40 + 1 << 5 << 5;
    QTest::newRow("position 73, bottom left") << 73 << 9 << 1;
    QTest::newRow("position 81, bottom right") << 81 << 9 << 9;
}

void TestGridText::positionRules()
{
    QFETCH(int, position);
    QFETCH(int, row);
    QFETCH(int, column);

    QCOMPARE(gridText::PositionRow(position), row);
    QCOMPARE(gridText::PositionColumn(position), column);
    QCOMPARE(gridText::Position(row, column), position);
}

// Every position is one cell and every cell one position: reading the text
// left to right walks the board row by row.
void TestGridText::positionRoundTrip()
{
    int expected = 1;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column, ++expected) {
            QCOMPARE(gridText::Position(row, column), expected);
            QCOMPARE(gridText::PositionRow(expected), row);
            QCOMPARE(gridText::PositionColumn(expected), column);
        }
    }
    QCOMPARE(expected - 1, gridText::GridLength);
}

void TestGridText::levels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("isLevel");
    QTest::addColumn<int>("givens");
    QTest::addColumn<int>("blanks");

    QTest::newRow("Beginner/Easy") << 1 << true << 50 << 31;
    QTest::newRow("Intermediate/Medium") << 2 << true << 30 << 51;
    QTest::newRow("Professional/Hard") << 3 << true << 20 << 61;
    // Outside 1..3 nothing is blanked, so a stray level can never empty a board.
    QTest::newRow("level 0") << 0 << false << 81 << 0;
    QTest::newRow("level 4") << 4 << false << 81 << 0;
    QTest::newRow("level -1") << -1 << false << 81 << 0;
}

void TestGridText::levels()
{
    QFETCH(int, level);
    QFETCH(bool, isLevel);
    QFETCH(int, givens);
    QFETCH(int, blanks);

    QCOMPARE(gridText::IsDifficultyLevel(level), isLevel);
    QCOMPARE(gridText::GivensForLevel(level), givens);
    QCOMPARE(gridText::BlanksForLevel(level), blanks);
}

void TestGridText::seedGridRows()
{
    const std::array<std::string_view, 9> rows = {
        "157824369", "348695271", "926713845", "632459718", "471386592",
        "589271436", "214567983", "893142657", "765938124",
    };
    QCOMPARE(gridText::SeedGrid.size(), std::size_t{81});
    for (int row = 0; row < 9; ++row)
        QCOMPARE(QString::fromStdString(std::string(gridText::SeedGrid.substr(row * 9, 9))),
                 QString::fromStdString(std::string(rows[row])));
}

void TestGridText::seedGridIsValid()
{
    QVERIFY(IsValidSolution(gridText::SeedGrid));
}

// The helper must catch each kind of broken grid, or the tests that lean on
// it (here and for the generator) would pass on anything.
void TestGridText::validityHelperRejects_data()
{
    QTest::addColumn<QString>("grid");

    const QString seed = QString::fromLatin1(gridText::SeedGrid.data(), gridText::GridLength);

    QTest::newRow("too short") << seed.left(80);
    QTest::newRow("too long") << seed + QLatin1Char('1');
    QTest::newRow("a blank cell") << QString(seed).replace(40, 1, QLatin1Char('0'));
    QTest::newRow("a letter") << QString(seed).replace(0, 1, QLatin1Char('a'));

    // Two cells of row 1 exchanged: rows stay complete, columns break.
    QString swapped = seed;
    std::swap(swapped[0], swapped[1]);
    QTest::newRow("two cells of a row exchanged") << swapped;

    // Rows 1 and 4 exchanged: rows and columns stay complete, boxes break.
    QString rowsSwapped = seed;
    rowsSwapped.replace(0, 9, seed.mid(27, 9)).replace(27, 9, seed.mid(0, 9));
    QTest::newRow("rows of two bands exchanged") << rowsSwapped;

    // Every row the same: rows and boxes' rows fine, columns break.
    QTest::newRow("one row nine times") << QString::fromLatin1("123456789").repeated(9);

    // A Latin square whose rows shift by one: rows and columns complete, boxes not.
    QString latin;
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) latin += QChar(u'1' + (row + column) % 9);
    QTest::newRow("Latin square, not a sudoku") << latin;
}

void TestGridText::validityHelperRejects()
{
    QFETCH(QString, grid);
    QVERIFY(!IsValidSolution(grid.toStdString()));
}

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
