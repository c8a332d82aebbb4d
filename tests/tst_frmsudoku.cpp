// Tests of the game window: its texts and board, new games and the clock, and how it looks on a dark desktop. Also
// run at QT_SCALE_FACTOR=2, where the board's places must stay the same in device-independent pixels.
#include "gameFixture.h"
#include "gridText.h"
#include "modDialogs.h"
#include "modGlobal.h"
#include "msgBoxDriver.h"

#include <QRadioButton>

using namespace gameFixture;

namespace {

// A rectangle in twips, in pixels: every place in the window is a whole number of pixels.
QRect Pixels(QRect twips) { return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15}; }

// The puzzle dealt, written as the puzzles are: a 0 for each empty cell. How a dealt board looks, givens locked
// white on black, is tst_textCell's newPuzzleLeavesNothingOfTheOldGame.
QString Dealt(const frmsudoku& w)
{
    QString digits;
    for (const Look& cell : Board(w)) digits += cell.text.isEmpty() ? QStringLiteral("0") : cell.text;
    return digits;
}

// Chooses a level with a click on its option; a click where Qt draws the option is Qt's own business.
void Choose(const frmsudoku& w, int level)
{
    w.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(level))->click();
}

// A game under way in the first puzzle: an entry typed in cell 1, which is open, and the clock at 00:05 07.
void PlayFiveSeconds(frmsudoku& w)
{
    QTest::keyClicks(TestAccess::tile(w, 1), "7");
    TestAccess::setElapsedSeconds(w, 306);
    TestAccess::tick(w);
}

} // namespace

class TestFrmSudoku : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;

private slots:
    void init()
    {
        w = Started();
        // The fixture stops the clock; once a new game starts it, no tick of its own lands while a test reads it.
        TestAccess::timer(*w)->setInterval(3'600'000);
    }

    // The English texts, to the last blank.
    void showsEachControlsTextAndTooltip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        auto row = [](const char* tag, const char* text, const char* tip = "") {
            QTest::newRow(tag) << QString(tag).section(u',', 0, 0) << text << tip;
        };
        row("Label1, the clock's heading", "Puzzle Timer");
        row("Label2, the levels' heading", "Difficulty Level");
        row("Option1, the easy level", "Beginner/Easy");
        row("Option2, the medium level", "Intermediate/Medium");
        row("Option3, the hard level", "Professional/Hard");
        row("cmdMathCheck, the progress check", "Check Your Progress",
            "Checks Your Progress.  Adds 4 seconds to the clock.");
        row("newGame, the new puzzle button", "Create New Puzzle", "Creates A New Puzzle");
        row("cmdQuit, the quit button", "Quit", "Closes Pellwick Sudoku");
        row("Command4, the solve button", "Solve");
        row("Label3, the legend's heading", "Check Progress Legend");
        row("Label6, the red swatch's meaning", "= Incorrect Entry");
        row("Label7, the grey swatch's meaning", "= Correct Entry");
        row("Label8, the site link's lead-in", "Visit Our Site:");
        row("Label9, the site link", "Pellwick Software");
        row("Picture3_0, the Facebook link", "", "\"Like\" Pellwick Software.  Visit our Facebook page.");
        row("Picture3_1, the Twitter link", "", "Follow Pellwick Software on Twitter");
        row("Picture3_2, the LinkedIn link", "", "Visit our LinkedIn Profile");
        row("Label11, the copyright notice", "Copyright \u00A9 2026 Pellwick Software");
    }

    void showsEachControlsTextAndTooltip()
    {
        QFETCH(QString, name);
        const QWidget* control = Find(*w, name);
        QTEST(control->property("text").toString(), "text");
        QTEST(control->toolTip(), "tip");
    }

    // Cells of a box touch; a 120-twip gap separates neighbouring boxes. A wrong cell shows as its rectangle.
    void placesEveryCellOnTheBoard()
    {
        const int edges[9]{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600};
        for (int index = 0; index < 81; ++index)
            QCOMPARE(TestAccess::tile(*w, index)->geometry(), Pixels({edges[index % 9], edges[index / 9], 780, 780}));
    }

    void opensAtAFixedSizeWithOnlyACloseButton()
    {
        QCOMPARE(w->windowTitle(), "Pellwick Sudoku 1.0");
        QCOMPARE(w->size(), QSize(730, 548));
        QCOMPARE(w->maximumSize(), w->minimumSize());
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), false);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), false);
    }

    // From the focus at start round to it again; the options are one stop, at the chosen level (medium, at start).
    // The cells' stops, row by row, are not in reading order.
    void tabVisitsEveryStopInOrder()
    {
        const QList<int> cellStops{
            80, 79, 78, 63, 64, 65, 66, 67, 74, 77, 76, 75, 68, 69, 70, 71, 72, 73, 98, 97, 96, 81, 82, 83, 84, 85, 86,
            87, 88, 89, 90, 91, 92, 93, 94, 95, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45,
            44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18,
        };
        QStringList expected{"newGame", "cmdQuit", "cmdMathCheck", "Option2", "Command4"};
        for (int stop = 18; stop <= 98; ++stop) expected << QStringLiteral("tile_%1").arg(cellStops.indexOf(stop));
        expected += QStringList{"Picture3_2", "Picture3_1", "Picture3_0", "newGame"};
        const auto focus = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; };
        QStringList seen{focus()};
        while (seen.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focus();
        }
        QCOMPARE(seen, expected);
    }

    // Each row's seed fails at its level and at no easier one, so a new game at another level would deal it.
    void newGameDealsAtTheLevelChosenRetryingFailingCarveSeeds_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("failingSeed");
        QTest::newRow("easy, after seed 813 fails") << 1 << 813;
        QTest::newRow("medium, after seed 545 fails") << 2 << 545;
        QTest::newRow("hard, after seed 125 fails") << 3 << 125;
    }

    // Mid-game, a level chosen changes nothing until Create New Puzzle, which asks nothing and starts the clock
    // again; a carve seed that makes no puzzle at the level is passed over for the next, with the same key.
    void newGameDealsAtTheLevelChosenRetryingFailingCarveSeeds()
    {
        QFETCH(int, level);
        QFETCH(int, failingSeed);
        PlayFiveSeconds(*w);
        const QList<Look> played = Board(*w);
        Choose(*w, level);
        QCOMPARE(Board(*w), played);
        QCOMPARE(TestAccess::elapsedSeconds(*w), 307);
        std::vector<float> draws(212, 0.0f); // the seed grid's key, then the failing seed, then 101 for ever
        draws.push_back(scriptedDraws::SeedDraw(failingSeed));
        const auto taken = std::make_shared<int>(0);
        TestAccess::setDraws(*w, scriptedDraws::Source(draws, scriptedDraws::SeedDraw(101), taken));
        MsgBoxDriver noBox;
        QTest::mouseClick(Find(*w, "newGame"), Qt::LeftButton);
        QVERIFY2(noBox.ok(), qPrintable(noBox.failureText()));
        std::string grid(gridText::SeedGrid);
        QCOMPARE(Dealt(*w), QString::fromStdString(modGlobal::CarvePuzzle(grid, 101, level).value_or("")));
        QCOMPARE(*taken, 212 + 2); // the key is drawn once, not again for each seed
        QCOMPARE(TestAccess::elapsedSeconds(*w), 0);
        QCOMPARE(TestAccess::timer(*w)->isActive(), true);
    }

    void whenNoSeedCarvesThePlayerIsToldAndTheGameGoesOn()
    {
        PlayFiveSeconds(*w);
        const QList<Look> played = Board(*w);
        // Every draw makes carve seed 813, which fails at every level; the key they make is not the seed grid's.
        const auto taken = std::make_shared<int>(0);
        TestAccess::setDraws(*w, scriptedDraws::Source({}, scriptedDraws::SeedDraw(813), taken));
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok);
        QTest::mouseClick(Find(*w, "newGame"), Qt::LeftButton);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(*taken, 212 + 100); // one key, then a hundred carve seeds
        QCOMPARE(driver.box(0).title, "Game Creator Error");
        QCOMPARE(driver.box(0).text,
                 "There was an error creating your game.  Please click on the Visit Our Site "
                 "links and go to our contact form to tell us about it.");
        QCOMPARE(driver.box(0).icon, QMessageBox::Warning);
        QCOMPARE(Board(*w), played);
        QCOMPARE(TestAccess::solutionGrid(*w), std::string(gridText::SeedGrid));
        QCOMPARE(TestAccess::elapsedSeconds(*w), 307);
        QCOMPARE(TestAccess::timer(*w)->isActive(), false); // as the fixture left it
    }

    void clockShowsHoursMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("before"); // the count before the tick
        QTest::addColumn<QString>("caption");
        QTest::newRow("under a minute") << 0 << "00:00 01";
        QTest::newRow("an hour, two minutes and five seconds") << 3724 << "01:02 05";
        QTest::newRow("many hours, held at the largest count instead of wrapping") << INT32_MAX << "596523:14 07";
    }

    void clockShowsHoursMinutesAndSeconds()
    {
        QFETCH(int, before);
        QFETCH(QString, caption);
        TestAccess::setElapsedSeconds(*w, before);
        TestAccess::tick(*w);
        QCOMPARE(Find(*w, "lblTimer")->property("text").toString(), caption);
    }

    // On a dark desktop the window stays white, its texts readable and the chosen level plain to see.
    void darkDesktopKeepsTheWindowReadable()
    {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x20, 0x20, 0x20))); // and white texts
        const auto dark = Started();
        QCOMPARE(dark->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
        for (QWidget* control : dark->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->inherits("TextCell") || control->property("text").toString().isEmpty())
                continue; // the cells; swatches, rules and pictures, which hold no text
            const bool button = control->inherits("QPushButton");
            const QColor text = control->palette().color(button ? QPalette::ButtonText : control->foregroundRole());
            const QColor behind = button ? control->palette().color(QPalette::Button) : QColor(Qt::white);
            const double ratio = modDialogs::ContrastRatio(text, behind);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                    .arg(control->objectName(), text.name(), behind.name())
                                    .arg(ratio)));
        }
        const QImage chosen = Find(*dark, "Option2")->grab().toImage();
        Choose(*dark, 1);
        const QImage notChosen = Find(*dark, "Option2")->grab().toImage();
        double most = 1;
        for (int y = 0; y < chosen.height(); ++y)
            for (int x = 0; x < chosen.width(); ++x)
                most = std::max(most, modDialogs::ContrastRatio(chosen.pixelColor(x, y), notChosen.pixelColor(x, y)));
        QVERIFY2(most >= 3, qPrintable(QStringLiteral("chosen and not differ by %1:1 at most").arg(most)));
    }
};

QTEST_MAIN(TestFrmSudoku)
#include "tst_frmsudoku.moc"
