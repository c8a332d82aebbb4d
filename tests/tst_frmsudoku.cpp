// Tests of the game window: its layout, start-up, the new-game flow, showing a puzzle and the puzzle clock.
//
// These tests drive the real window on the offscreen platform. The same
// program also runs with QT_SCALE_FACTOR=2 (a second CTest entry): every
// position and size is in device-independent pixels, so the layout tables
// below must hold at any scale, and only the grabbed pixels double.
#include "msgBoxDriver.h"

#include "engine/gridText.h"
#include "engine/modGeneratePuzzle.h"
#include "engine/modGlobal.h"
#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int TwipsPerPixel = 15;

// Left edges of the columns and top edges of the rows of the board, in twips.
constexpr std::array<int, 9> CellEdgeTwips{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600};
constexpr int CellTwips = 780;

// Tab indexes of the cells, row by row from the top, each row from the left.
constexpr std::array<int, 81> CellTabIndex{
    80, 79, 78, 63, 64, 65, 66, 67, 74, //
    77, 76, 75, 68, 69, 70, 71, 72, 73, //
    98, 97, 96, 81, 82, 83, 84, 85, 86, //
    87, 88, 89, 90, 91, 92, 93, 94, 95, //
    62, 61, 60, 59, 58, 57, 56, 55, 54, //
    53, 52, 51, 50, 49, 48, 47, 46, 45, //
    44, 43, 42, 41, 40, 39, 38, 37, 36, //
    35, 34, 33, 32, 31, 30, 29, 28, 27, //
    26, 25, 24, 23, 22, 21, 20, 19, 18,
};

// Failing carve seeds of the carving generator, by level.
const std::vector<int> FailingSeedsLevel1{813};
const std::vector<int> FailingSeedsLevel2{545, 555, 594, 813};
const std::vector<int> FailingSeedsLevel3{125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813};

// A worked example: a key, the solution it builds, and the puzzle that
// carve seed 101 at level 1 makes of it.
constexpr std::string_view ExampleKey = "|538172694|231|312|132213321|321123231|42|";
constexpr std::string_view ExampleSolution = "926475831178963254345821967692718543713254698"
                                             "584639172839542716261397485457186329";
constexpr std::string_view ExamplePuzzle = "906400801178003050345021007602718043000250600"
                                           "580600172839500000261397005407086329";

const QString GameCreatorErrorText = QStringLiteral(
    "There was an error creating your game.  Please click on the Visit Our Site links and go to our contact "
    "form to tell us about it.");

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

int Px(int twips)
{
    return twips / TwipsPerPixel;
}

QRect PxRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

// The scale factor this run was started with.
qreal ExpectedScale()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

// Whether text is a complete grid: 81 digits 1..9, each digit once in every
// row, every column and every 3 x 3 box. Written from the rules, not from
// the engine, so that it can judge the engine's grids.
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

// A scripted general random source: hands out its draws in order and, past
// the end, 0.5 while counting the overrun. Shared, so a test can read how
// many draws the window took after handing a copy of the function over.
struct Script {
    std::vector<float> draws;
    std::size_t taken = 0;
    std::size_t overrun = 0;

    float next()
    {
        if (taken < draws.size()) return draws[taken++];
        ++taken;
        ++overrun;
        return 0.5f;
    }
};

std::function<float()> Source(const std::shared_ptr<Script>& script)
{
    return [script] { return script->next(); };
}

// The draw u that makes floor(899 u) + 101 come out as seed: the middle of its interval.
float SeedDraw(int seed)
{
    return static_cast<float>((seed - 101 + 0.5) / 899.0);
}

// 212 key draws from a fixed generator: any uniform values in [0, 1) will do.
std::vector<float> KeyDraws(unsigned generatorSeed)
{
    std::mt19937 generator(generatorSeed);
    std::vector<float> draws;
    for (int n = 0; n < modGeneratePuzzle::TransformKeyDraws; ++n)
        draws.push_back(static_cast<float>(generator() >> 8) * 0x1p-24f);
    return draws;
}

// Draws that make the key's shuffle of n working entries end as target (a
// permutation of "1".."n"): exchanges of entry r with entry 1 that place each
// digit from the last position down, then exchanges of entry 1 with itself.
void AppendShuffleDraws(std::vector<float>& draws, std::string_view target, int exchanges)
{
    const int n = static_cast<int>(target.size());
    std::string work;
    for (int i = 1; i <= n; ++i) work += static_cast<char>('0' + i);
    std::vector<int> picks;
    auto exchange = [&](int r) {
        std::swap(work[r - 1], work[0]);
        picks.push_back(r);
    };
    for (int i = n; i >= 2; --i) {
        if (work[i - 1] == target[i - 1]) continue;
        if (work[0] != target[i - 1]) exchange(static_cast<int>(work.find(target[i - 1])) + 1);
        exchange(i);
    }
    while (static_cast<int>(picks.size()) < exchanges) picks.push_back(1);
    for (int r : picks) draws.push_back(static_cast<float>((r - 0.5) / n));
}

// The 212 draws whose key is the given one (fields as in a TransformKey).
std::vector<float> DrawsForKey(std::string_view key)
{
    const std::string_view digitMap = key.substr(1, 9);
    const std::string_view bands = key.substr(11, 3);
    const std::string_view stacks = key.substr(15, 3);
    const std::string_view rows = key.substr(19, 9);
    const std::string_view columns = key.substr(29, 9);
    const int turn = key[39] - '0';
    const int mirror = key[40] - '0';

    std::vector<float> draws;
    AppendShuffleDraws(draws, digitMap, 50);
    AppendShuffleDraws(draws, bands, 20);
    AppendShuffleDraws(draws, stacks, 20);
    for (int triple = 0; triple < 3; ++triple) AppendShuffleDraws(draws, rows.substr(triple * 3, 3), 20);
    for (int triple = 0; triple < 3; ++triple) AppendShuffleDraws(draws, columns.substr(triple * 3, 3), 20);
    draws.push_back(static_cast<float>((turn - 0.5) / 4));
    draws.push_back(static_cast<float>((mirror + 0.5) / 3));
    return draws;
}

// The key MakeTransformKey draws from a list of draws.
std::string KeyOf(const std::vector<float>& draws)
{
    std::size_t next = 0;
    return modGeneratePuzzle::MakeTransformKey([&] { return draws.at(next++); });
}

// The puzzle a solution and a carve seed give at a level, by the engine alone.
std::string Carved(std::string solution, int seed, int level)
{
    return modGlobal::CarvePuzzle(solution, seed, level).value_or(std::string());
}

// The board as a puzzle text: a locked one-digit cell shows its digit, any other cell counts as blank.
std::string BoardPuzzle(const frmsudoku& w)
{
    std::string puzzle;
    for (const TextCell* cell : w.tile) {
        const QString& text = cell->text();
        puzzle += cell->locked() && text.size() == 1 ? text[0].toLatin1() : '0';
    }
    return puzzle;
}

// Everything of a cell a player can see or is kept out of.
struct CellLook {
    QString text;
    bool locked;
    QColor back;
    QColor fore;
    bool operator==(const CellLook&) const = default;
};

std::vector<CellLook> BoardLook(const frmsudoku& w)
{
    std::vector<CellLook> look;
    for (const TextCell* cell : w.tile)
        look.push_back({cell->text(), cell->locked(), cell->backColor(), cell->foreColor()});
    return look;
}

// What is wrong with the board as a freshly dealt puzzle of `givens` givens
// under the window's solutionGrid; empty when nothing is.
QString DealtProblem(const frmsudoku& w, int givens)
{
    if (!IsValidSolution(w.solutionGrid))
        return QStringLiteral("solutionGrid is not a complete valid solution: %1")
            .arg(QString::fromStdString(w.solutionGrid));
    int given = 0;
    int open = 0;
    for (int k = 0; k < 81; ++k) {
        const TextCell& cell = *w.tile[k];
        if (cell.locked()) {
            ++given;
            if (cell.text() != QString(QChar::fromLatin1(w.solutionGrid[k])))
                return QStringLiteral("given %1 shows \"%2\", the solution has %3")
                    .arg(k)
                    .arg(cell.text())
                    .arg(QChar::fromLatin1(w.solutionGrid[k]));
            if (cell.backColor() != Black || cell.foreColor() != White)
                return QStringLiteral("given %1 is not white on black").arg(k);
            if (cell.fontSize() != 28)
                return QStringLiteral("given %1 is %2 pt, not 28").arg(k).arg(cell.fontSize());
        } else {
            ++open;
            if (!cell.text().isEmpty()) return QStringLiteral("open cell %1 holds \"%2\"").arg(k).arg(cell.text());
            if (cell.backColor() != White || cell.foreColor() != Black)
                return QStringLiteral("open cell %1 is not black on white").arg(k);
        }
        if (cell.maxLength() != 13) return QStringLiteral("cell %1 takes %2 characters").arg(k).arg(cell.maxLength());
    }
    if (given != givens || open != 81 - givens)
        return QStringLiteral("%1 givens and %2 open cells, expected %3 and %4")
            .arg(given)
            .arg(open)
            .arg(givens)
            .arg(81 - givens);
    return {};
}

// The window as the program starts it.
std::unique_ptr<frmsudoku> Started()
{
    return Module1::SubMain();
}

void SelectLevel(frmsudoku& w, int level)
{
    QRadioButton* option = level == 1 ? w.Option1 : level == 3 ? w.Option3 : w.Option2;
    // Click on the round indicator at the left, where a player aims.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

} // namespace

class TestFrmSudoku : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // Layout.
    void controls_data();
    void controls();
    void rules_data();
    void rules();
    void membersCarryDesignNames();
    void windowFrame();
    void colours_data();
    void colours();
    void cells_data();
    void cells();
    void fontFallback();
    void fontFaceForOsMajor_data();
    void fontFaceForOsMajor();
    void grabMatchesScale();
    void textsFit();
    void tabOrder();
    void optionsAreOneTabStop();

    // Start-up.
    void startUp();
    void windowBackColour();
    void translateColor_data();
    void translateColor();

    // New games.
    void newGameReplacesGameWithoutQuestion();
    void optionAloneChangesNothing();
    void levels_data();
    void levels();
    void scriptedGameIsReproducible();
    void exampleKeyAndSeed();
    void clockSeededSourceRestored();
    void failingSeedIsReplaced_data();
    void failingSeedIsReplaced();
    void allSeedsFailing();

    // Showing a puzzle.
    void showPuzzle();
    void cellPosition_data();
    void cellPosition();
    void cellIndexRoundTrip();

    // The clock.
    void clockCaption_data();
    void clockCaption();
    void tick();
    void clockSaturates();

private:
    // A started window whose clock is stopped, so that its design texts stay.
    std::unique_ptr<frmsudoku> loaded;
    // A window only constructed, never loaded: the design as it stands.
    std::unique_ptr<frmsudoku> designed;
};

void TestFrmSudoku::initTestCase()
{
    Module1::SetApplicationIdentity();
    loaded = Started();
    loaded->Timer1->stop();
    designed = std::make_unique<frmsudoku>();
    designed->Timer1->stop();
}

void TestFrmSudoku::cleanupTestCase()
{
    loaded.reset();
    designed.reset();
}

// ---- Layout -------------------------------------------------------------

void TestFrmSudoku::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("points"); // 0: the control shows no text
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QString>("tip");

    const QString none;
    auto row = [](const char* name, const char* kind, const QString& text, int left, int top, int width, int height,
                  double points, bool bold, bool underline, bool centred, const QString& tip) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << text << left << top << width
                            << height << points << bold << underline << centred << tip;
    };
    row("Label1", "QLabel", "Puzzle Timer", 7680, 240, 3015, 255, 8.25, true, false, true, none);
    row("lblTimer", "QLabel", "00:00 00", 7920, 720, 2535, 255, 12, true, false, true, none);
    row("Label2", "QLabel", "Difficulty Level", 7680, 1560, 3015, 255, 8.25, true, false, true, none);
    row("Option1", "QRadioButton", "Beginner/Easy", 7680, 2160, 3015, 255, 8.25, false, false, false, none);
    row("Option2", "QRadioButton", "Intermediate/Medium", 7680, 2640, 3015, 255, 8.25, false, false, false, none);
    row("Option3", "QRadioButton", "Professional/Hard", 7680, 3120, 3015, 255, 8.25, false, false, false, none);
    row("cmdMathCheck", "QPushButton", "Check Your Progress", 7800, 3840, 2655, 495, 8.25, false, false, false,
        "Checks Your Progress.  Adds 4 seconds to the clock.");
    row("newGame", "QPushButton", "Create New Puzzle", 7800, 4560, 2655, 495, 8.25, false, false, false,
        "Creates A New Puzzle");
    row("cmdQuit", "QPushButton", "Quit", 7800, 5280, 1215, 495, 8.25, false, false, false, "Closes Pellwick Sudoku");
    row("Command4", "QPushButton", "Solve", 9240, 5280, 1215, 495, 8.25, false, false, false, none);
    row("Label3", "QLabel", "Check Progress Legend", 7680, 6240, 3015, 255, 8.25, true, false, true, none);
    row("Label4", "QLabel", none, 7680, 6720, 735, 255, 0, false, false, false, none);
    row("Label6", "QLabel", "= Incorrect Entry", 8640, 6720, 2055, 255, 8.25, false, false, false, none);
    row("Label5", "QLabel", none, 7680, 7200, 735, 255, 0, false, false, false, none);
    row("Label7", "QLabel", "= Correct Entry", 8640, 7200, 2055, 255, 8.25, false, false, false, none);
    row("Label8", "QLabel", "Visit Our Site:", 240, 7560, 1695, 255, 8.25, false, false, false, none);
    row("Label9", "LinkLabel", "Pellwick Software", 2040, 7560, 2175, 255, 8.25, false, true, false, none);
    row("Picture3_0", "LinkPicture", none, 4560, 7560, 240, 240, 0, false, false, false,
        "\"Like\" Pellwick Software.  Visit our Facebook page.");
    row("Picture3_1", "LinkPicture", none, 5040, 7560, 240, 240, 0, false, false, false,
        "Follow Pellwick Software on Twitter");
    row("Picture3_2", "LinkPicture", none, 5520, 7560, 240, 240, 0, false, false, false, "Visit our LinkedIn Profile");
    // The copyright notice's wording is the maker's; it names the maker.
    row("Label11", "QLabel", "Pellwick Software", 1200, 7920, 4815, 255, 8.25, false, false, true, none);
}

void TestFrmSudoku::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(bool, centred);
    QFETCH(QString, tip);

    for (frmsudoku* w : {designed.get(), loaded.get()}) {
        auto* control = w->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        QCOMPARE(control->geometry(), PxRect(left, top, width, height));
        QVERIFY(!control->isHidden());
        QCOMPARE(control->isVisible(), w->isVisible());
        QVERIFY(control->isEnabled());
        QCOMPARE(control->toolTip(), tip);

        QString shown;
        Qt::Alignment alignment;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            shown = label->text();
            alignment = label->alignment();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            shown = button->text();
        }
        if (name == QLatin1String("Label11")) {
            QVERIFY2(shown.contains(text), qPrintable(shown));
        } else {
            QCOMPARE(shown, text);
        }
        if (auto* label = qobject_cast<QLabel*>(control); label && !text.isEmpty())
            QCOMPARE(bool(alignment & Qt::AlignHCenter), centred);

        if (points > 0) {
            const QFont font = control->font();
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.bold(), bold);
            QCOMPARE(font.underline(), underline);
            QCOMPARE(font.families().value(0), QStringLiteral("Verdana"));
        }
    }
}

void TestFrmSudoku::rules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y");

    QTest::newRow("Line1") << "Line1" << 7680 << 10680 << 600;
    QTest::newRow("Line2") << "Line2" << 7680 << 10680 << 1080;
    QTest::newRow("Line3") << "Line3" << 7680 << 10680 << 1920;
    QTest::newRow("Line4") << "Line4" << 7680 << 10680 << 3600;
    QTest::newRow("Line6") << "Line6" << 7680 << 10680 << 6480;
}

void TestFrmSudoku::rules()
{
    QFETCH(QString, name);
    QFETCH(int, x1);
    QFETCH(int, x2);
    QFETCH(int, y);

    auto* rule = loaded->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(rule);
    // A plain one-pixel rule: no subclass, no focus, no text.
    QCOMPARE(QString::fromLatin1(rule->metaObject()->className()), QStringLiteral("QWidget"));
    QCOMPARE(rule->geometry(), QRect(Px(x1), Px(y), Px(x2 - x1), 1));
    QCOMPARE(rule->focusPolicy(), Qt::NoFocus);

    // The player sees a dark line across the whole side panel.
    const QImage shot = loaded->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    for (int x : {Px(x1), (Px(x1) + Px(x2)) / 2, Px(x2) - 1}) {
        const QColor seen = shot.pixelColor(QPoint(int(x * scale), int(Px(y) * scale)));
        QVERIFY2(seen == Black, qPrintable(QStringLiteral("at x %1: %2").arg(x).arg(seen.name())));
    }
}

void TestFrmSudoku::membersCarryDesignNames()
{
    const frmsudoku& w = *loaded;
    const std::vector<std::pair<const char*, QObject*>> members{
        {"Label1", w.Label1},         {"Line1", w.Line1},       {"lblTimer", w.lblTimer}, {"Line2", w.Line2},
        {"Label2", w.Label2},         {"Line3", w.Line3},       {"Option1", w.Option1},   {"Option2", w.Option2},
        {"Option3", w.Option3},       {"Line4", w.Line4},       {"cmdMathCheck", w.cmdMathCheck},
        {"newGame", w.newGame},       {"cmdQuit", w.cmdQuit},   {"Command4", w.Command4}, {"Label3", w.Label3},
        {"Line6", w.Line6},           {"Label4", w.Label4},     {"Label6", w.Label6},     {"Label5", w.Label5},
        {"Label7", w.Label7},         {"Label8", w.Label8},     {"Label9", w.Label9},     {"Picture3_0", w.Picture3[0]},
        {"Picture3_1", w.Picture3[1]}, {"Picture3_2", w.Picture3[2]}, {"Label11", w.Label11}, {"Timer1", w.Timer1},
    };
    for (const auto& [name, member] : members) {
        QVERIFY2(member, name);
        QCOMPARE(member->objectName(), QString::fromLatin1(name));
        QCOMPARE(member->parent(), &w);
    }
    for (int k = 0; k < 81; ++k) {
        QVERIFY(w.tile[k]);
        QCOMPARE(w.tile[k]->objectName(), QStringLiteral("tile_%1").arg(k));
    }
}

void TestFrmSudoku::windowFrame()
{
    frmsudoku& w = *loaded;
    const QSize client(730, 548);
    QCOMPARE(w.size(), client);
    QCOMPARE(w.minimumSize(), client);
    QCOMPARE(w.maximumSize(), client);

    // The player cannot resize it.
    w.resize(900, 700);
    QCOMPARE(w.size(), client);

    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(w.isWindow());
    // Without CustomizeWindowHint the platform would add its default buttons.
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void TestFrmSudoku::colours_data()
{
    QTest::addColumn<int>("xTwips");
    QTest::addColumn<int>("yTwips");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("window, top left corner") << 30 << 30 << White;
    QTest::newRow("window, gap between board and panel") << 7500 << 3000 << White;
    QTest::newRow("window, gap between boxes") << 2520 << 2520 << White;
    QTest::newRow("window, below the board") << 6500 << 7440 << White;
    QTest::newRow("Label1 background") << 7710 << 360 << White;
    QTest::newRow("lblTimer background") << 7950 << 840 << White;
    QTest::newRow("Label4 swatch, incorrect entry") << 8040 << 6840 << QColor(255, 0, 0);
    QTest::newRow("Label5 swatch, correct entry") << 8040 << 7320 << QColor(128, 128, 128);
    QTest::newRow("Label6 background") << 10600 << 6840 << White;
}

void TestFrmSudoku::colours()
{
    QFETCH(int, xTwips);
    QFETCH(int, yTwips);
    QFETCH(QColor, colour);

    const QImage shot = loaded->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    const QColor seen = shot.pixelColor(QPoint(int(Px(xTwips) * scale), int(Px(yTwips) * scale)));
    QCOMPARE(seen.rgb(), colour.rgb());
}

void TestFrmSudoku::cells_data()
{
    QTest::addColumn<int>("index");
    for (int k = 0; k < 81; ++k) QTest::newRow(qPrintable(QStringLiteral("tile_%1").arg(k))) << k;
}

void TestFrmSudoku::cells()
{
    QFETCH(int, index);
    const int row = index / 9;
    const int column = index % 9;
    const QRect expected = PxRect(CellEdgeTwips[column], CellEdgeTwips[row], CellTwips, CellTwips);
    QCOMPARE(expected.size(), QSize(52, 52));

    for (frmsudoku* w : {designed.get(), loaded.get()}) {
        TextCell* cell = w->tile[index];
        QCOMPARE(cell->geometry(), expected);
        QCOMPARE(cell->parentWidget(), w);
        QVERIFY(cell->isEnabled());
        QVERIFY(cell->toolTip().isEmpty());
        QCOMPARE(cell->font().families().value(0), QStringLiteral("Verdana"));
        QVERIFY(cell->font().bold());
    }
    // As designed: empty, white, 27 pt, taking any number of characters.
    TextCell* cell = designed->tile[index];
    QCOMPARE(cell->text(), QString());
    QCOMPARE(cell->backColor(), White);
    QCOMPARE(cell->font().pointSizeF(), 27.0);
    QVERIFY(!cell->locked());
}

void TestFrmSudoku::fontFallback()
{
    // Where Verdana is missing every control falls back to a face every
    // Linux desktop has, and loading the window on Linux keeps the design
    // face first.
    const QStringList families{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    const std::array<QWidget*, 5> rules{loaded->Line1, loaded->Line2, loaded->Line3, loaded->Line4, loaded->Line6};
    for (frmsudoku* w : {designed.get(), loaded.get()}) {
        int checked = 0;
        for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (std::find(rules.begin(), rules.end(), control) != rules.end()) continue;
            if (qobject_cast<LinkPicture*>(control) || control == w->Label4 || control == w->Label5) continue;
            if (control->objectName().startsWith(QLatin1String("Line"))) continue;
            QVERIFY2(control->font().families() == families, qPrintable(control->objectName()));
            ++checked;
        }
        // 9 labels with text, 3 options, 4 buttons, and 81 cells.
        QCOMPARE(checked, 16 + 81);
    }
    QCOMPARE(frmsudoku::OsMajorVersion(), 0);
}

void TestFrmSudoku::fontFaceForOsMajor_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<QString>("face");

    QTest::newRow("no version") << 0 << QString();
    QTest::newRow("4 keeps the design face") << 4 << QString();
    QTest::newRow("5") << 5 << QStringLiteral("Tahoma");
    QTest::newRow("6") << 6 << QStringLiteral("Segoe UI");
    QTest::newRow("10") << 10 << QStringLiteral("Segoe UI");
}

void TestFrmSudoku::fontFaceForOsMajor()
{
    QFETCH(int, major);
    QFETCH(QString, face);
    QCOMPARE(frmsudoku::FontFaceForOsMajor(major), face);
}

void TestFrmSudoku::grabMatchesScale()
{
    const qreal scale = ExpectedScale();
    QCOMPARE(loaded->devicePixelRatioF(), scale);
    const QPixmap shot = loaded->grab();
    QCOMPARE(shot.devicePixelRatio(), scale);
    QCOMPARE(shot.size(), QSize(qRound(730 * scale), qRound(548 * scale)));
    QCOMPARE(loaded->geometry().size(), QSize(730, 548));
}

void TestFrmSudoku::textsFit()
{
    // Nothing a player reads is cut off, at this run's scale.
    const auto labels = loaded->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 11);
    for (const QLabel* label : labels) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics(label->font(), label);
        const int width = metrics.horizontalAdvance(label->text());
        QVERIFY2(width <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("%1: text %2 px wide in %3 px")
                                .arg(label->objectName())
                                .arg(width)
                                .arg(label->contentsRect().width())));
        const int ink = metrics.tightBoundingRect(label->text()).height();
        QVERIFY2(ink <= label->contentsRect().height(),
                 qPrintable(QStringLiteral("%1: text %2 px high in %3 px")
                                .arg(label->objectName())
                                .arg(ink)
                                .arg(label->contentsRect().height())));
    }
    const auto buttons = loaded->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(buttons.size(), 7);
    for (const QAbstractButton* button : buttons) {
        const int wanted = button->sizeHint().width();
        QVERIFY2(wanted <= button->width(),
                 qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                .arg(button->objectName())
                                .arg(wanted)
                                .arg(button->width())));
    }
    // The widest clock a long game shows still fits.
    const QFontMetrics clock(loaded->lblTimer->font(), loaded->lblTimer);
    QVERIFY(clock.horizontalAdvance(QStringLiteral("999:59 59")) <= loaded->lblTimer->width());
}

void TestFrmSudoku::tabOrder()
{
    auto w = Started();
    w->Timer1->stop();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->newGame);

    // Tab indexes 0 newGame, 1 cmdQuit, 2 cmdMathCheck, 4 Option3, 5 Option2,
    // 6 Option1, 17 Command4, then the cells by their own indexes 18..98,
    // then the pictures 99..101 (index 2, 1, 0), and round to newGame.
    // The group of options is one tab stop, at the chosen level (Option2),
    // and the arrow keys move within the group.
    std::vector<QWidget*> expected{w->newGame, w->cmdQuit, w->cmdMathCheck, w->Option2, w->Command4};
    std::vector<int> cells(81);
    for (int k = 0; k < 81; ++k) cells[k] = k;
    std::sort(cells.begin(), cells.end(), [](int a, int b) { return CellTabIndex[a] < CellTabIndex[b]; });
    for (int k : cells) expected.push_back(w->tile[k]);
    expected.push_back(w->Picture3[2]);
    expected.push_back(w->Picture3[1]);
    expected.push_back(w->Picture3[0]);
    expected.push_back(w->newGame);

    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (std::size_t n = 1; n < expected.size(); ++n) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    for (std::size_t n = 0; n < expected.size(); ++n) {
        QWidget* got = visited[n];
        QVERIFY2(got == expected[n],
                 qPrintable(QStringLiteral("stop %1: %2, expected %3")
                                .arg(n)
                                .arg(got ? got->objectName() : QStringLiteral("nothing"))
                                .arg(expected[n]->objectName())));
    }

    // Shift+Tab walks back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w->Picture3[0]);

    // Labels never take the focus.
    for (const QLabel* label : w->findChildren<QLabel*>()) QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestFrmSudoku::optionsAreOneTabStop()
{
    auto w = Started();
    w->Timer1->stop();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const std::string solution = w->solutionGrid;

    w->cmdMathCheck->setFocus();
    QTest::keyClick(w->cmdMathCheck, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Option2);

    // The arrow keys move within the group and choose the option they reach.
    QTest::keyClick(w->Option2, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), w->Option3);
    QVERIFY(w->Option3->isChecked());
    QTest::keyClick(w->Option3, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w->Option2);
    QTest::keyClick(w->Option2, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w->Option1);
    QVERIFY(w->Option1->isChecked());
    QVERIFY(!w->Option2->isChecked() && !w->Option3->isChecked());

    // Tab leaves the group at once, and the group is entered again at the
    // chosen option, from either side; so is it after a mouse click.
    QTest::keyClick(w->Option1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Command4);
    QTest::keyClick(w->Command4, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w->Option1);
    QTest::keyClick(w->Option1, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w->cmdMathCheck);
    QTest::keyClick(w->cmdMathCheck, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Option1);
    QTest::mouseClick(w->Option3, Qt::LeftButton);
    w->cmdMathCheck->setFocus();
    QTest::keyClick(w->cmdMathCheck, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Option3);

    // Choosing a level by keyboard changes the board no more than by mouse.
    QCOMPARE(w->solutionGrid, solution);
}

// ---- Start-up -----------------------------------------------------------

void TestFrmSudoku::startUp()
{
    auto w = Started();
    QCOMPARE(w->windowTitle(), QStringLiteral("Pellwick Sudoku 1.0"));
    QVERIFY(w->isVisible());
    QCOMPARE(w->focusWidget(), w->newGame);
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().isNull());

    if (const QScreen* screen = w->screen()) {
        const QPoint offset = w->frameGeometry().center() - screen->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    QVERIFY(w->Option2->isChecked());
    QVERIFY(!w->Option1->isChecked());
    QVERIFY(!w->Option3->isChecked());
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 1000);
    QCOMPARE(w->elapsedSeconds, 0);
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:00 00"));

    // A level-2 puzzle is already on the board.
    const QString problem = DealtProblem(*w, 30);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(std::count(w->solutionGrid.begin(), w->solutionGrid.end(), '0'), 0);

    // What the player sees: givens black, open cells white.
    const QImage shot = w->grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    for (int k = 0; k < 81; ++k) {
        const QPoint corner = w->tile[k]->geometry().topLeft() + QPoint(4, 4);
        const QColor seen = shot.pixelColor(QPoint(int(corner.x() * scale), int(corner.y() * scale)));
        QCOMPARE(seen.rgb(), (w->tile[k]->locked() ? Black : White).rgb());
    }

    QCOMPARE(QColor(Module1::windowBackRed, Module1::windowBackGreen, Module1::windowBackBlue),
             QGuiApplication::palette().color(QPalette::Base));

    // The clock ticks by itself, once a second.
    QTRY_COMPARE_WITH_TIMEOUT(w->lblTimer->text(), QStringLiteral("00:00 01"), 2500);
    QCOMPARE(w->elapsedSeconds, 1);
}

void TestFrmSudoku::windowBackColour()
{
    const QPalette original = QGuiApplication::palette();
    QPalette pale = original;
    pale.setColor(QPalette::Base, QColor(255, 255, 224));
    QGuiApplication::setPalette(pale);
    Module1::TakeWindowBackColor();
    const std::int16_t red = Module1::windowBackRed;
    const std::int16_t green = Module1::windowBackGreen;
    const std::int16_t blue = Module1::windowBackBlue;
    const std::uint32_t colour = Module1::WindowBackColor();
    QGuiApplication::setPalette(original);
    Module1::TakeWindowBackColor();

    QCOMPARE(red, std::int16_t(255));
    QCOMPARE(green, std::int16_t(255));
    QCOMPARE(blue, std::int16_t(224));
    QCOMPARE(colour, std::uint32_t(0x00E0FFFF));
}

void TestFrmSudoku::translateColor_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<quint32>("expected"); // 0xFFFFFFFF: the palette's Base colour

    QTest::newRow("white") << quint32(0x00FFFFFF) << quint32(0x00FFFFFF);
    QTest::newRow("black") << quint32(0) << quint32(0);
    QTest::newRow("pale yellow") << quint32(0x00E0FFFF) << quint32(0x00E0FFFF);
    QTest::newRow("blue") << quint32(0x00FF0000) << quint32(0x00FF0000);
    QTest::newRow("window background") << quint32(0x80000005) << quint32(0xFFFFFFFF);
    QTest::newRow("unknown system colour 0x50") << quint32(0x80000050) << quint32(0);
    QTest::newRow("unknown system colour 0xFF") << quint32(0x800000FF) << quint32(0);
}

void TestFrmSudoku::translateColor()
{
    QFETCH(quint32, colour);
    QFETCH(quint32, expected);
    if (expected == 0xFFFFFFFF) {
        const QColor base = QGuiApplication::palette().color(QPalette::Base);
        expected = quint32(base.red()) | quint32(base.green()) << 8 | quint32(base.blue()) << 16;
    }
    QCOMPARE(quint32(Module1::TranslateColor(colour, 0)), expected);
}

// ---- New games ----------------------------------------------------------

void TestFrmSudoku::newGameReplacesGameWithoutQuestion()
{
    auto w = Started();
    w->Timer1->stop();

    // The player is in the middle of a game: an entry typed, the clock at 00:05 07.
    int open = 0;
    while (w->tile[open]->locked()) ++open;
    QTest::mouseClick(w->tile[open], Qt::LeftButton);
    QTest::keyClicks(w->tile[open], QStringLiteral("7"));
    QCOMPARE(w->tile[open]->text(), QStringLiteral("7"));
    w->elapsedSeconds = 306;
    w->Timer1_Timer();
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:05 07"));
    const std::string oldSolution = w->solutionGrid;
    const std::vector<CellLook> oldBoard = BoardLook(*w);

    MsgBoxDriver driver; // no answers queued: any box at all is a failure
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QVERIFY(!driver.seen());
    QVERIFY(!QApplication::activeModalWidget());

    QVERIFY(w->isVisible());
    QVERIFY(w->solutionGrid != oldSolution);
    QVERIFY(BoardLook(*w) != oldBoard);
    const QString problem = DealtProblem(*w, 30);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(w->tile[open]->text() != QStringLiteral("7") || w->tile[open]->locked());

    // The clock restarts from 0; its caption follows at the next tick.
    QCOMPARE(w->elapsedSeconds, 0);
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 1000);
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:05 07"));
    w->Timer1_Timer();
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:00 01"));
}

void TestFrmSudoku::optionAloneChangesNothing()
{
    auto w = Started();
    w->Timer1->stop();
    w->elapsedSeconds = 12;
    const std::string solution = w->solutionGrid;
    const std::vector<CellLook> board = BoardLook(*w);

    for (int level : {3, 1, 2, 3}) {
        SelectLevel(*w, level);
        QCOMPARE(w->Option1->isChecked(), level == 1);
        QCOMPARE(w->Option2->isChecked(), level == 2);
        QCOMPARE(w->Option3->isChecked(), level == 3);
        QVERIFY(BoardLook(*w) == board);
        QCOMPARE(w->solutionGrid, solution);
        QCOMPARE(w->elapsedSeconds, 12);
    }
    // The level chosen last applies from the next new game.
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    const QString problem = DealtProblem(*w, 20);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestFrmSudoku::levels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("givens");

    QTest::newRow("Beginner/Easy") << 1 << 50;
    QTest::newRow("Intermediate/Medium") << 2 << 30;
    QTest::newRow("Professional/Hard") << 3 << 20;
}

void TestFrmSudoku::levels()
{
    QFETCH(int, level);
    QFETCH(int, givens);

    frmsudoku& w = *loaded;
    SelectLevel(w, level);
    for (int game = 0; game < 3; ++game) {
        QTest::mouseClick(w.newGame, Qt::LeftButton);
        w.Timer1->stop();
        const QString problem = DealtProblem(w, givens);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(std::count(w.solutionGrid.begin(), w.solutionGrid.end(), '0'), 0);
    }
    SelectLevel(w, 2);
}

void TestFrmSudoku::scriptedGameIsReproducible()
{
    auto w = Started();
    w->Timer1->stop();
    std::vector<float> draws = KeyDraws(2024);
    draws.push_back(SeedDraw(101));

    auto first = std::make_shared<Script>(Script{draws});
    w->setScriptedDraws(Source(first));
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    QCOMPARE(first->taken, draws.size());
    QCOMPARE(first->overrun, std::size_t(0));
    const std::string solution = w->solutionGrid;
    const std::vector<CellLook> board = BoardLook(*w);

    // A different game in between, then the same script again.
    auto other = std::make_shared<Script>(Script{KeyDraws(7)});
    other->draws.push_back(SeedDraw(500));
    w->setScriptedDraws(Source(other));
    w->newGame_Click();
    QVERIFY(w->solutionGrid != solution);

    auto again = std::make_shared<Script>(Script{draws});
    w->setScriptedDraws(Source(again));
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    QCOMPARE(w->solutionGrid, solution);
    QVERIFY(BoardLook(*w) == board);

    // The window draws the key first, then the carve seed.
    const std::string key = KeyOf(draws);
    QCOMPARE(w->solutionGrid, modGeneratePuzzle::BuildSolution(key));
    QCOMPARE(BoardPuzzle(*w), Carved(w->solutionGrid, 101, 2));
    const QString problem = DealtProblem(*w, 30);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestFrmSudoku::exampleKeyAndSeed()
{
    auto w = Started();
    w->Timer1->stop();
    std::vector<float> draws = DrawsForKey(ExampleKey);
    QCOMPARE(draws.size(), std::size_t(212));
    QCOMPARE(KeyOf(draws), std::string(ExampleKey));
    draws.push_back(SeedDraw(101));

    SelectLevel(*w, 1);
    auto script = std::make_shared<Script>(Script{draws});
    w->setScriptedDraws(Source(script));
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    QCOMPARE(script->taken, std::size_t(213));

    QCOMPARE(w->solutionGrid, std::string(ExampleSolution));
    QCOMPARE(BoardPuzzle(*w), std::string(ExamplePuzzle));
    QCOMPARE(w->tile[0]->text(), QStringLiteral("9"));
    QCOMPARE(w->tile[1]->text(), QString());
    QCOMPARE(w->tile[8]->text(), QStringLiteral("1"));
    QCOMPARE(w->tile[80]->text(), QStringLiteral("9"));
    const QString problem = DealtProblem(*w, 50);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestFrmSudoku::clockSeededSourceRestored()
{
    auto w = Started();
    w->Timer1->stop();
    auto script = std::make_shared<Script>(Script{KeyDraws(1)});
    w->setScriptedDraws(Source(script));
    w->newGame_Click();
    const std::size_t taken = script->taken;

    w->setScriptedDraws({});
    w->newGame_Click();
    const std::string first = w->solutionGrid;
    w->newGame_Click();
    QCOMPARE(script->taken, taken);
    QVERIFY(first != w->solutionGrid);
    const QString problem = DealtProblem(*w, 30);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestFrmSudoku::failingSeedIsReplaced_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("seed");

    for (const auto& [level, seeds] : {std::pair{1, FailingSeedsLevel1}, std::pair{2, FailingSeedsLevel2},
                                       std::pair{3, FailingSeedsLevel3}})
        for (int seed : seeds)
            QTest::newRow(qPrintable(QStringLiteral("level %1, seed %2").arg(level).arg(seed))) << level << seed;
}

void TestFrmSudoku::failingSeedIsReplaced()
{
    QFETCH(int, level);
    QFETCH(int, seed);

    // The seed does fail at this level, so the window must draw another.
    std::string grid(gridText::SeedGrid);
    QVERIFY(!modGlobal::CarvePuzzle(grid, seed, level));

    frmsudoku& w = *loaded;
    SelectLevel(w, level);
    std::vector<float> draws = KeyDraws(unsigned(seed * 10 + level));
    draws.push_back(SeedDraw(seed));
    draws.push_back(SeedDraw(101));
    auto script = std::make_shared<Script>(Script{draws});
    w.setScriptedDraws(Source(script));

    MsgBoxDriver driver;
    QTest::mouseClick(w.newGame, Qt::LeftButton);
    w.setScriptedDraws({});
    w.Timer1->stop();
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QVERIFY(!driver.seen());

    QVERIFY(w.isVisible());
    QCOMPARE(script->taken, std::size_t(214));
    QCOMPARE(w.solutionGrid, modGeneratePuzzle::BuildSolution(KeyOf(draws)));
    const std::string board = BoardPuzzle(w);
    QCOMPARE(std::count(board.begin(), board.end(), '0'), std::ptrdiff_t(gridText::BlanksForLevel(level)));
    QCOMPARE(board, Carved(w.solutionGrid, 101, level));
    const QString problem = DealtProblem(w, gridText::GivensForLevel(level));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(w.elapsedSeconds, 0);
    SelectLevel(w, 2);
}

void TestFrmSudoku::allSeedsFailing()
{
    auto w = Started();
    w->Timer1->stop();
    SelectLevel(*w, 3);
    auto good = std::make_shared<Script>(Script{KeyDraws(99)});
    good->draws.push_back(SeedDraw(101));
    w->setScriptedDraws(Source(good));
    w->newGame_Click();
    w->Timer1->stop();
    w->elapsedSeconds = 42;
    w->lblTimer->setText(frmsudoku::ClockCaption(42));
    const std::string solution = w->solutionGrid;
    const std::vector<CellLook> board = BoardLook(*w);

    auto bad = std::make_shared<Script>(Script{KeyDraws(100)});
    for (int n = 0; n < frmsudoku::MaxCarveSeeds; ++n) bad->draws.push_back(SeedDraw(813));
    QCOMPARE(frmsudoku::MaxCarveSeeds, 100);
    w->setScriptedDraws(Source(bad));

    MsgBoxDriver driver;
    driver.answer(QMessageBox::Ok);
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    QVERIFY(driver.waitForAll());
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), qsizetype(1));
    QCOMPARE(driver.title(), QStringLiteral("Game Creator Error"));
    QCOMPARE(driver.text(), GameCreatorErrorText);
    QCOMPARE(driver.icon(), QMessageBox::Warning);
    QCOMPARE(driver.buttons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!QApplication::activeModalWidget());

    // Every seed was tried, and no more.
    QCOMPARE(bad->taken, std::size_t(212 + 100));
    QCOMPARE(bad->overrun, std::size_t(0));

    // The game in progress goes on as it was.
    QVERIFY(w->isVisible());
    QCOMPARE(w->solutionGrid, solution);
    QVERIFY(BoardLook(*w) == board);
    QCOMPARE(w->elapsedSeconds, 42);
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:00 42"));

    // And the next press deals a game again.
    w->setScriptedDraws({});
    QTest::mouseClick(w->newGame, Qt::LeftButton);
    const QString problem = DealtProblem(*w, 20);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// ---- Showing a puzzle ---------------------------------------------------

void TestFrmSudoku::showPuzzle()
{
    auto w = Started();
    w->Timer1->stop();

    // Start from an empty board and leave the player's marks on it.
    const std::string empty(81, '0');
    w->ShowPuzzle(empty);
    for (const TextCell* cell : w->tile) QVERIFY(!cell->locked() && cell->text().isEmpty());
    QTest::keyClicks(w->tile[0], QStringLiteral("12")); // a note, 22 pt, becomes given 9
    QTest::keyClicks(w->tile[1], QStringLiteral("5"));  // an entry, becomes blank
    QTest::keyClicks(w->tile[2], QStringLiteral("3"));  // an entry marked wrong, becomes given 6
    w->tile[2]->setBackColor(QColor(255, 0, 0));
    QTest::keyClicks(w->tile[4], QStringLiteral("8"));  // an entry revealed, stays blank
    w->tile[4]->setBackColor(QColor(255, 255, 192));
    QCOMPARE(w->tile[0]->fontSize(), 22.0);
    QCOMPARE(w->tile[1]->backColor(), QColor(102, 102, 102));

    const std::string puzzle(ExamplePuzzle);
    w->ShowPuzzle(puzzle);

    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) QCOMPARE(int(w->boardDigits[c][r]), puzzle[(r - 1) * 9 + c - 1] - '0');
    for (int k = 0; k < 81; ++k) {
        const TextCell& cell = *w->tile[k];
        const char digit = puzzle[k];
        QCOMPARE(cell.maxLength(), 13);
        if (digit == '0') {
            QCOMPARE(cell.text(), QString());
            QVERIFY(!cell.locked());
            QCOMPARE(cell.backColor(), White);
            QCOMPARE(cell.foreColor(), Black);
        } else {
            QCOMPARE(cell.text(), QString(QChar::fromLatin1(digit)));
            QVERIFY(cell.locked());
            QCOMPARE(cell.backColor(), Black);
            QCOMPARE(cell.foreColor(), White);
        }
    }
    // A new given written into an open cell gets the entry size; a blank too.
    QCOMPARE(w->tile[0]->fontSize(), 28.0);
    QCOMPARE(w->tile[1]->fontSize(), 28.0);
    QCOMPARE(w->tile[8]->text(), QStringLiteral("1"));
    QCOMPARE(w->tile[80]->text(), QStringLiteral("9"));
    QCOMPARE(BoardPuzzle(*w), puzzle);

    // The next puzzle replaces givens and blanks alike.
    std::string next = puzzle;
    std::reverse(next.begin(), next.end());
    w->ShowPuzzle(next);
    QCOMPARE(BoardPuzzle(*w), next);
    for (int k = 0; k < 81; ++k) {
        QCOMPARE(w->tile[k]->locked(), next[k] != '0');
        // A given's digit shows at the entry size, whether the cell held a
        // given or an open cell before.
        if (next[k] != '0') QCOMPARE(w->tile[k]->fontSize(), 28.0);
    }
}

void TestFrmSudoku::cellPosition_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("top left") << 0 << 1 << 1;
    QTest::newRow("top right") << 8 << 9 << 1;
    QTest::newRow("second row") << 9 << 1 << 2;
    QTest::newRow("centre") << 40 << 5 << 5;
    QTest::newRow("bottom left") << 72 << 1 << 9;
    QTest::newRow("bottom right") << 80 << 9 << 9;
}

void TestFrmSudoku::cellPosition()
{
    QFETCH(int, index);
    QFETCH(int, column);
    QFETCH(int, row);

    int c = 0;
    int r = 0;
    frmsudoku::CellPosition(index, c, r);
    QCOMPARE(c, column);
    QCOMPARE(r, row);
    QCOMPARE(frmsudoku::CellIndex(column, row), index);
}

void TestFrmSudoku::cellIndexRoundTrip()
{
    for (int k = 0; k < 81; ++k) {
        int c = 0;
        int r = 0;
        frmsudoku::CellPosition(k, c, r);
        QVERIFY(c >= 1 && c <= 9 && r >= 1 && r <= 9);
        QCOMPARE(frmsudoku::CellIndex(c, r), k);
        // The cell stands where its column and row put it on the board.
        QCOMPARE(loaded->tile[k]->x(), Px(CellEdgeTwips[c - 1]));
        QCOMPARE(loaded->tile[k]->y(), Px(CellEdgeTwips[r - 1]));
    }
}

// ---- The clock ----------------------------------------------------------

void TestFrmSudoku::clockCaption_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("caption");

    QTest::newRow("0") << 0 << "00:00 00";
    QTest::newRow("1") << 1 << "00:00 01";
    QTest::newRow("59") << 59 << "00:00 59";
    QTest::newRow("60") << 60 << "00:01 00";
    QTest::newRow("75") << 75 << "00:01 15";
    QTest::newRow("3599") << 3599 << "00:59 59";
    QTest::newRow("3600") << 3600 << "01:00 00";
    QTest::newRow("3725") << 3725 << "01:02 05";
    QTest::newRow("36000") << 36000 << "10:00 00";
    QTest::newRow("86400, no day rollover") << 86400 << "24:00 00";
    QTest::newRow("360000") << 360000 << "100:00 00";
    QTest::newRow("largest") << std::numeric_limits<std::int32_t>::max() << "596523:14 07";
}

void TestFrmSudoku::clockCaption()
{
    QFETCH(int, seconds);
    QFETCH(QString, caption);
    QCOMPARE(frmsudoku::ClockCaption(seconds), caption);
}

void TestFrmSudoku::tick()
{
    frmsudoku& w = *loaded;
    w.Timer1->stop();
    w.elapsedSeconds = 9;
    w.Timer1_Timer();
    QCOMPARE(w.elapsedSeconds, 10);
    QCOMPARE(w.lblTimer->text(), QStringLiteral("00:00 10"));
    w.elapsedSeconds = 3598;
    w.Timer1_Timer();
    QCOMPARE(w.lblTimer->text(), QStringLiteral("00:59 59"));
    w.Timer1_Timer();
    QCOMPARE(w.elapsedSeconds, 3600);
    QCOMPARE(w.lblTimer->text(), QStringLiteral("01:00 00"));
}

void TestFrmSudoku::clockSaturates()
{
    frmsudoku& w = *loaded;
    w.Timer1->stop();
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    w.elapsedSeconds = largest - 1;
    w.Timer1_Timer();
    QCOMPARE(w.elapsedSeconds, largest);
    QCOMPARE(w.lblTimer->text(), QStringLiteral("596523:14 07"));
    w.Timer1_Timer();
    QCOMPARE(w.elapsedSeconds, largest);
    QVERIFY(w.elapsedSeconds >= 0);
    QCOMPARE(w.lblTimer->text(), QStringLiteral("596523:14 07"));
}

QTEST_MAIN(TestFrmSudoku)
#include "tst_frmsudoku.moc"
