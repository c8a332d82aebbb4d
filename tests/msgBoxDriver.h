// Test helper: answers the modal message boxes a test opens, one after another, and records what they showed.
//
// A modal box blocks the test in exec(), so a timer polls from inside the box's own event loop. Each queued step
// meets one box: the driver records it, runs the step's callback while it is open, grabs its pixels and then
// presses the step's button or Escape, unless the callback has closed the box itself.
//
// So that no test can hang, the driver closes any box it has no step for and any box still open a while after its
// answer, and drops a step whose box never comes, recording each as a failure; a box closed that way returns its
// escape answer to the code that showed it. Keep the driver alive across the code that opens the boxes.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include <functional>

class MsgBoxDriver : public QObject {
public:
    using WhileOpen = std::function<void(QMessageBox* box)>; // it may close or even delete the box
    struct Box {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QImage image; // as grabbed after the callback; null if the callback deleted the box
    };

    MsgBoxDriver()
    {
        poll.callOnTimeout(this, &MsgBoxDriver::step);
        poll.start(5);
    }

    // Queues the answer to the next box; QMessageBox::Escape presses the Escape key.
    // Calls chain: answer(Yes).answer(Ok).
    MsgBoxDriver& answer(QMessageBox::StandardButton button, WhileOpen whileOpen = {})
    {
        if (steps.isEmpty() && !handled) clock.restart();
        steps.append({button, std::move(whileOpen)});
        return *this;
    }
    MsgBoxDriver& pressEscape(WhileOpen whileOpen = {}) { return answer(QMessageBox::Escape, std::move(whileOpen)); }

    const Box& box(qsizetype i) const { return boxes.at(i); }
    // Spins the event loop until every step has met its box (or timed out) and no answered box is still open.
    bool waitForAll(int ms = 5000)
    {
        return QTest::qWaitFor([this] { return steps.isEmpty() && !handled; }, ms);
    }
    bool ok() const { return problems.isEmpty(); }
    QString failureText() const { return problems.join(QLatin1String("; ")); }

private:
    static constexpr int AppearMs = 5000, AnsweredOpenMs = 2000; // before the driver gives up on a step or a box
    struct Step {
        QMessageBox::StandardButton button;
        WhileOpen whileOpen;
    };

    // The last resort: ends the box's modal loop whatever its buttons.
    void giveUp(QMessageBox* box, const QString& why)
    {
        problems.append(why);
        if (box && box->isVisible()) box->done(QDialog::Rejected);
        clock.restart();
    }

    void step()
    {
        if (handled && handled->isVisible() && clock.elapsed() < AnsweredOpenMs) return;
        if (handled && handled->isVisible())
            giveUp(handled, QStringLiteral("box \"%1\" still open after its answer").arg(handled->text()));
        handled = nullptr;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); // only shown boxes are modal
        if (!box && !steps.isEmpty() && clock.elapsed() > AppearMs) {
            steps.removeFirst();
            giveUp(nullptr, QStringLiteral("no message box appeared for step %1").arg(boxes.size() + 1));
        }
        if (!box) return;
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {}});
        handled = box; // set first: a callback that spins an event loop meets it above
        clock.restart();
        if (steps.isEmpty()) return giveUp(box, QStringLiteral("unexpected message box \"%1\"").arg(box->text()));
        const Step todo = steps.takeFirst();
        if (todo.whileOpen) todo.whileOpen(box);
        if (handled) boxes.last().image = handled->grab().toImage();
        if (!handled || !handled->isVisible()) return; // the callback has answered it
        if (todo.button == QMessageBox::Escape) QTest::keyClick(handled.data(), Qt::Key_Escape);
        else if (QAbstractButton* button = handled->button(todo.button)) button->click();
        else giveUp(handled, QStringLiteral("box \"%1\" has no button %2").arg(handled->text()).arg(int(todo.button)));
    }

    QTimer poll;
    QElapsedTimer clock; // since the driver last made progress
    QList<Step> steps;
    QList<Box> boxes;
    QPointer<QMessageBox> handled;
    QStringList problems;
};
