// A picture that opens a web page: a button that shows nothing but its picture.
#pragma once

#include <QAbstractButton>

class LinkPicture : public QAbstractButton {
    Q_OBJECT

public:
    using QAbstractButton::QAbstractButton;

protected:
    // The picture fills the box, with the focus frame over it while focused.
    void paintEvent(QPaintEvent* event) override;
    // Enter opens the page as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    // The second click of a double-click does not open the page again.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
