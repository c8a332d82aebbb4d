// Tests of the game window: its layout, start-up, new games and the clock, and how it looks on a dark desktop.
// Also run at QT_SCALE_FACTOR=2, where every place and size must stay the same in device-independent pixels.
#include "gameFixture.h"
#include "modDialogs.h"
#include "modGlobal.h"
#include "msgBoxDriver.h"

#include <QRadioButton>
#include <QScreen>

using namespace gameFixture;

namespace {

const QStringList Faces{"Verdana", "DejaVu Sans"};

// The Tab key's stop of each cell, row by row.
const QList<int> CellTabStops{
    80, 79, 78, 63, 64, 65, 66, 67, 74, 77, 76, 75, 68, 69, 70, 71, 72, 73, 98, 97, 96, 81, 82, 83, 84, 85, 86,
    87, 88, 89, 90, 91, 92, 93, 94, 95, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45,
    44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18,
};

// A rectangle in twips, in pixels: every place in the window is a whole number of pixels.
QRect Pixels(QRect twips) { return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15}; }

template <class Control = QWidget>
Control* Find(const frmsudoku& w, const QString& name)
{
    return w.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "nothing"; }
QString Clock(const frmsudoku& w) { return Find<QLabel>(w, "lblTimer")->text(); }

// What seed 101 carves of the example solution at level.
std::string Carved(int level)
{
    std::string grid = ExampleSolution;
    return modGlobal::CarvePuzzle(grid, 101, level).value_or("");
}

// The board as the player sees it: an empty cell shows no digit, so it shows no size either.
QList<Look> Seen(QList<Look> board)
{
    for (Look& cell : board)
        if (cell.text.isEmpty()) cell.points = 0;
    return board;
}

// How a freshly dealt puzzle is seen: white givens on black, locked; empty open cells.
QList<Look> Dealt(const std::string& puzzle)
{
    QList<Look> board;
    for (char digit : puzzle) {
        if (digit == '0') board.append({"", false, Qt::white, Qt::black, 0});
        else board.append({QString(QChar::fromLatin1(digit)), true, Qt::black, Qt::white, 28});
    }
    return board;
}

// The draws of a new game: ExampleKey, then the carve seeds given, then seed `after` for ever.
std::function<float()> Draws(const QList<int>& seeds, int after, std::shared_ptr<int> taken)
{
    std::vector<float> draws = scriptedDraws::KeyDraws(ExampleKey);
    for (int seed : seeds) draws.push_back(scriptedDraws::SeedDraw(seed));
    return scriptedDraws::Source(draws, scriptedDraws::SeedDraw(after), std::move(taken));
}

QRect Circle(QRadioButton* option)
{
    QStyleOptionButton look;
    look.initFrom(option);
    return option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &look, option);
}

// Chooses a level as a player does, with a click on the option's circle.
void Choose(const frmsudoku& w, int level)
{
    auto* option = Find<QRadioButton>(w, QStringLiteral("Option%1").arg(level));
    QTest::mouseClick(option, Qt::LeftButton, {}, Circle(option).center());
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

    void placesEachControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tip");
        auto row = [](const char* tag, QRect twips, const char* text = "", const char* tip = "") {
            QTest::newRow(tag) << QString(tag).section(u',', 0, 0) << twips << text << tip;
        };
        row("Label1, the clock's heading", {7680, 240, 3015, 255}, "Puzzle Timer");
        row("Line1, the rule under the clock's heading", {7680, 600, 3000, 15});
        row("lblTimer, the clock", {7920, 720, 2535, 255}, "00:00 00");
        row("Line2, the rule under the clock", {7680, 1080, 3000, 15});
        row("Label2, the levels' heading", {7680, 1560, 3015, 255}, "Difficulty Level");
        row("Line3, the rule under the levels' heading", {7680, 1920, 3000, 15});
        row("Option1, the easy level", {7680, 2160, 3015, 255}, "Beginner/Easy");
        row("Option2, the medium level", {7680, 2640, 3015, 255}, "Intermediate/Medium");
        row("Option3, the hard level", {7680, 3120, 3015, 255}, "Professional/Hard");
        row("Line4, the rule under the levels", {7680, 3600, 3000, 15});
        row("cmdMathCheck, the progress check", {7800, 3840, 2655, 495}, "Check Your Progress",
            "Checks Your Progress.  Adds 4 seconds to the clock.");
        row("newGame, the new puzzle button", {7800, 4560, 2655, 495}, "Create New Puzzle", "Creates A New Puzzle");
        row("cmdQuit, the quit button", {7800, 5280, 1215, 495}, "Quit", "Closes Pellwick Sudoku");
        row("Command4, the solve button", {9240, 5280, 1215, 495}, "Solve");
        row("Label3, the legend's heading", {7680, 6240, 3015, 255}, "Check Progress Legend");
        row("Line6, the rule under the legend's heading", {7680, 6480, 3000, 15});
        row("Label4, the red swatch", {7680, 6720, 735, 255});
        row("Label6, the red swatch's meaning", {8640, 6720, 2055, 255}, "= Incorrect Entry");
        row("Label5, the grey swatch", {7680, 7200, 735, 255});
        row("Label7, the grey swatch's meaning", {8640, 7200, 2055, 255}, "= Correct Entry");
        row("Label8, the site link's lead-in", {240, 7560, 1695, 255}, "Visit Our Site:");
        row("Label9, the site link", {2040, 7560, 2175, 255}, "Pellwick Software");
        row("Picture3_0, the Facebook link", {4560, 7560, 240, 240}, "",
            "\"Like\" Pellwick Software.  Visit our Facebook page.");
        row("Picture3_1, the Twitter link", {5040, 7560, 240, 240}, "", "Follow Pellwick Software on Twitter");
        row("Picture3_2, the LinkedIn link", {5520, 7560, 240, 240}, "", "Visit our LinkedIn Profile");
        row("Label11, the copyright notice", {1200, 7920, 4815, 255}, "Copyright \u00A9 2026 Pellwick Software");
    }

    void placesEachControl()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, tip);
        const QWidget* control = Find(*w, name);
        QCOMPARE(control->geometry(), Pixels(twips));
        QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(control->toolTip(), tip);
        QVERIFY(control->isVisible());
        QVERIFY(control->isEnabled());
    }

    void writesEachTextInItsFont_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("centred");
        for (const char* heading : {"Label1", "Label2", "Label3"})
            QTest::addRow("%s, a heading, is bold and centred", heading) << heading << 8.25 << true << true;
        QTest::newRow("lblTimer, the clock, is 12 pt bold and centred") << "lblTimer" << 12.0 << true << true;
        QTest::newRow("Label11, the notice, is centred") << "Label11" << 8.25 << false << true;
        for (const char* plain : {"Option1", "Option2", "Option3", "cmdMathCheck", "newGame", "cmdQuit", "Command4",
                                  "Label6", "Label7", "Label8", "Label9"})
            QTest::addRow("%s is plain", plain) << plain << 8.25 << false << false;
    }

    void writesEachTextInItsFont()
    {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, centred);
        const QWidget* control = Find(*w, name);
        QCOMPARE(control->font().families(), Faces);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->property("alignment").value<Qt::Alignment>().testFlag(Qt::AlignHCenter), centred);
    }

    void paintsSwatchesAndRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("color");
        QTest::newRow("the swatch of an incorrect entry is red") << "Label4" << QColor(255, 0, 0);
        QTest::newRow("the swatch of a correct entry is grey") << "Label5" << QColor(128, 128, 128);
        for (const char* rule : {"Line1", "Line2", "Line3", "Line4", "Line6"})
            QTest::addRow("%s is a black rule", rule) << rule << QColor(Qt::black);
    }

    void paintsSwatchesAndRules()
    {
        QFETCH(QString, name);
        QFETCH(QColor, color);
        const QImage drawn = Find(*w, name)->grab().toImage();
        QCOMPARE(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), color);
    }

    void linksLookLikeLinks()
    {
        const QWidget* site = Find(*w, "Label9");
        QVERIFY(site->font().underline());
        QCOMPARE(site->palette().color(site->foregroundRole()), QColor(0, 0, 255));
    }

    void placesEveryCellOnTheBoard()
    {
        const int edges[9]{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600};
        for (int index = 0; index < 81; ++index) {
            const QWidget* cell = TestAccess::tile(*w, index);
            const QRect expected = Pixels({edges[index % 9], edges[index / 9], 780, 780});
            const QByteArray name = cell->objectName().toLatin1();
            QVERIFY2(cell->geometry() == expected, name);
            QVERIFY2(cell->font().families() == Faces, name);
            QVERIFY2(cell->font().bold(), name);
        }
    }

    void opensAtAFixedSizeWithOnlyACloseButton()
    {
        QCOMPARE(w->size(), QSize(730, 548));
        QCOMPARE(w->minimumSize(), w->size());
        QCOMPARE(w->maximumSize(), w->size());
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->windowTitle(), "Pellwick Sudoku 1.0");
    }

    void clockTicksEverySecond() { QCOMPARE(TestAccess::timer(*Started())->interval(), 1000); }

    void startsWithTheFocusOnNewGame() { QCOMPARE(FocusName(), "newGame"); }

    void dealsTheFirstPuzzleAtTheMediumLevel()
    {
        QVERIFY(Find<QRadioButton>(*w, "Option2")->isChecked());
        QCOMPARE(Seen(Board(*w)), Dealt(Carved(2)));
        QCOMPARE(TestAccess::solutionGrid(*w), ExampleSolution);
        QCOMPARE(TestAccess::tile(*w, 1)->fontSize(), 27.0); // an open cell keeps the board's font
    }

    void fontFaceFollowsTheWindowsVersion_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("face");
        QTest::newRow("no Windows keeps the faces") << 0 << "";
        QTest::newRow("Windows 4 keeps the faces") << 4 << "";
        QTest::newRow("Windows 5 takes Tahoma") << 5 << "Tahoma";
        QTest::newRow("Windows 6 takes Segoe UI") << 6 << "Segoe UI";
        QTest::newRow("Windows 10 takes Segoe UI") << 10 << "Segoe UI";
    }

    void fontFaceFollowsTheWindowsVersion()
    {
        QFETCH(int, major);
        QFETCH(QString, face);
        QCOMPARE(TestAccess::fontFaceForOsMajor(major), face);
    }

    void centresItsFrameOnTheScreen()
    {
        const QRect frame = w->frameGeometry();
        const QRect screen = w->screen()->availableGeometry();
        if (frame.width() > screen.width() || frame.height() > screen.height())
            QSKIP("The screen is smaller than the window, and the offscreen platform keeps the window's corner on it");
        // Twice each centre, so that the half pixel of an odd difference is a 1.
        const int offsetX = 2 * frame.x() + frame.width() - 2 * screen.x() - screen.width();
        const int offsetY = 2 * frame.y() + frame.height() - 2 * screen.y() - screen.height();
        QVERIFY2(qAbs(offsetX) <= 1, qPrintable(QStringLiteral("frame %1 px right of centre").arg(offsetX / 2.0)));
        QVERIFY2(qAbs(offsetY) <= 1, qPrintable(QStringLiteral("frame %1 px below centre").arg(offsetY / 2.0)));
    }

    // From the focus at start round to it again; the options are one stop, at the chosen level.
    void tabVisitsEveryStopInOrder()
    {
        QStringList expected{"newGame", "cmdQuit", "cmdMathCheck", "Option2", "Command4"};
        for (int stop = 18; stop <= 98; ++stop) expected << QStringLiteral("tile_%1").arg(CellTabStops.indexOf(stop));
        expected << "Picture3_2"
                 << "Picture3_1"
                 << "Picture3_0"
                 << "newGame";
        QStringList seen{FocusName()};
        while (seen.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << FocusName();
        }
        QCOMPARE(seen, expected);
    }

    // Mid-game, a level chosen changes nothing until Create New Puzzle, which asks nothing.
    void aNewLevelAppliesAtTheNextNewGame()
    {
        PlayFiveSeconds(*w);
        const QList<Look> played = Board(*w);
        Choose(*w, 1);
        QCOMPARE(Board(*w), played);
        QCOMPARE(TestAccess::elapsedSeconds(*w), 307);
        TestAccess::setDraws(*w, ExampleDraws());
        MsgBoxDriver noBox;
        QTest::mouseClick(Find(*w, "newGame"), Qt::LeftButton);
        QVERIFY2(noBox.ok(), qPrintable(noBox.failureText()));
        QCOMPARE(Seen(Board(*w)), Dealt(ExamplePuzzle));
        QCOMPARE(TestAccess::elapsedSeconds(*w), 0);
        QVERIFY(TestAccess::timer(*w)->isActive());
        QCOMPARE(Clock(*w), "00:05 07"); // until the next tick
        TestAccess::tick(*w);
        QCOMPARE(Clock(*w), "00:00 01");
    }

    void newGameRetriesFailingCarveSeeds_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("failingSeeds");
        QTest::addColumn<int>("draws");
        QTest::newRow("level 3 with no failing seed") << 3 << QList<int>{} << 213;
        const QList<QList<int>> failing{
            {813}, {545, 555, 594, 813}, {125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813}};
        for (int level = 1; level <= 3; ++level)
            for (int seed : failing[level - 1])
                QTest::addRow("level %d after seed %d fails", level, seed) << level << QList{seed} << 214;
    }

    void newGameRetriesFailingCarveSeeds()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, failingSeeds);
        QFETCH(int, draws);
        Choose(*w, level);
        const auto taken = std::make_shared<int>(0);
        TestAccess::setDraws(*w, Draws(failingSeeds, 101, taken));
        MsgBoxDriver noBox;
        QTest::mouseClick(Find(*w, "newGame"), Qt::LeftButton);
        QVERIFY2(noBox.ok(), qPrintable(noBox.failureText()));
        QCOMPARE(*taken, draws); // the key's, then one per carve seed
        QCOMPARE(Seen(Board(*w)), Dealt(Carved(level)));
        QCOMPARE(TestAccess::solutionGrid(*w), ExampleSolution);
    }

    void whenNoSeedCarvesThePlayerIsToldAndTheGameGoesOn()
    {
        PlayFiveSeconds(*w);
        const QList<Look> played = Board(*w);
        const auto taken = std::make_shared<int>(0);
        TestAccess::setDraws(*w, Draws({}, 813, taken)); // 813 fails at every level
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok);
        QTest::mouseClick(Find(*w, "newGame"), Qt::LeftButton);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(*taken, 212 + 100);
        QCOMPARE(driver.box(0).title, "Game Creator Error");
        QCOMPARE(driver.box(0).text,
                 "There was an error creating your game.  Please click on the Visit Our Site "
                 "links and go to our contact form to tell us about it.");
        QCOMPARE(driver.box(0).icon, QMessageBox::Warning);
        QCOMPARE(driver.box(0).buttons, QMessageBox::Ok);
        QCOMPARE(Board(*w), played);
        QCOMPARE(TestAccess::solutionGrid(*w), ExampleSolution);
        QCOMPARE(TestAccess::elapsedSeconds(*w), 307);
        QCOMPARE(Clock(*w), "00:05 07");
        QVERIFY(!TestAccess::timer(*w)->isActive()); // as the fixture left it
        QVERIFY(w->isVisible());
    }

    void clockShowsHoursMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("before"); // the count before the tick
        QTest::addColumn<QString>("caption");
        QTest::newRow("one second") << 0 << "00:00 01";
        QTest::newRow("fifty-nine seconds") << 58 << "00:00 59";
        QTest::newRow("a minute") << 59 << "00:01 00";
        QTest::newRow("a minute and fifteen seconds") << 74 << "00:01 15";
        QTest::newRow("a second short of an hour") << 3598 << "00:59 59";
        QTest::newRow("an hour") << 3599 << "01:00 00";
        QTest::newRow("an hour, two minutes and five seconds") << 3724 << "01:02 05";
        QTest::newRow("ten hours") << 35999 << "10:00 00";
        QTest::newRow("a whole day, with no roll-over") << 86399 << "24:00 00";
        QTest::newRow("a hundred hours") << 359999 << "100:00 00";
        QTest::newRow("the largest count") << INT32_MAX - 1 << "596523:14 07";
        QTest::newRow("past the largest count it holds instead of wrapping") << INT32_MAX << "596523:14 07";
    }

    void clockShowsHoursMinutesAndSeconds()
    {
        QFETCH(int, before);
        QFETCH(QString, caption);
        TestAccess::setElapsedSeconds(*w, before);
        TestAccess::tick(*w);
        QCOMPARE(Clock(*w), caption);
    }

    // On a dark desktop the window stays white, its texts readable and the chosen level plain to see.
    void darkDesktopKeepsTheWindowReadable()
    {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QPalette colours;
        colours.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        colours.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        colours.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            colours.setColor(text, QColor(0xf0, 0xf0, 0xf0));
        QApplication::setPalette(colours);
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
        auto* medium = Find<QRadioButton>(*dark, "Option2");
        const QImage chosen = medium->grab(Circle(medium)).toImage();
        Choose(*dark, 1);
        const QImage notChosen = medium->grab(Circle(medium)).toImage();
        double most = 1;
        for (int y = 0; y < chosen.height(); ++y)
            for (int x = 0; x < chosen.width(); ++x)
                most = std::max(most, modDialogs::ContrastRatio(chosen.pixelColor(x, y), notChosen.pixelColor(x, y)));
        QVERIFY2(most >= 3, qPrintable(QStringLiteral("chosen and not differ by %1:1 at most").arg(most)));
    }
};

QTEST_MAIN(TestFrmSudoku)
#include "tst_frmsudoku.moc"
