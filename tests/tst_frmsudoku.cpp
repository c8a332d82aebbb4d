// Tests of the game window: its layout, start-up, new games and the clock; also run at QT_SCALE_FACTOR=2.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include <QRadioButton>
#include <QtTest>

#include <algorithm>

using namespace gameFixture;

namespace {

constexpr int CellEdges[9]{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600}; // twips
constexpr int CellTabIndex[81]{ // row by row
    80, 79, 78, 63, 64, 65, 66, 67, 74, 77, 76, 75, 68, 69, 70, 71, 72, 73, 98, 97, 96, 81, 82, 83, 84, 85, 86,
    87, 88, 89, 90, 91, 92, 93, 94, 95, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45,
    44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18};

int Box(int k) { return k / 27 * 3 + k % 9 / 3; }
QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none"; }

// What is wrong with the board as a fresh deal from solutionGrid of `givens` givens (at the places of
// `puzzle`, if one is given); empty if nothing. The solution must keep every rule, judged without the engine.
QString DealtProblem(const frmsudoku& w, int givens, const std::string& puzzle = {})
{
    const std::string& s = w.solutionGrid;
    for (int k = 0; k < 81 && s.size() == 81; ++k) {
        for (int q = 0; q < 81; ++q) // same row, same column, same box
            if (s[k] < '1' || s[k] > '9'
                || (q != k && s[q] == s[k] && (q / 9 == k / 9 || q % 9 == k % 9 || Box(q) == Box(k))))
                return "no solution: " + QString::fromStdString(s);
        const Look l = LookOf(*w.tile[k]);
        const bool given = puzzle.empty() ? l.locked : puzzle[k] != '0';
        const Look want = given ? Look{QString(QChar::fromLatin1(s[k])), true, Qt::black, Qt::white, l.points}
                                : Look{"", false, Qt::white, Qt::black, l.points};
        givens -= given;
        if (l.said() != want.said()) return QStringLiteral("cell %1 is %2").arg(k).arg(l.said());
    }
    return givens == 0 && s.size() == 81 ? QString() : QStringLiteral("%1 givens too few").arg(givens);
}

} // namespace

class TestFrmSudoku : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w = Started();

private slots:
    void layout_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("looks"); // a text and its font; else the background, unless the window's shows
        auto row = [](const char* name, int l, int t, int w, int h, const char* text, const char* tip = "",
                      QString looks = "8.25 pt") {
            if (*text) looks = QStringLiteral("\"%1\" %2 %3").arg(text, looks, "Verdana, DejaVu Sans");
            QTest::newRow(name) << QRect(l / 15, t / 15, w / 15, h / 15) << tip << looks;
        };
        row("Label1", 7680, 240, 3015, 255, "Puzzle Timer", "", "8.25 pt bold centred");
        row("lblTimer", 7920, 720, 2535, 255, "00:00 00", "", "12 pt bold centred");
        row("Label2", 7680, 1560, 3015, 255, "Difficulty Level", "", "8.25 pt bold centred");
        for (auto [name, y] : {std::pair{"Line1", 600}, {"Line2", 1080}, {"Line3", 1920}, {"Line4", 3600}, {"Line6", 6480}})
            row(name, 7680, y, 3000, 15, "", "", "#000000");
        row("Option1", 7680, 2160, 3015, 255, "Beginner/Easy");
        row("Option2", 7680, 2640, 3015, 255, "Intermediate/Medium");
        row("Option3", 7680, 3120, 3015, 255, "Professional/Hard");
        row("cmdMathCheck", 7800, 3840, 2655, 495, "Check Your Progress", "Checks Your Progress.  Adds 4 seconds to the clock.");
        row("newGame", 7800, 4560, 2655, 495, "Create New Puzzle", "Creates A New Puzzle");
        row("cmdQuit", 7800, 5280, 1215, 495, "Quit", "Closes Pellwick Sudoku");
        row("Command4", 9240, 5280, 1215, 495, "Solve");
        row("Label3", 7680, 6240, 3015, 255, "Check Progress Legend", "", "8.25 pt bold centred");
        row("Label4", 7680, 6720, 735, 255, "", "", "#ff0000");
        row("Label6", 8640, 6720, 2055, 255, "= Incorrect Entry");
        row("Label5", 7680, 7200, 735, 255, "", "", "#808080");
        row("Label7", 8640, 7200, 2055, 255, "= Correct Entry");
        row("Label8", 240, 7560, 1695, 255, "Visit Our Site:");
        row("Label9", 2040, 7560, 2175, 255, "Pellwick Software", "", "8.25 pt underlined");
        row("Picture3_0", 4560, 7560, 240, 240, "", "\"Like\" Pellwick Software.  Visit our Facebook page.", "");
        row("Picture3_1", 5040, 7560, 240, 240, "", "Follow Pellwick Software on Twitter", "");
        row("Picture3_2", 5520, 7560, 240, 240, "", "Visit our LinkedIn Profile", "");
        row("Label11", 1200, 7920, 4815, 255, "Pellwick Software", "", "8.25 pt centred"); // any notice naming the maker
    }

    void layout()
    {
        auto* c = w->findChild<QWidget*>(QTest::currentDataTag(), Qt::FindDirectChildrenOnly);
        QVERIFY(c && c->isVisible() && c->isEnabled());
        QTEST(c->geometry(), "rect");
        QTEST(c->toolTip(), "tip");
        const QString text = c->property("text").toString(); // of a label or a button
        const QFont f = c->font();
        const bool centred = c->property("alignment").toInt() & Qt::AlignHCenter;
        const QString font = QStringLiteral("%1 pt%2%3%4 %5").arg(f.pointSizeF()).arg(f.bold() ? " bold" : "",
                                 f.underline() ? " underlined" : "", centred ? " centred" : "", f.families().join(", "));
        const QString shown = c == w->Label11 && text.contains("Pellwick Software") ? "Pellwick Software" : text;
        const QString background = c->autoFillBackground() ? c->palette().color(c->backgroundRole()).name() : "";
        QTEST(text.isEmpty() ? background : '"' + shown + "\" " + font, "looks");
        if (c->inherits("QLabel")) // the text fits, at this run's scale
            QVERIFY(QFontMetrics(f, c).horizontalAdvance(text) <= c->width()
                    && QFontMetrics(f, c).tightBoundingRect(text).height() <= c->height());
    }

    void startUp()
    {
        const QPalette original = QGuiApplication::palette();
        QPalette pale = original;
        pale.setColor(QPalette::Base, QColor(255, 255, 224));
        pale.setColor(QPalette::Text, QColor(1, 2, 3));
        QGuiApplication::setPalette(pale);
        const auto s = Module1::SubMain();
        QCOMPARE(QList<int>({Module1::windowBackRed, Module1::windowBackGreen, Module1::windowBackBlue}),
                 QList<int>({255, 255, 224}));
        for (auto [colour, rgb] : {std::pair{0x00E0FF10u, 0x00E0FF10u}, {0x80000005u, 0x00E0FFFFu}, {0x80000008u, 0x00030201u},
                                   {0x80000050u, 0u}, {0x80010005u, 0u}})
            QCOMPARE(quint32(Module1::TranslateColor(colour, 0)), rgb);
        QGuiApplication::setPalette(original);
        Module1::TakeWindowBackColor();
        QCOMPARE(s->windowTitle(), QStringLiteral("Pellwick Sudoku 1.0"));
        QVERIFY(s->size() == QSize(730, 548) && s->minimumSize() == s->size() && s->maximumSize() == s->size());
        QVERIFY(s->windowFlags().testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        QVERIFY(!(s->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (int k = 0; k < 81; ++k) {
            QCOMPARE(s->tile[k]->geometry(), QRect(CellEdges[k % 9] / 15, CellEdges[k / 9] / 15, 52, 52));
            QCOMPARE(s->tile[k]->font().families(), QStringList({"Verdana", "DejaVu Sans"}));
        }
        for (auto [major, face] : {std::pair{0, ""}, {4, ""}, {5, "Tahoma"}, {6, "Segoe UI"}, {10, "Segoe UI"}})
            QCOMPARE(frmsudoku::FontFaceForOsMajor(major), QString(face));
        QVERIFY(s->Option2->isChecked() && s->Timer1->isActive() && s->Timer1->interval() == 1000);
        QCOMPARE(DealtProblem(*s, 30), QString());
        QTRY_COMPARE_WITH_TIMEOUT(s->lblTimer->text(), QStringLiteral("00:00 01"), 2500); // one real tick

        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.get()));
        // Round the tab order from the focus at start; the options are one tab stop, at the chosen level.
        QStringList stops{"newGame", "cmdQuit", "cmdMathCheck", "Option2", "Command4"}, seen{FocusName()};
        for (int tab = 18; tab <= 101; ++tab) // the cells, then the pictures
            stops << (tab > 98 ? QStringLiteral("Picture3_%1").arg(101 - tab)
                               : "tile_" + QString::number(std::find(CellTabIndex, CellTabIndex + 81, tab) - CellTabIndex));
        std::vector<Qt::Key> keys(stops.size() + 3, Qt::Key_Tab); // then the arrow keys move among the options and choose
        keys.insert(keys.end(), {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Backtab});
        stops << "newGame" << "cmdQuit" << "cmdMathCheck" << "Option2" << "Option3" << "Option2" << "Option1" << "Command4"
              << "Option1";
        for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key), seen << FocusName();
        QCOMPARE(seen, stops);
        QVERIFY(s->Option1->isChecked());
    }

    void newGame_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seed");     // the first carve seed drawn; 101 follows it
        QTest::addColumn<int>("failures"); // of seed, before 101; MaxCarveSeeds: every seed fails
        QTest::newRow("every seed fails") << 3 << 813 << frmsudoku::MaxCarveSeeds; // first: the game on is not the key's
        QTest::newRow("worked example") << 1 << 101 << 0;
        // The failing seeds, as level × 1000 + seed.
        for (int failing : {1813, 2545, 2555, 2594, 2813, 3125, 3201, 3317, 3391, 3473, 3545, 3555, 3594, 3631, 3727, 3813})
            QTest::addRow("level %d, seed %d", failing / 1000, failing % 1000) << failing / 1000 << failing % 1000 << 1;
    }

    // Each row starts in the middle of a game: an entry made, the clock at 00:05 07.
    void newGame()
    {
        QFETCH(int, level);
        QFETCH(int, seed);
        QFETCH(int, failures);
        QTest::keyClicks(*std::find_if(w->tile.begin(), w->tile.end(), [](auto* c) { return !c->locked(); }), "7");
        w->elapsedSeconds = 306;
        w->Timer1_Timer();
        const QStringList before = Said(Board(*w));
        const std::string solution = w->solutionGrid;
        const std::array options{w->Option1, w->Option2, w->Option3}; // on the round indicator; alone, it changes nothing
        QTest::mouseClick(options[level - 1], Qt::LeftButton, {}, QPoint(6, options[level - 1]->height() / 2));
        QVERIFY(Said(Board(*w)) == before && w->solutionGrid == solution && w->elapsedSeconds == 307);
        // MakeTransformKey draws the worked example's key from these: per field, the entries exchanged with the
        // first (found by placing each digit from the last down), then the first with itself; then turn and mirror.
        std::vector<float> draws;
        for (std::string picks : {"49186726252312", "1312", "23", "2312", "12", "13", "13", "", "1312"})
            for (char r : picks.append((draws.empty() ? 50 : 20) - picks.size(), '1'))
                draws.push_back((r - '0' - 0.5f) / (draws.size() < 50 ? 9 : 3));
        draws.insert(draws.end(), {3.5f / 4, 2.5f / 3});
        draws.insert(draws.end(), failures, (seed - 100.5f) / 899); // floor(899 u) + 101 == seed
        draws.push_back(0.5f / 899);
        const auto taken = std::make_shared<std::size_t>(0); // then 0.5 for ever
        w->setScriptedDraws([taken, draws] { return *taken < draws.size() ? draws[(*taken)++] : (++*taken, 0.5f); });
        MsgBoxDriver driver; // a box is an error unless every seed fails
        if (failures == frmsudoku::MaxCarveSeeds) driver.answer(QMessageBox::Ok);
        QTest::mouseClick(w->newGame, Qt::LeftButton);
        QVERIFY2(driver.waitForAll() && driver.ok() && w->isVisible(), qPrintable(driver.failureText()));
        if (failures == frmsudoku::MaxCarveSeeds) { // every seed tried, and no more; the game goes on
            const MsgBoxDriver::Box& box = driver.box(0);
            QCOMPARE(QStringList({box.title, box.text}), QStringList({"Game Creator Error",
                "There was an error creating your game.  Please click on the Visit Our Site links and go to our contact "
                "form to tell us about it."}));
            QVERIFY(box.icon == QMessageBox::Warning && box.buttons == QMessageBox::Ok && *taken == 212u + failures);
            QVERIFY(Said(Board(*w)) == before && w->solutionGrid == solution && w->elapsedSeconds == 307);
            return;
        }
        QCOMPARE(*taken, 213u + failures); // the key first, then the seeds
        // The worked examples: the key's solution and, at level 1, what seed 101 carves of it.
        QCOMPARE(w->solutionGrid, ExampleSolution);
        QCOMPARE(DealtProblem(*w, level == 1 ? 50 : level == 2 ? 30 : 20, level == 1 ? ExamplePuzzle : ""), QString());
        QVERIFY(w->elapsedSeconds == 0 && w->Timer1->isActive());
        w->Timer1->stop();
        QCOMPARE(w->lblTimer->text(), QStringLiteral("00:05 07")); // until the next tick
        w->Timer1_Timer();
        QCOMPARE(w->lblTimer->text(), QStringLiteral("00:00 01"));
    }

    void clock()
    {
        for (auto [before, caption] : {std::pair{0, "00:00 01"}, {58, "00:00 59"}, {59, "00:01 00"}, {74, "00:01 15"},
                                       {3598, "00:59 59"}, {3599, "01:00 00"}, {3724, "01:02 05"}, {35999, "10:00 00"},
                                       {86399, "24:00 00"}, {359999, "100:00 00"}, {INT32_MAX - 1, "596523:14 07"},
                                       {INT32_MAX, "596523:14 07"}}) {
            w->elapsedSeconds = before;
            w->Timer1_Timer();
            QCOMPARE(w->elapsedSeconds, before == INT32_MAX ? INT32_MAX : before + 1); // it stops rather than wrap
            QCOMPARE(w->lblTimer->text(), QString(caption));
        }
    }
};

QTEST_MAIN(TestFrmSudoku)
#include "tst_frmsudoku.moc"
