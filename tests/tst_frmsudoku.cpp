// Tests of the game window: its layout, start-up, new games and the clock; also run at QT_SCALE_FACTOR=2.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include "engine/modGlobal.h"

#include <QRadioButton>

using namespace gameFixture;

namespace {

constexpr int CellEdges[9]{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600}; // twips
constexpr int CellTabIndex[81]{// row by row
                               80, 79, 78, 63, 64, 65, 66, 67, 74, 77, 76, 75, 68, 69, 70, 71, 72, 73, 98, 97, 96,
                               81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 62, 61, 60, 59, 58, 57,
                               56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 39, 38, 37, 36,
                               35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18};

QString Looks(QRect r, QString tip, QString text, QString font)
{
    QString s;
    QDebug(&s) << r << tip << text << font;
    return s;
}
QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none"; }

// The puzzle the board shows: each given (locked, the digit of solutionGrid), 0 for an open empty cell, ? for
// anything else; "no solution" unless solutionGrid is a whole solution, not a carved puzzle.
QString Dealt(const frmsudoku& w)
{
    const QString s = QString::fromStdString(w.solutionGrid);
    QString shown;
    for (const Look& l : Board(w)) // at cell shown.size()
        shown += !l.locked && l.text.isEmpty() ? u'0' : l.locked && l.text == s.mid(shown.size(), 1) ? l.text[0] : u'?';
    return QRegularExpression("^[1-9]{81}$").match(s).hasMatch() ? shown : "no solution";
}

} // namespace

class TestFrmSudoku : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w = Started();

private slots:
    void
    layout_data() // each control's place (given in twips), tooltip, text and the text's font, or else its background
    {
        QTest::addColumn<QString>("looks");
        auto row = [](const char* name, int l, int t, int w, int h, const char* text, const char* tip = "",
                      QString font = "8.25 pt") {
            QTest::newRow(name) << Looks({l / 15, t / 15, w / 15, h / 15}, tip, text,
                                         *text ? font + " Verdana, DejaVu Sans" : font);
        };
        row("Label1", 7680, 240, 3015, 255, "Puzzle Timer", "", "8.25 pt bold centred");
        row("lblTimer", 7920, 720, 2535, 255, "00:00 00", "", "12 pt bold centred");
        row("Label2", 7680, 1560, 3015, 255, "Difficulty Level", "", "8.25 pt bold centred");
        for (auto [name, y] :
             {std::pair{"Line1", 600}, {"Line2", 1080}, {"Line3", 1920}, {"Line4", 3600}, {"Line6", 6480}})
            row(name, 7680, y, 3000, 15, "", "", "#000000");
        row("Option1", 7680, 2160, 3015, 255, "Beginner/Easy");
        row("Option2", 7680, 2640, 3015, 255, "Intermediate/Medium");
        row("Option3", 7680, 3120, 3015, 255, "Professional/Hard");
        row("cmdMathCheck", 7800, 3840, 2655, 495, "Check Your Progress",
            "Checks Your Progress.  Adds 4 seconds to the clock.");
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
        row("Label11", 1200, 7920, 4815, 255, "Pellwick Software", "",
            "8.25 pt centred"); // any notice naming the maker
    }

    void layout()
    {
        auto* c = w->findChild<QWidget*>(QTest::currentDataTag(), Qt::FindDirectChildrenOnly);
        QVERIFY(c && c->isVisible() && c->isEnabled());
        const QString text = c->property("text").toString(); // of a label or a button
        const QFont f = c->font();
        const QString font = QStringLiteral("%1 pt%2%3%4 ")
                                 .arg(f.pointSizeF())
                                 .arg(f.bold() ? " bold" : "", f.underline() ? " underlined" : "",
                                      c->property("alignment").toInt() & Qt::AlignHCenter ? " centred" : "");
        const QString back = c->autoFillBackground() ? c->palette().color(c->backgroundRole()).name() : "";
        QTEST(Looks(c->geometry(), c->toolTip(),
                    c == w->Label11 && text.contains("Pellwick Software") ? "Pellwick Software" : text,
                    text.isEmpty() ? back : font + f.families().join(", ")),
              "looks");
    }

    void startUp()
    {
        const QColor pale(255, 255, 224); // the window background, and the rest of this run keeps it
        QGuiApplication::setPalette(
            QPalette(Qt::black, Qt::gray, Qt::white, Qt::black, Qt::gray, QColor(1, 2, 3), Qt::white, pale, pale));
        const auto s = Module1::SubMain();
        using Module1::TranslateColor;
        QCOMPARE(
            QList<quint32>({quint32(Module1::windowBackRed), quint32(Module1::windowBackGreen),
                            quint32(Module1::windowBackBlue), TranslateColor(0x00E0FF10u), TranslateColor(0x80000008u),
                            TranslateColor(0x80000050u), TranslateColor(0x80010005u)}),
            QList<quint32>({255, 255, 224, 0x00E0FF10u, 0x00030201u, 0, 0}));
        QCOMPARE(s->windowTitle(), QStringLiteral("Pellwick Sudoku 1.0"));
        QVERIFY(s->size() == QSize(730, 548) && s->minimumSize() == s->size() && s->maximumSize() == s->size()
                && (s->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint))
                    == Qt::WindowCloseButtonHint
                && s->Timer1->interval() == 1000);
        for (int k = 0; k < 81; ++k)
            QVERIFY(s->tile[k]->geometry() == QRect(CellEdges[k % 9] / 15, CellEdges[k / 9] / 15, 52, 52)
                    && s->tile[k]->font().families() == QStringList({"Verdana", "DejaVu Sans"}));
        for (auto [major, face] : {std::pair{0, ""}, {4, ""}, {5, "Tahoma"}, {6, "Segoe UI"}, {10, "Segoe UI"}})
            QCOMPARE(frmsudoku::FontFaceForOsMajor(major), QString(face));
        QCOMPARE(Dealt(*s).remove(QRegularExpression("[1-9]")), QString(51, u'0')); // level 2: 30 givens
        QTRY_COMPARE_WITH_TIMEOUT(s->lblTimer->text(), QStringLiteral("00:00 01"), 2500); // one real tick

        // Round the tab order from the focus at start; the options are one tab stop, at the chosen level.
        QStringList stops = QString("newGame cmdQuit cmdMathCheck Option2 Command4").split(' '), seen{FocusName()};
        for (int tab = 18; tab <= 101; ++tab) // the cells, then the pictures
            stops << (tab > 98
                          ? QStringLiteral("Picture3_%1").arg(101 - tab)
                          : "tile_" + QString::number(std::find(CellTabIndex, CellTabIndex + 81, tab) - CellTabIndex));
        std::vector<Qt::Key> keys(stops.size() + 3,
                                  Qt::Key_Tab); // then the arrow keys move among the options and choose
        keys.insert(keys.end(), {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Backtab});
        stops += QString("newGame cmdQuit cmdMathCheck Option2 Option3 Option2 Option1 Command4 Option1").split(' ');
        for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key), seen << FocusName();
        QCOMPARE(seen, stops);
    }

    void newGame_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seed"); // the first carve seed drawn; 101 follows it
        QTest::addColumn<int>("failures"); // of seed, before 101; MaxCarveSeeds: every seed fails
        QTest::newRow("every seed fails")
            << 3 << 813 << frmsudoku::MaxCarveSeeds; // first: the game on is not the key's
        QTest::newRow("worked example") << 1 << 101 << 0;
        for (int failing :
             {1813, 2545, 2555, 2594, 2813, 3125, 3201, 3317, 3391, 3473, 3545, 3555, 3594, 3631, 3727, 3813})
            QTest::addRow("level %d, seed %d", failing / 1000, failing % 1000) << failing / 1000 << failing % 1000 << 1;
    }

    // Each row starts in the middle of a game: an entry made, the clock stopped at 00:05 07.
    void newGame()
    {
        QFETCH(int, level);
        QFETCH(int, seed);
        QFETCH(int, failures);
        const auto game = [this] {
            return QStringList({Dealt(*w), w->solutionGrid.c_str(), QString::number(w->elapsedSeconds),
                                w->Timer1->isActive() ? "running" : "stopped", w->lblTimer->text()});
        };
        QTest::keyClicks(*std::find_if(w->tile.begin(), w->tile.end(), [](auto* c) { return !c->locked(); }), "7");
        w->Timer1->stop(), w->elapsedSeconds = 306, w->Timer1_Timer();
        const QStringList before = game();
        std::array{w->Option1, w->Option2, w->Option3}[level - 1]->click();
        QCOMPARE(game(), before); // choosing a level alone changes nothing

        // MakeTransformKey draws the worked example's key from these: per field, the entries exchanged with the
        // first (found by placing each digit from the last down), then the first with itself; then turn and mirror.
        std::vector<float> draws;
        for (std::string picks : {"49186726252312", "1312", "23", "2312", "12", "13", "13", "", "1312"})
            for (char r : picks.append((draws.empty() ? 50 : 20) - picks.size(), '1'))
                draws.push_back((r - '0' - 0.5f) / (draws.size() < 50 ? 9 : 3));
        draws.insert(draws.end(), {3.5f / 4, 2.5f / 3});
        draws.insert(draws.end(), failures, (seed - 100.5f) / 899); // floor(899 u) + 101 == seed
        const auto taken = std::make_shared<std::size_t>(0); // then seed 101 for ever
        w->setScriptedDraws(
            [taken, draws] { return *taken < draws.size() ? draws[(*taken)++] : (++*taken, 0.5f / 899); });
        const bool lost = failures == frmsudoku::MaxCarveSeeds;
        MsgBoxDriver driver; // a box is an error unless every seed fails
        if (lost) driver.answer(QMessageBox::Ok);
        QTest::mouseClick(w->newGame, Qt::LeftButton);
        QVERIFY2(driver.waitForAll() && driver.ok() && w->isVisible(), qPrintable(driver.failureText()));
        QCOMPARE(*taken, 212u + failures + !lost); // the key first, then every seed tried, and no more
        // The worked examples: the key's solution and, at level 1, what seed 101 carves of it; the caption waits for a
        // tick.
        std::string grid = ExampleSolution;
        const std::string puzzle = level == 1 ? ExamplePuzzle : modGlobal::CarvePuzzle(grid, 101, level).value_or("");
        QCOMPARE(game(),
                 lost ? before : QStringList({puzzle.c_str(), ExampleSolution.c_str(), "0", "running", "00:05 07"}));
        if (lost) // the game goes on after this box
            QCOMPARE(std::tuple(driver.box(0).title, driver.box(0).text, driver.box(0).icon, driver.box(0).buttons),
                     std::tuple(QString("Game Creator Error"),
                                QString("There was an error creating your game.  Please click "
                                        "on the Visit Our Site links and go to our contact form to tell us about it."),
                                QMessageBox::Warning, QMessageBox::StandardButtons(QMessageBox::Ok)));
    }

    void clock() // the captions; at the largest value it stops rather than wrap
    {
        QStringList captions;
        for (int before : {0, 58, 59, 74, 3598, 3599, 3724, 35999, 86399, 359999, INT32_MAX - 1, INT32_MAX})
            w->elapsedSeconds = before, w->Timer1_Timer(), captions << w->lblTimer->text();
        QCOMPARE(captions,
                 QStringList({"00:00 01", "00:00 59", "00:01 00", "00:01 15", "00:59 59", "01:00 00", "01:02 05",
                              "10:00 00", "24:00 00", "100:00 00", "596523:14 07", "596523:14 07"}));
    }
};

QTEST_MAIN(TestFrmSudoku)
#include "tst_frmsudoku.moc"
