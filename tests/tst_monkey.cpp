// Monkey soak of the game window: random player actions from one printed seed, the invariants checked after each.
//
// MONKEY_SEED replays a run (unset: a fresh seed, printed first) and
// MONKEY_ACTIONS sets its length (default 2000). Every choice of the run,
// the draws of each new game and the answers to the message boxes included,
// comes from one generator seeded with the seed, so a failure, which names
// the seed, the action's index and the action, replays exactly.
#include "dialogs/modDialogs.h"
#include "window/Module1.h"
#include "window/cellEntry.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

namespace {

constexpr int DefaultActions = 2000;

// Characters a player can throw at a cell: ASCII digits and letters, line
// breaks, other scripts' digits, CJK, emoji (a surrogate pair), marks.
const QStringList Pieces{
    QStringLiteral("0123456789"), QStringLiteral("abcXYZ -+.,"), QStringLiteral("\r\n"),
    QStringLiteral("\u0660\u0661\u0662\u0669\u06F3\u0966\uFF11\uFF19"), // Arabic-Indic, Devanagari, fullwidth
    QStringLiteral("\u4E00\u4E8C\u4E09\u6570\u72EC"), QStringLiteral("\U0001F600\U0001F9E9"),
    QStringLiteral("\u0301\u200D\u200F\u00A0\t"),
};

const std::array<int, 13> Keys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                               Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Enter,
                               Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};
const std::array<int, 4> CtrlKeys{Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V};

// What the entry rules can leave in an open cell: at most three runs of
// ASCII digits joined by CR LF, the first two of at most three digits.
bool IsRuleText(const QString& text)
{
    const QStringList runs = text.split(QStringLiteral("\r\n"));
    if (runs.size() > 3) return false;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i < 2 && runs[i].size() > 3) return false;
        for (QChar c : runs[i])
            if (c < u'0' || c > u'9') return false;
    }
    return true;
}

int DigitCount(const QString& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }));
}

// The offscreen platform reports each window feature it lacks, thousands of
// times in a soak; everything else goes on to the test's own handler.
QtMessageHandler testHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (testHandler && !message.startsWith(QLatin1String("This plugin does not support")))
        testHandler(type, context, message);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

public slots:
    // The desktop's handler of web addresses during the soak: no browser starts.
    void openUrl(const QUrl&) { ++linksOpened; }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void soak();

private:
    int draw(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    QString randomText(int length);
    void startWindow();
    QString act();
    QString typeInto(TextCell* cell);
    QString clickSomewhere();
    void answerBoxes();
    QString problem() const;

    std::uint64_t seed = 0;
    std::mt19937_64 rng;
    std::unique_ptr<frmsudoku> w;
    QTimer answerer;
    int waitPolls = -1;
    int boxes = 0;
    int linksOpened = 0;
    QStringList noticed; // problems seen during an action, reported after it
};

void TestMonkey::initTestCase()
{
    Module1::SetApplicationIdentity();
    testHandler = qInstallMessageHandler(QuietPlatform);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    bool given = false;
    seed = qEnvironmentVariable("MONKEY_SEED").toULongLong(&given);
    if (!given) seed = std::random_device{}() * 0x100000000ULL + std::random_device{}();
    rng.seed(seed);
    qInfo("monkey: seed %llu (replay with MONKEY_SEED=%llu)", static_cast<unsigned long long>(seed),
          static_cast<unsigned long long>(seed));
    answerer.setInterval(1);
    connect(&answerer, &QTimer::timeout, this, &TestMonkey::answerBoxes);
    answerer.start();
}

void TestMonkey::cleanupTestCase()
{
    answerer.stop();
    w.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// The program's own start, then a first game drawn from the run's generator,
// as every later one is: the clock-seeded game of the start is replaced whole.
void TestMonkey::startWindow()
{
    w = Module1::SubMain();
    w->setScriptedDraws([this] { return static_cast<float>(rng() >> 40) * 0x1.0p-24f; });
    w->newGame_Click();
}

QString TestMonkey::randomText(int length)
{
    QString text;
    while (text.size() < length) {
        const QString& piece = Pieces[draw(Pieces.size())];
        const int at = draw(piece.size());
        // Whole surrogate pairs and whole line breaks, mostly; now and then a lone half.
        if (piece[at].isSurrogate() && draw(20) != 0)
            text += piece.mid(piece[at].isLowSurrogate() ? at - 1 : at, 2);
        else if (piece[at] == u'\r' && draw(4) != 0) text += piece.mid(at, 2);
        else text += piece[at];
    }
    return text;
}

// Answers each message box after a few polls of its own modal loop, with a
// random button, Escape or the close button; the clock may tick meanwhile.
void TestMonkey::answerBoxes()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (waitPolls < 0) {
        ++boxes;
        waitPolls = draw(4);
        if (box->objectName() != QLatin1String(modDialogs::MsgBoxObjectName))
            noticed << QStringLiteral("a box not shown by MsgBox: \"%1\"").arg(box->text());
        if (modDialogs::State() != modDialogs::DialogState::Styling || !modDialogs::FilterInstalled())
            noticed << QStringLiteral("box \"%1\" open but not being styled").arg(box->text());
    }
    if (waitPolls-- > 0) {
        if (draw(2) == 0) w->Timer1_Timer();
        return;
    }
    waitPolls = -1;
    const QList<QAbstractButton*> buttons = box->buttons();
    switch (draw(4)) {
    case 0: QTest::keyClick(box, Qt::Key_Escape); break;
    case 1: box->close(); break;
    default: buttons.value(draw(buttons.size()))->click(); break;
    }
}

QString TestMonkey::typeInto(TextCell* cell)
{
    const QString name = cell->objectName();
    switch (draw(8)) {
    case 0:
    case 1: {
        const int key = Keys[draw(Keys.size())];
        const auto mods = draw(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(cell, static_cast<Qt::Key>(key), mods);
        const QString keyName = QKeySequence(QKeyCombination(mods, Qt::Key(key))).toString();
        return QStringLiteral("key %1 into %2").arg(keyName, name);
    }
    case 2: {
        const int key = CtrlKeys[draw(CtrlKeys.size())];
        QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::ControlModifier);
        return QStringLiteral("Ctrl+%1 into %2").arg(QChar(key)).arg(name);
    }
    case 3: {
        const QString text = randomText(1 + draw(draw(20) == 0 ? 10000 : 30));
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste of %1 characters into %2").arg(text.size()).arg(name);
    }
    case 4: {
        QInputMethodEvent commit;
        commit.setCommitString(randomText(1 + draw(4)));
        QApplication::sendEvent(cell, &commit);
        return QStringLiteral("input method commits \"%1\" into %2").arg(commit.commitString(), name);
    }
    default: { // a typed character, of any script
        const QString text = randomText(1);
        const char16_t c = text[0].unicode();
        QKeyEvent press(QEvent::KeyPress, c >= u'0' && c <= u'9' ? Qt::Key_0 + (c - u'0') : 0, Qt::NoModifier, text);
        QApplication::sendEvent(cell, &press);
        return QStringLiteral("types \"%1\" (U+%2) into %3").arg(text).arg(c, 4, 16, QChar(u'0')).arg(name);
    }
    }
}

QString TestMonkey::clickSomewhere()
{
    // Every control but Quit, whose turn comes in act(); cells are clicked more often.
    QList<QWidget*> targets{w->cmdMathCheck, w->newGame, w->Command4, w->Option1, w->Option2, w->Option3,
                            w->Label9, w->lblTimer, w->Label1, w->Label2, w->Label3, w->Label4, w->Label5,
                            w->Label6, w->Label7, w->Label8, w->Label11, w.get()};
    for (QWidget* picture : w->Picture3) targets << picture;
    QWidget* target = draw(2) == 0 ? static_cast<QWidget*>(w->tile[draw(81)]) : targets[draw(targets.size())];
    const QPoint at(draw(target->width()), draw(target->height()));
    switch (draw(6)) {
    case 0: QTest::mouseDClick(target, Qt::LeftButton, {}, at); break;
    case 1: QTest::mouseClick(target, Qt::LeftButton, Qt::ShiftModifier, at); break;
    case 2: {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menu);
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            const QList<QAction*> actions = popup->actions();
            if (QAction* action = actions.value(draw(actions.size())); action->isEnabled()) action->trigger();
            popup->close();
        }
        break;
    }
    default: QTest::mouseClick(target, Qt::LeftButton, {}, at); break;
    }
    return QStringLiteral("click on %1 at (%2, %3)").arg(target->objectName()).arg(at.x()).arg(at.y());
}

QString TestMonkey::act()
{
    const int kind = draw(100);
    if (kind < 55) return typeInto(w->tile[draw(81)]);
    if (kind < 85) return clickSomewhere();
    if (kind < 88) {
        QRadioButton* level = std::array{w->Option1, w->Option2, w->Option3}[draw(3)];
        level->setChecked(true);
        w->newGame_Click();
        return QStringLiteral("new game at %1").arg(level->objectName());
    }
    if (kind < 91) {
        w->cmdMathCheck_Click();
        return QStringLiteral("progress check");
    }
    if (kind < 94) {
        w->Command4_Click();
        return QStringLiteral("Solve");
    }
    if (kind < 99) {
        const int ticks = draw(10) == 0 ? draw(20000) : 1;
        for (int n = 0; n < ticks; ++n) w->Timer1_Timer();
        return QStringLiteral("%1 clock ticks").arg(ticks);
    }
    // Quit, then start again as the program would.
    QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
    if (w->isVisible()) noticed << QStringLiteral("Quit left the window open");
    startWindow();
    return QStringLiteral("Quit and start again");
}

// The first broken invariant, or empty. Only called when no box is open.
QString TestMonkey::problem() const
{
    if (!noticed.isEmpty()) return noticed.join(QLatin1String("; "));
    if (!w->isVisible()) return QStringLiteral("the window is not shown");
    if (w->elapsedSeconds < 0) return QStringLiteral("elapsedSeconds %1").arg(w->elapsedSeconds);
    if (modDialogs::State() != modDialogs::DialogState::Idle || modDialogs::FilterInstalled())
        return QStringLiteral("no box is open, yet the dialog hook is not idle");
    for (int k = 0; k < 81; ++k) {
        const TextCell& cell = *w->tile[k];
        const int given = w->boardDigits[k % 9 + 1][k / 9 + 1];
        const QString text = cell.text();
        const auto bad = [&](const char* what) {
            return QStringLiteral("cell %1 (%2): %3; text \"%4\", locked %5, back %6, fore %7, %8 pt")
                .arg(k).arg(given ? "given" : "open", what, text).arg(cell.locked())
                .arg(cell.backColor().name(), cell.foreColor().name()).arg(cell.fontSize());
        };
        if (given) {
            if (text != QString(QChar(u'0' + given))) return bad("a given lost its digit");
            if (!cell.locked() || cell.backColor() != Qt::black || cell.foreColor() != Qt::white)
                return bad("a given lost its look");
            continue;
        }
        if (cell.locked()) return bad("an open cell is locked");
        if (!IsRuleText(text)) return bad("text the entry rules cannot leave");
        if (cell.foreColor() != Qt::black) return bad("open cell's text colour");
        const QColor back = cell.backColor();
        const bool oneChar = text.size() == 1;
        if (oneChar ? back != QColor(102, 102, 102) && back != QColor(255, 0, 0) && back != QColor(255, 255, 192)
                    : back != Qt::white)
            return bad("background does not fit the text");
        // The font follows the length before anything was dropped, which is
        // never less than the number of digits kept.
        if (cell.fontSize() > cellEntry::FontSizeForLength(DigitCount(text)) + 0.01)
            return bad("font larger than the digits allow");
    }
    return {};
}

void TestMonkey::soak()
{
    bool given = false;
    const int actions = qEnvironmentVariableIntValue("MONKEY_ACTIONS", &given);
    const int count = given && actions > 0 ? actions : DefaultActions;
    startWindow();
    QVERIFY2(problem().isEmpty(), qPrintable(QStringLiteral("seed %1, at start: %2").arg(seed).arg(problem())));
    for (int i = 0; i < count; ++i) {
        const QString action = act();
        QCoreApplication::processEvents();
        const QString broken = problem();
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(action, broken)));
    }
    // A fingerprint of the final board: a replay of the seed must end on the same one.
    QString board;
    for (const TextCell* cell : w->tile) board += cell->text() + u'|';
    // The program's own end: Quit closes the window, and then it goes.
    QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    w.reset();
    qInfo("monkey: %d actions, %d message boxes, %d links, board %zx, seed %llu", count, boxes, linksOpened,
          static_cast<size_t>(qHash(board)), static_cast<unsigned long long>(seed));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
