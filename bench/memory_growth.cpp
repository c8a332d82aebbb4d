// Resource check: a thousand new games and a thousand message boxes must not grow the process by more than 1 MiB.
//
// Runs the real window on the offscreen platform. After a warm-up of 50 of
// each (Qt fills its font, glyph and style caches once), it reads VmRSS from
// /proc/self/status, plays 1,000 new games and answers 1,000 message boxes
// (progress checks and declined offers of the solution, half each, every one
// through SetDialogColors and MsgBox as the game shows them), reads VmRSS
// again, prints both and exits with 1 if the growth exceeds 1 MiB.
#include "Module1.h"
#include "frmsudoku.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int WarmUp = 50;
constexpr int Rounds = 1000;
constexpr long LimitKiB = 1024;

// Resident set size in KiB, -1 where /proc is not there.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The offscreen platform reports each window feature it lacks at every box.
void QuietPlatform(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Everything queued (deferred deletes included) done before a reading.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// Presses the window's button of this name, as a player's click would.
void Press(frmsudoku& form, const char* name) { form.findChild<QAbstractButton*>(QLatin1String(name))->click(); }

void Play(frmsudoku& form, int rounds)
{
    for (int n = 0; n < rounds; ++n) {
        Press(form, "newGame");
        // Check Your Progress, or Solve: an open cell is left, so Solve asks,
        // and No is the answer.
        Press(form, n % 2 == 0 ? "cmdMathCheck" : "Command4");
        if (n % 50 == 49) Settle();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(QuietPlatform);
    Module1::SetApplicationIdentity();
    const auto form = Module1::SubMain();
    form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();

    // Answers each box from inside its modal loop: OK, or No to the offer.
    int answered = 0;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&answered] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        QAbstractButton* button = box->button(QMessageBox::No);
        if (!button) button = box->button(QMessageBox::Ok);
        if (!button) return box->reject();
        ++answered;
        button->click();
    });
    answerer.start();

    Play(*form, WarmUp);
    Settle();
    const long before = ResidentKiB();
    const int answeredBefore = answered;
    Play(*form, Rounds);
    Settle();
    const long after = ResidentKiB();
    const int boxes = answered - answeredBefore;

    std::printf("memory growth: %d new games, %d message boxes: VmRSS %ld KiB before, %ld KiB after, "
                "growth %ld KiB (limit %ld KiB)\n",
                Rounds, boxes, before, after, after - before, LimitKiB);
    if (before < 0 || after < 0) {
        std::printf("memory growth: VmRSS cannot be read here\n");
        return 1;
    }
    if (boxes != Rounds) {
        std::printf("memory growth: expected %d message boxes\n", Rounds);
        return 1;
    }
    return after - before > LimitKiB ? 1 : 0;
}
