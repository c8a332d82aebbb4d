// Test helper: answers the modal message boxes a test opens, one after another, and records what they showed.
//
// A modal box blocks the test in exec(), so the driver polls from a timer
// that runs inside the box's own event loop. Each step it is given answers
// one box: it records the box (title, text, icon, buttons), runs the step's
// optional callback while the box is open, grabs the box's pixels and then
// presses a button, Escape or the title bar's close button.
//
//     MsgBoxDriver driver;
//     driver.answer(QMessageBox::Yes);
//     window.Command4_Click();              // opens the box and waits for it
//     QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
//     QVERIFY(driver.seen());
//     QCOMPARE(driver.text(), expectedText);
//
// So that no test ever hangs, the driver closes any box it has no step for,
// any box still open a while after it was answered, and records each such
// event, or a step whose box never came, as a failure for the test to check.
// A box closed that way returns its escape answer (or a rejection) to the
// code that showed it. Keep the driver alive across the code that opens the
// boxes: a local in the test function does that.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class MsgBoxDriver : public QObject {
public:
    // Runs while the box is open, before it is grabbed and answered. It may
    // change colours, read the box's widgets, or even delete the box.
    using WhileOpen = std::function<void(QMessageBox* box)>;

    enum class Action { Press, Escape, CloseWindow };

    // What the driver saw of one box.
    struct Box {
        QString objectName;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
        QPointer<QWidget> owner;
        QImage image; // as grabbed after the callback; null if the box was gone by then
    };

    static constexpr int PollMs = 5;

    explicit MsgBoxDriver(QObject* parent = nullptr)
        : QObject(parent)
    {
        poll.setInterval(PollMs);
        QObject::connect(&poll, &QTimer::timeout, this, [this] { tick(); });
        poll.start();
        sinceProgress.start();
    }

    MsgBoxDriver(const MsgBoxDriver&) = delete;
    MsgBoxDriver& operator=(const MsgBoxDriver&) = delete;

    // Queue the answer to the next box. Calls chain: answer(Yes).answer(Ok).
    MsgBoxDriver& answer(QMessageBox::StandardButton button, WhileOpen whileOpen = {})
    {
        return queue({Action::Press, button, std::move(whileOpen)});
    }
    MsgBoxDriver& pressEscape(WhileOpen whileOpen = {})
    {
        return queue({Action::Escape, QMessageBox::NoButton, std::move(whileOpen)});
    }
    MsgBoxDriver& closeWindow(WhileOpen whileOpen = {})
    {
        return queue({Action::CloseWindow, QMessageBox::NoButton, std::move(whileOpen)});
    }

    // Answer every box that comes after the queued steps with this button,
    // without counting it a failure: for soak runs.
    void answerAnyOther(QMessageBox::StandardButton button) { anyOther = button; }

    // How long a queued step waits for its box, and how long an answered box
    // may stay open, before the driver gives up on it.
    void setAppearTimeout(int ms) { appearTimeoutMs = ms; }
    void setOpenTimeout(int ms) { openTimeoutMs = ms; }

    bool seen() const { return !boxes.empty(); }
    qsizetype count() const { return static_cast<qsizetype>(boxes.size()); }
    const Box& box(qsizetype i) const { return boxes.at(static_cast<std::size_t>(i)); }

    // The last box seen; an empty Box when none was.
    const Box& last() const { return boxes.empty() ? none : boxes.back(); }
    QString title() const { return last().title; }
    QString text() const { return last().text; }
    QMessageBox::Icon icon() const { return last().icon; }
    QMessageBox::StandardButtons buttons() const { return last().buttons; }
    QImage image() const { return last().image; }

    // Steps queued but not yet used.
    qsizetype pending() const { return static_cast<qsizetype>(steps.size()); }

    // Spins the event loop until every queued step has met its box (or
    // timed out) and no answered box is still open.
    bool waitForAll(int ms = 5000)
    {
        return QTest::qWaitFor([this] { return steps.empty() && !handled; }, ms);
    }

    bool ok() const { return problems.isEmpty(); }
    const QStringList& failures() const { return problems; }
    QString failureText() const { return problems.join(QLatin1String("; ")); }

private:
    struct Step {
        Action action;
        QMessageBox::StandardButton button;
        WhileOpen whileOpen;
    };

    MsgBoxDriver& queue(Step step)
    {
        if (steps.empty() && !handled) sinceProgress.restart();
        steps.push_back(std::move(step));
        return *this;
    }

    static QMessageBox* openBox()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible())
            return box;
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows)
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible() && box->isModal()) return box;
        return nullptr;
    }

    static QMessageBox::StandardButton standardOf(const QMessageBox* box, QAbstractButton* button)
    {
        return button ? box->standardButton(button) : QMessageBox::NoButton;
    }

    static Box record(QMessageBox* box)
    {
        Box seen;
        seen.objectName = box->objectName();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = standardOf(box, box->defaultButton());
        seen.escapeButton = standardOf(box, box->escapeButton());
        seen.owner = box->parentWidget();
        return seen;
    }

    // The last resort: ends the box's modal loop whatever its buttons.
    static void forceClose(QMessageBox* box)
    {
        if (box && box->isVisible()) box->done(QDialog::Rejected);
    }

    void fail(const QString& what) { problems.append(what); }

    void tick()
    {
        if (busy) return;
        busy = true;
        step();
        busy = false;
    }

    void step()
    {
        if (handled) {
            if (handled->isVisible()) {
                if (sinceProgress.elapsed() > openTimeoutMs) {
                    fail(QStringLiteral("box \"%1\" still open %2 ms after it was answered")
                             .arg(handled->text())
                             .arg(openTimeoutMs));
                    forceClose(handled);
                    handled = nullptr;
                    sinceProgress.restart();
                }
                return;
            }
            handled = nullptr;
            sinceProgress.restart();
        }

        QMessageBox* box = openBox();
        if (!box) {
            if (!steps.empty() && sinceProgress.elapsed() > appearTimeoutMs) {
                fail(QStringLiteral("no message box appeared within %1 ms for step %2")
                         .arg(appearTimeoutMs)
                         .arg(boxes.size() + 1));
                steps.pop_front();
                sinceProgress.restart();
            }
            return;
        }

        std::optional<Step> todo;
        if (!steps.empty()) {
            todo = std::move(steps.front());
            steps.pop_front();
        } else if (anyOther) {
            todo = Step{Action::Press, *anyOther, {}};
        }

        boxes.push_back(record(box));
        QPointer<QMessageBox> guard(box);
        handled = box;
        sinceProgress.restart();

        if (!todo) {
            fail(QStringLiteral("unexpected message box \"%1\"").arg(box->text()));
            forceClose(box);
            return;
        }
        if (todo->whileOpen) todo->whileOpen(box);
        if (!guard) return; // the callback closed or deleted the box itself
        boxes.back().image = guard->grab().toImage();

        switch (todo->action) {
        case Action::Press:
            if (QAbstractButton* button = guard->button(todo->button)) {
                button->click();
            } else {
                fail(QStringLiteral("box \"%1\" has no button %2").arg(guard->text()).arg(int(todo->button)));
                forceClose(guard);
            }
            break;
        case Action::Escape: {
            QWidget* focus = QApplication::focusWidget();
            QWidget* target = focus && guard->isAncestorOf(focus) ? focus : guard.data();
            QTest::keyClick(target, Qt::Key_Escape);
            break;
        }
        case Action::CloseWindow:
            guard->close();
            break;
        }
    }

    QTimer poll;
    QElapsedTimer sinceProgress;
    std::deque<Step> steps;
    std::optional<QMessageBox::StandardButton> anyOther;
    std::vector<Box> boxes;
    Box none;
    QPointer<QMessageBox> handled;
    QStringList problems;
    int appearTimeoutMs = 5000;
    int openTimeoutMs = 2000;
    bool busy = false;
};
