// A Qt generic plugin that reports the first painted puzzle of an unmodified game program: the one of the Debian
// package, say, which carries no probe of its own.
//
// Started as
//   QT_PLUGIN_PATH=<build>/bench/plugins QT_QPA_GENERIC_PLUGINS=firstpaintprobe pellwick-sudoku
// Qt's application object loads every generic plugin that QT_QPA_GENERIC_PLUGINS names while it is being made, before
// the game makes its window, and keeps the object the plugin creates for as long as it lives. That object is a
// FirstPaintProbe (startup_probe.h) asking the question of startup_probe_game, by class and property names alone,
// since the plugin cannot link the game's classes: a paint of a board cell (a widget of class TextCell) counts once
// some cell of its window is locked. Before the first puzzle every cell is open; the puzzle's givens are locked, and
// the game puts the whole puzzle on the board with no event processing in between, so every such paint shows the
// puzzle. Once all 81 cells have had one, and some locked cell shows a digit, the probe prints
//   startup_us=<microseconds since the process started> peak_kib=<VmHWM>
// and exits 0; without that picture it gives up after startupProbe::TimeoutMs, prints startup_us=-1 and exits 1.
//
// The plugin is loaded well after the process started, so the start is read from the kernel: the process's start
// time in /proc/self/stat (clock ticks since boot, 10 ms steps) against the clock since boot. Where that cannot be
// read, the time counts from the plugin's loading.
#include "startup_probe.h"

#include <QGenericPlugin>
#include <QSet>
#include <QWidget>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int BoardCells = 81;

bool IsBoardCell(const QObject* object) { return object->inherits("TextCell"); }

// Whether window holds a whole board with some given (a locked cell showing a digit) on it.
bool ShowsPuzzle(const QWidget& window)
{
    int cells = 0;
    bool someGiven = false;
    for (const QWidget* cell : window.findChildren<QWidget*>()) {
        if (!IsBoardCell(cell)) continue;
        ++cells;
        if (cell->property("locked").toBool() && !cell->property("text").toString().isEmpty()) someGiven = true;
    }
    return cells == BoardCells && someGiven;
}

// Time since this process started, as the kernel tells it; a negative duration where it does not.
std::chrono::microseconds SinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::chrono::microseconds(-1);
    // The second field, the program's name in parentheses, may hold blanks; the fields after its closing
    // parenthesis are plain numbers, the start time being the 22nd field of the line.
    const auto close = line.rfind(')');
    if (close == std::string::npos) return std::chrono::microseconds(-1);
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    unsigned long long startTicks = 0;
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22) startTicks = std::stoull(field);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (startTicks == 0 || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::chrono::microseconds(-1);
    const long long nowUs = static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
    const long long startUs = static_cast<long long>(startTicks) * 1000000 / ticksPerSecond;
    return std::chrono::microseconds(nowUs - startUs);
}

startupProbe::Clock::time_point ProcessStart()
{
    const auto now = startupProbe::Clock::now();
    const auto since = SinceProcessStart();
    return since.count() >= 0 ? now - since : now;
}

} // namespace

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint_plugin.json")

public:
    QObject* create(const QString& key, const QString& /*parameters*/) override
    {
        if (key.compare(QLatin1String("firstpaintprobe"), Qt::CaseInsensitive) != 0) return nullptr;
        return new startupProbe::FirstPaintProbe(
            ProcessStart(), [painted = QSet<const QWidget*>(), puzzleShown = false](QWidget* widget) mutable {
                if (!IsBoardCell(widget)) return false;
                // The board is searched only until the puzzle is on it; it stays there.
                if (!puzzleShown) puzzleShown = ShowsPuzzle(*widget->window());
                if (!puzzleShown) return false;
                painted.insert(widget);
                return painted.size() == BoardCells;
            });
    }
};

#include "first_paint_plugin.moc"
