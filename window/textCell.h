// A board cell: a small text box whose every change of text is reported at once.
//
// QLineEdit does not fit a cell: its maxLength also cuts programmatic writes,
// it cannot show a note on several lines, and toggling its read-only flag is
// slow. This box keeps its text exactly as written (CR LF pairs included),
// raises changed() synchronously inside every write that alters the text,
// typed or programmatic (every edit of the player counts, even one that puts
// back the very text that was there), and knows three settings of its own:
//  - locked: keeps the player out (typing, deleting, pasting, cutting), but
//    still allows the caret, selection and copying; a plain flag, because the
//    entry rules also use it as their re-entrancy guard on every keystroke;
//  - maxLength: the most characters typing or pasting may leave (0 for no
//    limit); it never cuts a write made by the program;
//  - selStart: the caret position in characters, CR LF counting as two.
// The text is drawn as its lines (split at line breaks) one under another,
// each centred, the block centred in the cell; the selection shows only
// while the cell has the focus, as in any text box.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

class TextCell : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
    Q_PROPERTY(bool locked READ locked WRITE setLocked)

public:
    explicit TextCell(QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

    int maxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength < 0 ? 0 : maxLength; }

    int selStart() const { return m_caret < m_anchor ? m_caret : m_anchor; }
    int selLength() const { return m_caret < m_anchor ? m_anchor - m_caret : m_caret - m_anchor; }
    QString selectedText() const { return m_text.mid(selStart(), selLength()); }
    int cursorPosition() const { return m_caret; }
    // Puts the caret at position (held to 0..length) and clears the selection.
    void setSelStart(int position);
    // Selects length characters from start, leaving the caret at their end.
    void setSelection(int start, int length);
    void selectAll();

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    QColor foreColor() const;
    void setForeColor(const QColor& color);

    qreal fontSize() const { return font().pointSizeF(); }
    void setFontSize(qreal points);

    // The cell's place on the board (0..80, in the numbering of gridText.h),
    // which is what a screen reader names it by; -1 for a cell on no board.
    int boardIndex() const { return m_boardIndex; }
    void setBoardIndex(int index) { m_boardIndex = index; }

    QSize sizeHint() const override;

signals:
    // Emitted inside every write that changes the text, and every edit of the
    // player, before the write returns; never for setText with the same text.
    void changed();
    // Up or Down pressed, or Left or Right pressed with the caret at the start
    // or end of the text: the player wants to move to a neighbouring cell.
    void leaveRequested(Qt::Key direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Line {
        int start;
        int length;
    };
    QList<Line> lines() const;
    int lineOf(int position, const QList<Line>& lines) const;
    // Where line n of all is drawn: centred across the cell, the block of
    // lines centred from top to bottom.
    QRect lineRect(const QList<Line>& all, int n, const QFontMetrics& fm) const;
    QRect caretRect() const;
    int positionAt(const QPoint& point) const;

    // Player edits: replace the selection, within maxLength, unless locked.
    void insertTyped(const QString& typed);
    void deleteSelection();
    void deleteBackward();
    void deleteForward();
    void cut();
    void copy() const;
    void paste();
    void moveCaret(int position, bool keepAnchor);
    int stepLeft(int position) const;
    int stepRight(int position) const;
    void restartBlink();
    void textWasChanged(const QString& before);
    void notifyAccessibility(int event);

    QString m_text;
    int m_caret = 0;
    int m_anchor = 0;
    int m_maxLength = 0;
    bool m_locked = false;
    int m_boardIndex = -1;
    bool m_caretOn = false;
    QColor m_backColor = Qt::white;
    QColor m_foreColor;
    QBasicTimer m_blink;
};
