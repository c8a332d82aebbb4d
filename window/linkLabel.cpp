// A label that opens a web page.
#include "linkLabel.h"

#include <QMouseEvent>

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button, both on the label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The double-click stands in for the second press: without a press of
    // its own, the release that follows it is no click.
    event->accept();
}
