// Tests of the solution grid generator: the transformation key, its draws and its seven steps.
#include "engine/gridText.h"
#include "engine/modGeneratePuzzle.h"
#include "engine/runTimeRandom.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace modGeneratePuzzle;

namespace {

const std::string Seed(gridText::SeedGrid);

// Whether text is a complete grid: 81 digits 1..9, each digit once in every
// row, every column and every 3 x 3 box.
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

bool IsPermutationOf(std::string_view text, std::string_view digits)
{
    std::string sorted(text);
    std::sort(sorted.begin(), sorted.end());
    return sorted == digits;
}

// Checks the key's layout from the outside; returns an empty text when the
// key is well formed and the first thing wrong otherwise.
QString KeyFault(const std::string& key)
{
    if (key.size() != 42) return QStringLiteral("length %1").arg(key.size());
    const QStringList fields = QString::fromStdString(key).split(QLatin1Char('|'));
    if (fields.size() != 8) return QStringLiteral("%1 fields").arg(fields.size());
    if (!fields.front().isEmpty() || !fields.back().isEmpty()) return QStringLiteral("no bar at an end");
    const std::string map = fields[1].toStdString();
    if (!IsPermutationOf(map, "123456789")) return QStringLiteral("digit map ") + fields[1];
    for (int f = 2; f <= 5; ++f) {
        const std::string field = fields[f].toStdString();
        if (field.size() != (f <= 3 ? 3u : 9u)) return QStringLiteral("field %1 length").arg(f);
        for (std::size_t t = 0; t < field.size(); t += 3)
            if (!IsPermutationOf(field.substr(t, 3), "123")) return QStringLiteral("field %1: ").arg(f) + fields[f];
    }
    const QString last = fields[6];
    if (last.size() != 2) return QStringLiteral("turn and mirror ") + last;
    if (last[0] < u'1' || last[0] > u'4') return QStringLiteral("turn digit ") + last;
    if (last[1] < u'0' || last[1] > u'2') return QStringLiteral("mirror digit ") + last;
    return {};
}

std::string MakeKey(std::string_view map, std::string_view bands, std::string_view stacks,
                    std::string_view rows, std::string_view columns, std::string_view turnMirror)
{
    std::string key = "|";
    for (std::string_view field : {map, bands, stacks, rows, columns, turnMirror}) {
        key += field;
        key += '|';
    }
    return key;
}

const std::string IdentityKey = MakeKey("123456789", "123", "123", "123123123", "123123123", "10");

QStringList Rows(const std::string& grid)
{
    QStringList rows;
    for (std::size_t i = 0; i + 9 <= grid.size(); i += 9) rows << QString::fromStdString(grid.substr(i, 9));
    return rows;
}

// A text of 81 different characters, so that any misplaced cell shows.
std::string DistinctText()
{
    std::string text;
    for (int i = 0; i < 81; ++i) text += static_cast<char>('!' + i);
    return text;
}

char Cell(const std::string& grid, int row, int column) { return grid[(row - 1) * 9 + column - 1]; }

// The grid whose cell (r, c) is input cell from(r, c), both 1-based.
std::string MapCells(const std::string& input, const std::function<std::pair<int, int>(int, int)>& from)
{
    std::string out(81, ' ');
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const auto [row, column] = from(r, c);
            out[(r - 1) * 9 + c - 1] = Cell(input, row, column);
        }
    return out;
}

// One counter-clockwise quarter turn as defined: output (k, j) is input (j, 10 - k).
std::string QuarterTurnByDefinition(const std::string& input)
{
    return MapCells(input, [](int k, int j) { return std::pair{j, 10 - k}; });
}

// A source that plays back a script, draw by draw, and counts the draws.
// Draw n (from 1) returns script[n] when set and fallback otherwise.
struct ScriptedSource {
    std::map<int, float> script;
    float fallback = 0.0f;
    int draws = 0;

    float operator()()
    {
        ++draws;
        const auto it = script.find(draws);
        return it == script.end() ? fallback : it->second;
    }
};

constexpr float BelowOne = 0x1.fffffep-1f; // the largest float below 1

} // namespace

class TestModGeneratePuzzle : public QObject {
    Q_OBJECT

private slots:
    void identityKey();
    void singleFieldKeys_data();
    void singleFieldKeys();
    void exampleKey();
    void stepsFollowDefinition_data();
    void stepsFollowDefinition();
    void quarterTurn();
    void rotateGridCountsTurns();
    void stepsIgnoreBadInput_data();
    void stepsIgnoreBadInput();
    void relabelDropsLineBreaks_data();
    void relabelDropsLineBreaks();
    void drawOneTo_data();
    void drawOneTo();
    void scriptedKeys_data();
    void scriptedKeys();
    void hostileDrawsGiveWellFormedKeys_data();
    void hostileDrawsGiveWellFormedKeys();
    void randomKeysGiveValidSolutions();
    void malformedKeys_data();
    void malformedKeys();
};

void TestModGeneratePuzzle::identityKey()
{
    QCOMPARE(IdentityKey.size(), std::size_t{42});
    QCOMPARE(QString::fromStdString(BuildSolution(IdentityKey)), QString::fromStdString(Seed));
}

// Each row changes one field of the identity key; the expected rows are the
// first rows of the result.
void TestModGeneratePuzzle::singleFieldKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("firstRows");

    const auto key = [](std::string_view map, std::string_view bands, std::string_view stacks,
                        std::string_view rows, std::string_view columns, std::string_view turnMirror) {
        return QString::fromStdString(MakeKey(map, bands, stacks, rows, columns, turnMirror));
    };
    QTest::newRow("turn 2") << key("123456789", "123", "123", "123123123", "123123123", "20")
                            << QStringList{"915826374"};
    QTest::newRow("turn 3") << key("123456789", "123", "123", "123123123", "123123123", "30")
                            << QStringList{"421839567"};
    QTest::newRow("mirror 1") << key("123456789", "123", "123", "123123123", "123123123", "11")
                              << QStringList{"963428751"};
    QTest::newRow("mirror 2") << key("123456789", "123", "123", "123123123", "123123123", "12")
                              << QStringList{"765938124"};
    QTest::newRow("digit map 987654321") << key("987654321", "123", "123", "123123123", "123123123", "10")
                                         << QStringList{"953286741"};
    QTest::newRow("band order 312") << key("123456789", "312", "123", "123123123", "123123123", "10")
                                    << QStringList{"214567983"};
    QTest::newRow("stack order 312") << key("123456789", "123", "312", "123123123", "123123123", "10")
                                     << QStringList{"369157824"};
    QTest::newRow("row orders 213123123") << key("123456789", "123", "123", "213123123", "123123123", "10")
                                          << QStringList{"348695271", "157824369"};
    QTest::newRow("column orders 213123123") << key("123456789", "123", "123", "123123123", "213123123", "10")
                                             << QStringList{"517824369"};
}

void TestModGeneratePuzzle::singleFieldKeys()
{
    QFETCH(QString, key);
    QFETCH(QStringList, firstRows);

    const std::string solution = BuildSolution(key.toStdString());
    QCOMPARE(Rows(solution).mid(0, firstRows.size()), firstRows);
    QVERIFY(IsValidSolution(solution));
}

void TestModGeneratePuzzle::exampleKey()
{
    const std::string key = MakeKey("538172694", "231", "312", "132213321", "321123231", "42");
    QCOMPARE(key.size(), std::size_t{42});
    const QStringList expected = {"926475831", "178963254", "345821967", "692718543", "713254698",
                                  "584639172", "839542716", "261397485", "457186329"};
    QCOMPARE(Rows(BuildSolution(key)), expected);
}

// Each step, applied to a text of 81 different characters, must move every
// cell where the step's definition puts it.
void TestModGeneratePuzzle::stepsFollowDefinition_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("field");

    std::string triple = "123";
    do {
        QTest::addRow("bands %s", triple.c_str()) << "bands" << QString::fromStdString(triple);
        QTest::addRow("stacks %s", triple.c_str()) << "stacks" << QString::fromStdString(triple);
    } while (std::next_permutation(triple.begin(), triple.end()));
    // Different triples per band or stack catch a step that reads the wrong triple.
    for (const char* orders : {"123123123", "231312132", "321213312", "132321213"}) {
        QTest::addRow("rows %s", orders) << "rows" << orders;
        QTest::addRow("columns %s", orders) << "columns" << orders;
    }
    for (const char* turn : {"1", "2", "3", "4"}) QTest::addRow("turn %s", turn) << "turn" << turn;
    for (const char* mirror : {"0", "1", "2"}) QTest::addRow("mirror %s", mirror) << "mirror" << mirror;
}

void TestModGeneratePuzzle::stepsFollowDefinition()
{
    QFETCH(QString, step);
    QFETCH(QString, field);

    const std::string input = DistinctText();
    const std::string f = field.toStdString();
    const auto digit = [&f](int i) { return f[i] - '0'; }; // i from 0
    // Within band (or stack) b, old row (or column) of the j-th entry, all 1-based.
    const auto inBand = [&digit](int line) {
        const int b = (line - 1) / 3, j = (line - 1) % 3;
        return b * 3 + digit(b * 3 + j);
    };

    std::string expected, actual;
    if (step == u"bands") {
        expected = MapCells(input, [&](int r, int c) {
            return std::pair{(digit((r - 1) / 3) - 1) * 3 + (r - 1) % 3 + 1, c};
        });
        actual = PermuteBands(input, f);
    } else if (step == u"stacks") {
        expected = MapCells(input, [&](int r, int c) {
            return std::pair{r, (digit((c - 1) / 3) - 1) * 3 + (c - 1) % 3 + 1};
        });
        actual = PermuteStacks(input, f);
    } else if (step == u"rows") {
        expected = MapCells(input, [&](int r, int c) { return std::pair{inBand(r), c}; });
        actual = PermuteRowsInBands(input, f);
    } else if (step == u"columns") {
        expected = MapCells(input, [&](int r, int c) { return std::pair{r, inBand(c)}; });
        actual = PermuteColumnsInStacks(input, f);
    } else if (step == u"turn") {
        expected = input;
        for (int n = 1; n < digit(0); ++n) expected = QuarterTurnByDefinition(expected);
        actual = RotateGrid(input, digit(0));
    } else if (step == u"mirror") {
        const int mirror = digit(0);
        expected = MapCells(input, [mirror](int r, int c) {
            if (mirror == 1) return std::pair{r, 10 - c};
            if (mirror == 2) return std::pair{10 - r, c};
            return std::pair{r, c};
        });
        actual = MirrorGrid(input, mirror);
    } else {
        QFAIL("unknown step in the table");
    }
    QCOMPARE(QString::fromStdString(actual), QString::fromStdString(expected));
}

void TestModGeneratePuzzle::quarterTurn()
{
    const std::string input = DistinctText();
    const std::string once = RotateQuarterTurn(input);
    QCOMPARE(QString::fromStdString(once), QString::fromStdString(QuarterTurnByDefinition(input)));
    // The old right-hand column, top to bottom, is the new top row.
    for (int j = 1; j <= 9; ++j) QCOMPARE(Cell(once, 1, j), Cell(input, j, 9));

    for (const std::string& grid : {input, Seed}) {
        std::string turned = grid;
        for (int n = 1; n <= 4; ++n) {
            turned = RotateQuarterTurn(turned);
            QCOMPARE(turned == grid, n == 4);
        }
    }
}

void TestModGeneratePuzzle::rotateGridCountsTurns()
{
    const std::string input = DistinctText();
    std::string turned = input;
    for (int t = 1; t <= 4; ++t) {
        QCOMPARE(QString::fromStdString(RotateGrid(input, t)), QString::fromStdString(turned));
        turned = RotateQuarterTurn(turned);
    }
}

// A field a step cannot use, or a text that is not a grid, comes back as it was.
void TestModGeneratePuzzle::stepsIgnoreBadInput_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("field");

    const QString seed = QString::fromStdString(Seed);
    const QString shortGrid = seed.left(80);
    const QString longGrid = seed + u'1';

    for (const char* step : {"bands", "stacks"}) {
        for (const char* bad : {"", "12", "1234", "112", "120", "124", "abc", "1 2", "-12"})
            QTest::addRow("%s field '%s'", step, bad) << step << seed << bad;
        QTest::addRow("%s short grid", step) << step << shortGrid << "312";
        QTest::addRow("%s long grid", step) << step << longGrid << "312";
        QTest::addRow("%s empty grid", step) << step << QString() << "312";
    }
    for (const char* step : {"rows", "columns"}) {
        for (const char* bad : {"", "123", "12312312", "1231231231", "123123122", "123456789", "312312x12"})
            QTest::addRow("%s field '%s'", step, bad) << step << seed << bad;
        QTest::addRow("%s short grid", step) << step << shortGrid << "213123123";
        QTest::addRow("%s long grid", step) << step << longGrid << "213123123";
    }
    for (const char* bad : {"", "12345678", "1234567890", "112345678", "023456789", "abcdefghi", "12345678:"})
        QTest::addRow("relabel map '%s'", bad) << "relabel" << seed << bad;
    for (const char* bad : {"0", "5", "-1", "200"})
        QTest::addRow("turn %s", bad) << "turn" << seed << bad;
    for (const char* bad : {"3", "-1", "99"})
        QTest::addRow("mirror %s", bad) << "mirror" << seed << bad;
    QTest::newRow("turn short grid") << "turn" << shortGrid << "2";
    QTest::newRow("quarter turn short grid") << "quarter" << shortGrid << "";
    QTest::newRow("quarter turn long grid") << "quarter" << longGrid << "";
    QTest::newRow("mirror short grid") << "mirror" << shortGrid << "1";
    QTest::newRow("mirror long grid") << "mirror" << longGrid << "2";
}

void TestModGeneratePuzzle::stepsIgnoreBadInput()
{
    QFETCH(QString, step);
    QFETCH(QString, grid);
    QFETCH(QString, field);

    const std::string g = grid.toStdString();
    const std::string f = field.toStdString();
    std::string actual;
    if (step == u"bands") actual = PermuteBands(g, f);
    else if (step == u"stacks") actual = PermuteStacks(g, f);
    else if (step == u"rows") actual = PermuteRowsInBands(g, f);
    else if (step == u"columns") actual = PermuteColumnsInStacks(g, f);
    else if (step == u"relabel") actual = RelabelDigits(g, f);
    else if (step == u"turn") actual = RotateGrid(g, field.toInt());
    else if (step == u"quarter") actual = RotateQuarterTurn(g);
    else if (step == u"mirror") actual = MirrorGrid(g, field.toInt());
    else QFAIL("unknown step in the table");
    QCOMPARE(QString::fromStdString(actual), grid);
}

// Line breaks between the digits must not shift a single cell.
void TestModGeneratePuzzle::relabelDropsLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("map");

    std::string rowBreaks, cellBreaks, edgeBreaks = "\r\n";
    for (int i = 0; i < 81; ++i) {
        rowBreaks += Seed[i];
        if (i % 9 == 8 && i < 80) rowBreaks += "\r\n";
        cellBreaks += Seed[i];
        if (i < 80) cellBreaks += "\r\n\r\n";
    }
    edgeBreaks += Seed + "\r\n";

    for (const char* map : {"123456789", "987654321", "538172694"}) {
        QTest::addRow("after each row, map %s", map) << QString::fromStdString(rowBreaks) << map;
        QTest::addRow("two after each digit, map %s", map) << QString::fromStdString(cellBreaks) << map;
        QTest::addRow("at both ends, map %s", map) << QString::fromStdString(edgeBreaks) << map;
    }
}

void TestModGeneratePuzzle::relabelDropsLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, map);

    const std::string withBreaks = RelabelDigits(text.toStdString(), map.toStdString());
    const std::string without = RelabelDigits(Seed, map.toStdString());
    QCOMPARE(withBreaks.size(), std::size_t{81});
    QCOMPARE(QString::fromStdString(withBreaks), QString::fromStdString(without));
    // Digit d becomes the d-th character of the map.
    for (int i = 0; i < 81; ++i) QCOMPARE(withBreaks[i], map.toStdString()[Seed[i] - '1']);
}

void TestModGeneratePuzzle::drawOneTo_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");

    QTest::newRow("0 of 9") << 0.0f << 9 << 1;
    QTest::newRow("just below 1/9") << std::nextafter(1.0f / 9, 0.0f) << 9 << 1;
    QTest::newRow("0.5 of 9") << 0.5f << 9 << 5;
    QTest::newRow("largest below 1, of 9") << BelowOne << 9 << 9;
    QTest::newRow("just below 0.25, of 4") << std::nextafter(0.25f, 0.0f) << 4 << 1;
    QTest::newRow("0.25 of 4") << 0.25f << 4 << 2;
    QTest::newRow("0.75 of 4") << 0.75f << 4 << 4;
    // In single precision 4u + 1 rounds up to 5 here; the draw must still be 4.
    QTest::newRow("largest below 1, of 4") << BelowOne << 4 << 4;
    QTest::newRow("largest below 1, of 3") << BelowOne << 3 << 3;
    QTest::newRow("0.5 of 3") << 0.5f << 3 << 2;
    QTest::newRow("1.0 is held to n") << 1.0f << 9 << 9;
    QTest::newRow("2.0 is held to n") << 2.0f << 3 << 3;
    QTest::newRow("infinity is held to n") << std::numeric_limits<float>::infinity() << 4 << 4;
    QTest::newRow("-0.0 gives 1") << -0.0f << 9 << 1;
    QTest::newRow("negative gives 1") << -0.5f << 9 << 1;
    QTest::newRow("-infinity gives 1") << -std::numeric_limits<float>::infinity() << 9 << 1;
    QTest::newRow("NaN gives 1") << std::numeric_limits<float>::quiet_NaN() << 9 << 1;
}

void TestModGeneratePuzzle::drawOneTo()
{
    QFETCH(float, u);
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(DrawOneTo(u, n), expected);
}

// Keys from scripted draws. Unscripted draws return the fallback; 0 draws
// r = 1, which exchanges the first entry with itself, so a single scripted
// draw shows which field it decides.
void TestModGeneratePuzzle::scriptedKeys_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<float>("fallback");
    QTest::addColumn<QString>("key");

    const auto key = [](std::string_view map, std::string_view bands, std::string_view stacks,
                        std::string_view rows, std::string_view columns, std::string_view turnMirror) {
        return QString::fromStdString(MakeKey(map, bands, stacks, rows, columns, turnMirror));
    };
    const QString identity = QString::fromStdString(IdentityKey);

    QTest::newRow("all draws 0") << QList<int>{} << QList<float>{} << 0.0f << identity;

    // Draw order 50 / 20 / 20 / 60 / 60 / 1 / 1: 0.5 draws r = 5 of 9 and r = 2
    // of 3, so one draw exchanges entry 5 (or 2) with entry 1 in its field only.
    struct Block { int first, last; QString key; };
    const Block blocks[] = {
        {1, 50, key("523416789", "123", "123", "123123123", "123123123", "10")},
        {51, 70, key("123456789", "213", "123", "123123123", "123123123", "10")},
        {71, 90, key("123456789", "123", "213", "123123123", "123123123", "10")},
        {91, 110, key("123456789", "123", "123", "213123123", "123123123", "10")},
        {111, 130, key("123456789", "123", "123", "123213123", "123123123", "10")},
        {131, 150, key("123456789", "123", "123", "123123213", "123123123", "10")},
        {151, 170, key("123456789", "123", "123", "123123123", "213123123", "10")},
        {171, 190, key("123456789", "123", "123", "123123123", "123213123", "10")},
        {191, 210, key("123456789", "123", "123", "123123123", "123123213", "10")},
        {211, 211, key("123456789", "123", "123", "123123123", "123123123", "30")},
        {212, 212, key("123456789", "123", "123", "123123123", "123123123", "11")},
    };
    for (const Block& block : blocks)
        for (int draw : {block.first, block.last})
            QTest::addRow("draw %d decides", draw) << QList<int>{draw} << QList<float>{0.5f} << 0.0f << block.key;

    // Exchange with the first entry, 50 times for nine digits and 20 per
    // triple: an even number of exchanges of the same pair undo each other,
    // so one exchange more or fewer would show.
    QTest::newRow("all draws 0.999") << QList<int>{} << QList<float>{} << 0.999f
                                     << key("123456789", "123", "123", "123123123", "123123123", "42");
    QTest::newRow("all draws largest below 1") << QList<int>{} << QList<float>{} << BelowOne
                                               << key("123456789", "123", "123", "123123123", "123123123", "42");
    // By hand: r = 2, 3, 4 exchange with entry 1: 213..., 312..., 412356789
    // (a Fisher-Yates shuffle fed the same draws would not). Then r = 2, 3 in
    // the band order: 213, 312. Every order starts afresh from 1, 2, 3.
    QTest::newRow("hand-computed exchanges") << QList<int>{1, 2, 3, 51, 52} << QList<float>{0.15f, 0.25f, 0.35f, 0.4f, 0.7f}
                                             << 0.0f << key("412356789", "312", "123", "123123123", "123123123", "10");
    // An odd number of exchanges with the same entry leaves it exchanged.
    QTest::newRow("odd number of exchanges in a triple") << QList<int>{191, 192, 193} << QList<float>{0.7f, 0.7f, 0.7f}
                                                      << 0.0f << key("123456789", "123", "123", "123123123", "123123321", "10");

    // The turn and mirror digits at their thresholds.
    const struct { float turn, mirror; const char* digits; } ends[] = {
        {std::nextafter(0.25f, 0.0f), std::nextafter(1.0f / 3, 0.0f), "10"},
        {0.25f, 0.34f, "21"},
        {0.5f, std::nextafter(2.0f / 3, 1.0f), "32"},
        {0.75f, BelowOne, "42"},
    };
    for (const auto& end : ends)
        QTest::addRow("turn and mirror %s", end.digits)
            << QList<int>{211, 212} << QList<float>{end.turn, end.mirror} << 0.0f
            << key("123456789", "123", "123", "123123123", "123123123", end.digits);
}

void TestModGeneratePuzzle::scriptedKeys()
{
    QFETCH(QList<int>, draws);
    QFETCH(QList<float>, values);
    QFETCH(float, fallback);
    QFETCH(QString, key);

    ScriptedSource source;
    source.fallback = fallback;
    for (qsizetype i = 0; i < draws.size(); ++i) source.script[draws[i]] = values[i];

    const std::string made = MakeTransformKey(source);
    QCOMPARE(source.draws, 212);
    QCOMPARE(QString::fromStdString(made), key);
}

// Whatever a source returns, the key keeps its form, so BuildSolution always
// gets fields it can use.
void TestModGeneratePuzzle::hostileDrawsGiveWellFormedKeys_data()
{
    QTest::addColumn<QList<float>>("cycle");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("0.0") << QList<float>{0.0f};
    QTest::newRow("largest below 1") << QList<float>{BelowOne};
    QTest::newRow("1.0") << QList<float>{1.0f};
    QTest::newRow("NaN") << QList<float>{nan};
    QTest::newRow("-0.0") << QList<float>{-0.0f};
    QTest::newRow("-1.0") << QList<float>{-1.0f};
    QTest::newRow("smallest subnormal") << QList<float>{std::numeric_limits<float>::denorm_min()};
    QTest::newRow("infinity") << QList<float>{inf};
    QTest::newRow("-infinity") << QList<float>{-inf};
    QTest::newRow("huge") << QList<float>{3.0e38f};
    QTest::newRow("mixed") << QList<float>{nan, 1.0f, -1.0f, BelowOne, inf, 0.5f, -inf, 7.0f};
}

void TestModGeneratePuzzle::hostileDrawsGiveWellFormedKeys()
{
    QFETCH(QList<float>, cycle);

    int draws = 0;
    const std::string key = MakeTransformKey([&] { return cycle[draws++ % cycle.size()]; });
    QCOMPARE(draws, 212);
    QCOMPARE(KeyFault(key), QString());
    QVERIFY(IsValidSolution(BuildSolution(key)));
}

// Many keys from the game's own source: every key well formed, every
// solution valid, and the keys really vary.
void TestModGeneratePuzzle::randomKeysGiveValidSolutions()
{
    std::set<std::string> solutions;
    std::set<char> turns, mirrors;
    for (std::uint64_t seed : {1u, 2u, 3u, 20240u}) {
        RunTimeRandom rnd;
        rnd.Seed(seed);
        for (int n = 0; n < 5000; ++n) {
            const std::string key = MakeTransformKey(rnd);
            const QString fault = KeyFault(key);
            if (!fault.isEmpty()) QFAIL(qPrintable(QString::fromStdString(key) + u' ' + fault));
            const std::string solution = BuildSolution(key);
            if (!IsValidSolution(solution))
                QFAIL(qPrintable(QStringLiteral("invalid solution from key ") + QString::fromStdString(key)));
            solutions.insert(solution);
            turns.insert(key[39]);
            mirrors.insert(key[40]);
        }
    }
    QVERIFY2(solutions.size() > 19900, qPrintable(QString::number(solutions.size())));
    QVERIFY(turns == (std::set<char>{'1', '2', '3', '4'}));
    QVERIFY(mirrors == (std::set<char>{'0', '1', '2'}));
}

// A key that only MakeTransformKey should make can still be wrong; the result
// is then a grid of 81 cells, and still a valid one, since each step either
// applies a proper permutation or leaves the grid alone.
void TestModGeneratePuzzle::malformedKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("firstRow");

    const QString seedRow = QStringLiteral("157824369");
    QTest::newRow("empty") << QString() << seedRow;
    QTest::newRow("one bar") << "|" << seedRow;
    QTest::newRow("bars only") << "||||||||" << seedRow;
    QTest::newRow("no bars") << "garbage" << seedRow;
    QTest::newRow("short digit map") << "|12345678|123|123|123123123|123123123|10|" << seedRow;
    QTest::newRow("digit map not a permutation") << "|112345678|123|123|123123123|123123123|10|" << seedRow;
    QTest::newRow("digit map with 0") << "|012345678|123|123|123123123|123123123|10|" << seedRow;
    QTest::newRow("only the digit map usable") << "|987654321|1|1|1|1|1|" << "953286741";
    QTest::newRow("short band order") << "|123456789|12|123|123123123|123123123|10|" << seedRow;
    QTest::newRow("band order repeats") << "|123456789|113|123|123123123|123123123|10|" << seedRow;
    QTest::newRow("stack order with 4") << "|123456789|123|124|123123123|123123123|10|" << seedRow;
    QTest::newRow("row orders not permutations") << "|123456789|123|123|112123123|123123123|10|" << seedRow;
    QTest::newRow("column orders too long") << "|123456789|123|123|123123123|1231231230|10|" << seedRow;
    QTest::newRow("turn and mirror missing") << "|123456789|123|123|123123123|123123123|" << seedRow;
    QTest::newRow("turn and mirror one digit") << "|123456789|123|123|123123123|123123123|2|" << seedRow;
    QTest::newRow("turn and mirror three digits") << "|123456789|123|123|123123123|123123123|201|" << seedRow;
    QTest::newRow("turn 0") << "|123456789|123|123|123123123|123123123|00|" << seedRow;
    QTest::newRow("turn 5, mirror 7") << "|123456789|123|123|123123123|123123123|57|" << seedRow;
    QTest::newRow("turn 2, mirror x") << "|123456789|123|123|123123123|123123123|2x|" << "915826374";
    QTest::newRow("turn x, mirror 1") << "|123456789|123|123|123123123|123123123|x1|" << "963428751";
    QTest::newRow("no leading bar") << "123456789|123|123|123123123|123123123|20" << seedRow;
    QTest::newRow("all 9s and 3s") << "|999999999|333|333|333333333|333333333|99|" << seedRow;
    QTest::newRow("extra fields") << "|987654321|123|123|123123123|123123123|10|x|y|z|" << "953286741";
    QTest::newRow("very long") << QString(10000, u'|') + QString(10000, u'9') << seedRow;
    QTest::newRow("control characters")
        << QStringLiteral("|\r\n\t") + QChar(0) + QStringLiteral("\x7f|\u00ff|\u0080|") << seedRow;
}

void TestModGeneratePuzzle::malformedKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, firstRow);

    const std::string solution = BuildSolution(key.toStdString());
    QCOMPARE(solution.size(), std::size_t{81});
    QVERIFY(IsValidSolution(solution));
    QCOMPARE(QString::fromStdString(solution.substr(0, 9)), firstRow);
}

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
