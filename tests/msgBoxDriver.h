// Test helper: answers the modal message boxes a test opens, one after another, and records what they showed.
//
// A modal box blocks the test in exec(), so a timer polls from inside the
// box's own event loop. Each queued step meets one box: the driver records
// it, runs the step's callback while it is open, grabs its pixels and then
// presses a button, Escape or the title bar's close button.
//
//     MsgBoxDriver driver;
//     driver.answer(QMessageBox::Yes);
//     window.Command4_Click();              // opens the box and waits for it
//     QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
//     QCOMPARE(driver.text(), expectedText);
//
// So that no test can hang, the driver closes any box it has no step for and
// any box still open a while after its answer, and drops a step whose box
// never comes, recording each as a failure. A box closed that way returns its
// escape answer to the code that showed it. Keep the driver alive across the
// code that opens the boxes.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include <functional>

class MsgBoxDriver : public QObject {
public:
    // Runs while the box is open, before it is grabbed and answered; it may
    // even close or delete the box.
    using WhileOpen = std::function<void(QMessageBox* box)>;
    enum class Action { Press, Escape, CloseWindow };

    struct Box {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QImage image; // as grabbed after the callback; null if the callback closed the box
    };

    explicit MsgBoxDriver(QObject* parent = nullptr) : QObject(parent)
    {
        QObject::connect(&poll, &QTimer::timeout, this, &MsgBoxDriver::step);
        poll.start(5);
        clock.start();
    }

    // Queue the answer to the next box. Calls chain: answer(Yes).answer(Ok).
    MsgBoxDriver& answer(QMessageBox::StandardButton b, WhileOpen w = {}) { return queue(Action::Press, b, w); }
    MsgBoxDriver& pressEscape(WhileOpen w = {}) { return queue(Action::Escape, QMessageBox::NoButton, w); }
    MsgBoxDriver& closeWindow(WhileOpen w = {}) { return queue(Action::CloseWindow, QMessageBox::NoButton, w); }

    // Answer every box after the queued steps with this button, not counted
    // as a failure: for soak runs.
    void answerAnyOther(QMessageBox::StandardButton button) { anyOther = button; }

    bool seen() const { return !boxes.isEmpty(); }
    qsizetype count() const { return boxes.size(); }
    const Box& box(qsizetype i) const { return boxes.at(i); }
    const Box& last() const { return boxes.isEmpty() ? none : boxes.last(); } // an empty Box when none was seen
    QString title() const { return last().title; }
    QString text() const { return last().text; }
    QMessageBox::Icon icon() const { return last().icon; }
    QMessageBox::StandardButtons buttons() const { return last().buttons; }
    QImage image() const { return last().image; }

    // Spins the event loop until every step has met its box (or timed out)
    // and no answered box is still open.
    bool waitForAll(int ms = 5000) { return QTest::qWaitFor([this] { return steps.isEmpty() && !handled; }, ms); }
    bool ok() const { return problems.isEmpty(); }
    QString failureText() const { return problems.join(QLatin1String("; ")); }

    // The general form of answer(), pressEscape() and closeWindow(): button counts only with Press.
    MsgBoxDriver& queue(Action action, QMessageBox::StandardButton button, const WhileOpen& whileOpen)
    {
        if (steps.isEmpty() && !handled) clock.restart();
        steps.append({action, button, whileOpen});
        return *this;
    }

private:
    static constexpr int AppearMs = 5000, AnsweredOpenMs = 2000; // before the driver gives up on a step or a box
    struct Step { Action action; QMessageBox::StandardButton button; WhileOpen whileOpen; };

    // The last resort: ends the box's modal loop whatever its buttons.
    void giveUp(QMessageBox* box, const QString& why)
    {
        problems.append(why);
        if (box && box->isVisible()) box->done(QDialog::Rejected);
        clock.restart();
    }

    void step()
    {
        if (handled && handled->isVisible()) {
            if (clock.elapsed() < AnsweredOpenMs) return;
            giveUp(handled, QStringLiteral("box \"%1\" still open after its answer").arg(handled->text()));
        }
        handled = nullptr;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && !box->isVisible()) box = nullptr;
        if (!box && !steps.isEmpty() && clock.elapsed() > AppearMs) {
            steps.removeFirst();
            giveUp(nullptr, QStringLiteral("no message box appeared for step %1").arg(boxes.size() + 1));
        }
        if (!box) return;
        const Step todo = !steps.isEmpty() ? steps.takeFirst() : Step{Action::Press, anyOther, {}};
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {}});
        handled = box; // set first: a callback that spins an event loop meets it above
        clock.restart();
        if (todo.button == QMessageBox::NoButton && todo.action == Action::Press)
            return giveUp(box, QStringLiteral("unexpected message box \"%1\"").arg(box->text()));
        if (todo.whileOpen) todo.whileOpen(box);
        if (!handled) return;
        boxes.last().image = handled->grab().toImage();
        QAbstractButton* button = handled->button(todo.button);
        if (todo.action == Action::Escape) QTest::keyClick(handled.data(), Qt::Key_Escape);
        else if (todo.action == Action::CloseWindow) handled->close();
        else if (button) button->click();
        else giveUp(handled, QStringLiteral("box \"%1\" has no button %2").arg(handled->text()).arg(int(todo.button)));
    }

    QTimer poll;
    QElapsedTimer clock; // since the driver last made progress
    QList<Step> steps;
    QMessageBox::StandardButton anyOther = QMessageBox::NoButton;
    QList<Box> boxes;
    Box none;
    QPointer<QMessageBox> handled;
    QStringList problems;
};
