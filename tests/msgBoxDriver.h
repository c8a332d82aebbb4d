// Test helper: answers the modal message boxes a test opens, one after another, and records what they showed.
//
// A modal box blocks the test in exec(), so a timer polls from inside the box's own event loop. Each queued answer
// meets one box: the driver records it, runs the answer's callback while it is open and then presses the answer's
// button or Escape, unless the callback has closed the box itself.
//
// So that no test can hang, the driver closes any box it has no answer for and any box its answer left open (or
// that lacks the answer's button), recording each as a failure; a box closed that way returns its escape answer to
// the code that showed it. Keep the driver alive across the code that opens the boxes.
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
        steps.append({button, std::move(whileOpen)});
        return *this;
    }

    const Box& box(qsizetype i) const { return boxes.at(i); }
    bool ok() const { return problems.isEmpty(); }
    QString failureText() const { return problems.join(QLatin1String("; ")); }

private:
    struct Step {
        QMessageBox::StandardButton button;
        WhileOpen whileOpen;
    };

    // The last resort: ends the box's modal loop whatever its buttons.
    void fail(QMessageBox* box, const QString& why)
    {
        problems.append(QStringLiteral("box \"%1\" %2").arg(box->text(), why));
        box->done(QDialog::Rejected);
    }

    void step()
    {
        QPointer box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); // only shown boxes are modal
        if (!box) return;
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (steps.isEmpty()) return fail(box, QStringLiteral("was not expected"));
        const Step todo = steps.takeFirst();
        poll.stop(); // a callback that spins an event loop must not meet its own box again
        if (todo.whileOpen) todo.whileOpen(box);
        poll.start();
        if (!box || !box->isVisible()) return; // the callback has answered it
        if (todo.button == QMessageBox::Escape) QTest::keyClick(box.data(), Qt::Key_Escape);
        else if (QAbstractButton* button = box->button(todo.button)) button->click();
        if (box && box->isVisible()) fail(box, QStringLiteral("has no button %1 or stayed open").arg(int(todo.button)));
    }

    QTimer poll;
    QList<Step> steps;
    QList<Box> boxes;
    QStringList problems;
};
