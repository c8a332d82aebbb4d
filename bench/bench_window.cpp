// Benchmarks of the game window: a new game up to the painted board, and keystrokes through the cell entry rules.
//
// Run under the offscreen platform (the default here when QT_QPA_PLATFORM is
// unset), with repetitions for figures worth quoting:
//   bench_window --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
//
// One window serves every benchmark, built as the game builds it
// (Module1::SubMain: load, show, first puzzle). Each benchmark prepares the
// cells it needs through real key events, so no state depends on the order
// in which the benchmarks run.
#include "Module1.h"
#include "frmsudoku.h"
#include "textCell.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

// Exported by Qt's GUI library for its test library: a key event handled as
// if the window system had sent it, and the shortcut map's look at a key
// before it is pressed.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {

std::unique_ptr<frmsudoku> form;

// The window's controls, found by their names once, when the window is made,
// so that no timed loop pays for the search.
QPushButton* newGameButton = nullptr;
std::vector<TextCell*> tiles;

void FindControls(const frmsudoku& window)
{
    newGameButton = window.findChild<QPushButton*>(QStringLiteral("newGame"));
    tiles.clear();
    tiles.reserve(81);
    for (int index = 0; index < 81; ++index)
        tiles.push_back(window.findChild<TextCell*>(QStringLiteral("tile_%1").arg(index)));
}

// A benchmark whose set-up finds the window not doing what it measures
// stops with an error, and the program then fails, so that the smoke run
// under CTest catches it.
bool failed = false;

void Fail(benchmark::State& state, const char* why)
{
    failed = true;
    state.SkipWithError(why);
}

frmsudoku& Form()
{
    if (!form) {
        form = Module1::SubMain();
        // Stop the clock: a tick during a timed loop would time the label too.
        form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        FindControls(*form);
        form->activateWindow();
        QCoreApplication::processEvents();
    }
    return *form;
}

// Counts the paint events that reach the board cells, so that a benchmark
// can prove its paint step really draws all 81 of them.
class TilePaintCounter : public QObject {
public:
    TilePaintCounter()
    {
        for (TextCell* cell : tiles) cell->installEventFilter(this);
    }
    ~TilePaintCounter() override
    {
        for (TextCell* cell : tiles) cell->removeEventFilter(this);
    }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

// The paint step of the event loop: the cells' update() calls have marked
// their areas dirty and posted one UpdateRequest to the window; delivering
// it makes the window's backing store repaint the dirty areas and flush
// them. Delivering that very event here, at once, is that step and no more.
void PaintPendingUpdates(frmsudoku& window) { QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest); }

// A new game updates only the cells whose look changes (a blank that stays
// blank, or a given that keeps its digit, is left alone), and a repaint of
// the window does not draw them either: a cell declares that it paints
// every pixel of its own (WA_OpaquePaintEvent), so the window's repaint
// leaves it out. To see all 81 painted, every cell is marked dirty, as a new
// game that changed every cell would, and the event loop's paint step runs.
void PaintAllCells(frmsudoku& window)
{
    for (TextCell* cell : tiles) cell->update();
    PaintPendingUpdates(window);
}

// The whole window, every control and all 81 cells, drawn into a pixmap,
// bypassing the backing store and the dirty areas.
class RenderWindow {
public:
    explicit RenderWindow(const frmsudoku& window)
        : m_pixmap(window.size())
    {
    }
    void operator()(frmsudoku& window) { window.render(&m_pixmap); }

private:
    QPixmap m_pixmap;
};

// Cells painted by one new game and its paint step.
template <class Paint>
int CellsPainted(frmsudoku& window, Paint& paint)
{
    PaintPendingUpdates(window); // nothing left over from before
    const TilePaintCounter counter;
    newGameButton->click();
    paint(window);
    return counter.count();
}

// Times new games with a paint step that must draw all 81 cells.
template <class Paint>
void NewGameAndPaint(benchmark::State& state, Paint paint)
{
    frmsudoku& window = Form();
    if (CellsPainted(window, paint) < 81) {
        Fail(state, "the paint step did not paint all 81 cells");
        return;
    }
    for (auto _ : state) {
        newGameButton->click();
        paint(window);
    }
}

// From the click of "Create New Puzzle" to all 81 cells painted with the new
// puzzle and flushed: the click runs newGame_Click whole (reseed, key,
// solution, carving, ShowPuzzle), then the event loop's paint step with
// every cell to draw, a bound on what any new game paints.
void BM_NewGame(benchmark::State& state) { NewGameAndPaint(state, PaintAllCells); }
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

// The same with the whole window rendered into a pixmap: every control as
// well as the 81 cells.
void BM_NewGameRenderWindow(benchmark::State& state) { NewGameAndPaint(state, RenderWindow(Form())); }
BENCHMARK(BM_NewGameRenderWindow)->Unit(benchmark::kMicrosecond);

// A new game as the running game paints it: only the cells it changed.
// cells_painted is their mean number over 200 new games.
void BM_NewGameChangedCells(benchmark::State& state)
{
    frmsudoku& window = Form();
    constexpr int Sample = 200;
    int painted = 0;
    for (int n = 0; n < Sample; ++n) painted += CellsPainted(window, PaintPendingUpdates);
    for (auto _ : state) {
        newGameButton->click();
        PaintPendingUpdates(window);
    }
    state.counters["cells_painted"] = static_cast<double>(painted) / Sample;
}
BENCHMARK(BM_NewGameChangedCells)->Unit(benchmark::kMicrosecond);

// The click alone, to split the figures above into game and paint.
void BM_NewGameNoPaint(benchmark::State& state)
{
    frmsudoku& window = Form();
    for (auto _ : state) newGameButton->click();
    PaintPendingUpdates(window);
}
BENCHMARK(BM_NewGameNoPaint)->Unit(benchmark::kMicrosecond);

// ---- Keystrokes ---------------------------------------------------------

// An open cell of the puzzle on the board, given the focus, caret at the end.
TextCell* FocusedOpenCell()
{
    const auto open = std::find_if(tiles.begin(), tiles.end(), [](const TextCell* cell) { return !cell->locked(); });
    if (open == tiles.end()) return nullptr;
    TextCell* cell = *open;
    cell->setFocus(Qt::OtherFocusReason);
    cell->setSelStart(cell->text().size());
    return cell->hasFocus() ? cell : nullptr;
}

void SendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
}

// Types a run of digits, one key each.
void Type(QWidget* target, const QString& digits)
{
    for (const QChar digit : digits) SendKey(target, Qt::Key_0 + (digit.unicode() - u'0'), QString(digit));
}

void Backspace(QWidget* target) { SendKey(target, Qt::Key_Backspace, QString()); }

// Reports the time of one keystroke (real time, as the player waits it):
// each iteration is two of them.
void CountKeystrokes(benchmark::State& state)
{
    state.counters["per_keystroke"] =
        benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Each iteration types `digit` into the focused open cell holding `start`
// and deletes it again with Backspace, so the cell ends as it began. A
// keystroke here is the key event delivered to the cell, its edit and the
// entry rules; the repaint it asks for comes later in the event loop and is
// not timed. Before timing, one pair is checked to give `expected` at
// `points` and to bring back the starting text.
void KeystrokePair(benchmark::State& state, const QString& start, QChar digit, const QString& expected, qreal points)
{
    frmsudoku& window = Form();
    TextCell* cell = FocusedOpenCell();
    if (!cell) {
        Fail(state, "no open cell could take the focus");
        return;
    }
    const int key = Qt::Key_0 + (digit.unicode() - u'0');
    const QString text(digit);
    while (!cell->text().isEmpty()) Backspace(cell);
    Type(cell, start);
    const QString begin = cell->text();
    SendKey(cell, key, text);
    const bool typed = cell->text() == expected && qFuzzyCompare(cell->fontSize(), points);
    Backspace(cell);
    if (!typed || cell->text() != begin) {
        Fail(state, "the keystroke did not give the expected cell");
        return;
    }
    for (auto _ : state) {
        SendKey(cell, key, text);
        Backspace(cell);
    }
    CountKeystrokes(state);
    while (!cell->text().isEmpty()) Backspace(cell);
    PaintPendingUpdates(window);
}

// "5" into an empty open cell (an entry on the entered-digit colour), then
// Backspace (empty and white again). The font stays at 28 pt.
void BM_KeystrokeEntry(benchmark::State& state) { KeystrokePair(state, QString(), u'5', QStringLiteral("5"), 28); }
BENCHMARK(BM_KeystrokeEntry)->UseRealTime();

// A sixth digit into a note of five: "123" CR LF "45" becomes "123" CR LF
// "456", and Backspace takes it back. The font stays at 8 pt.
void BM_KeystrokeNote(benchmark::State& state)
{
    KeystrokePair(state, QStringLiteral("12345"), u'6', QStringLiteral("123\r\n456"), 8);
}
BENCHMARK(BM_KeystrokeNote)->UseRealTime();

// A second digit after an entry: "1" becomes the note "12" and Backspace
// brings back "1", so both keystrokes change the font (28 to 22 pt and back).
void BM_KeystrokeFontChange(benchmark::State& state)
{
    KeystrokePair(state, QStringLiteral("1"), u'2', QStringLiteral("12"), 22);
}
BENCHMARK(BM_KeystrokeFontChange)->UseRealTime();

// The entry keystroke by the road a key from the window system takes: the
// shortcut map first (which offers the key to the focused cell as a
// ShortcutOverride), then the press through the window to the focused cell,
// then the release. These are the two entry points Qt exports for its own
// test library to do the same.
void BM_KeystrokeEntryThroughWindow(benchmark::State& state)
{
    frmsudoku& window = Form();
    TextCell* cell = FocusedOpenCell();
    QWindow* handle = window.windowHandle();
    if (!cell || !handle) {
        Fail(state, "no open cell could take the focus");
        return;
    }
    while (!cell->text().isEmpty()) Backspace(cell);
    auto key = [handle](int code, const QString& text) {
        if (qt_sendShortcutOverrideEvent(handle, 0, code, Qt::NoModifier, text)) return;
        qt_handleKeyEvent(handle, QEvent::KeyPress, code, Qt::NoModifier, text);
        qt_handleKeyEvent(handle, QEvent::KeyRelease, code, Qt::NoModifier, text);
    };
    key(Qt::Key_5, QStringLiteral("5"));
    const bool typed = cell->text() == QLatin1String("5");
    key(Qt::Key_Backspace, QString());
    if (!typed || !cell->text().isEmpty()) {
        Fail(state, "the key did not reach the focused cell");
        return;
    }
    for (auto _ : state) {
        key(Qt::Key_5, QStringLiteral("5"));
        key(Qt::Key_Backspace, QString());
    }
    CountKeystrokes(state);
    PaintPendingUpdates(window);
}
BENCHMARK(BM_KeystrokeEntryThroughWindow)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    // The figures are meant for the offscreen platform, which also runs
    // where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Module1::SetApplicationIdentity();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return failed ? 1 : 0;
}
