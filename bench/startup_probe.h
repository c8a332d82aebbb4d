// The paint hook the start-up probes share: it notes the first paint that shows what a probe waits for, reports and
// exits.
//
// A probe reads the clock at the top of main and installs a FirstPaintProbe
// on the application before anything is shown. The probe sees every paint
// event of the process. It delivers each one itself, so that "painted"
// means the widget's paint event has returned, and after each it asks the
// probe's question: is the window now painted as wanted? On yes
// it prints one line to stdout,
//   startup_us=<microseconds since the top of main> peak_kib=<VmHWM>
// and ends the process at once with _Exit: what comes after the first paint
// (the event loop, the teardown) is no part of start-up. Peak memory is the
// kernel's high-water mark of the resident set (VmHWM in /proc/self/status),
// the same figure `/usr/bin/time -f %M` gives, read without any extra tool.
//
// A probe that never sees its paint gives up after TimeoutMs, prints
// "startup_us=-1" and exits with status 1, so a broken build cannot hang a
// measuring script.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace startupProbe {

using Clock = std::chrono::steady_clock;

inline constexpr int TimeoutMs = 20000;

// VmHWM in KiB; -1 where the kernel does not give it.
inline long PeakResidentKib()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kib = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kib;
}

[[noreturn]] inline void ReportAndExit(Clock::time_point start, bool painted)
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    std::printf("startup_us=%lld peak_kib=%ld\n", painted ? static_cast<long long>(elapsed) : -1LL, PeakResidentKib());
    std::fflush(stdout);
    std::_Exit(painted ? 0 : 1);
}

class FirstPaintProbe : public QObject {
public:
    // done is asked after every paint event a widget has handled; it gets
    // that widget and answers whether the wanted picture is now complete.
    FirstPaintProbe(Clock::time_point start, std::function<bool(QWidget*)> done)
        : m_start(start)
        , m_done(std::move(done))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(TimeoutMs, this, [this] { ReportAndExit(m_start, false); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_delivering || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        // Deliver the paint now, through the rest of the application's
        // handling (this filter stands aside for it), so that the question
        // below is asked once the widget has drawn itself.
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        if (m_done(static_cast<QWidget*>(watched))) ReportAndExit(m_start, true);
        return true;
    }

private:
    Clock::time_point m_start;
    std::function<bool(QWidget*)> m_done;
    bool m_delivering = false;
};

} // namespace startupProbe
