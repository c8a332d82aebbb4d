// A board cell: a small text box whose every change of text is reported at once.
#include "textCell.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int BorderWidth = 1;
const QColor EdgeColor(128, 128, 128);

bool IsLineBreakPair(const QString& text, int position)
{
    return position > 0 && position < text.size() && text[position - 1] == u'\r' && text[position] == u'\n';
}

bool IsSurrogatePair(const QString& text, int position)
{
    return position > 0 && position < text.size() && text[position - 1].isHighSurrogate()
        && text[position].isLowSurrogate();
}

// Typed text is what a key produces when it stands for characters at all:
// Ctrl+letter, Escape and the like produce control characters.
bool IsPrintable(const QString& text)
{
    return !text.isEmpty()
        && std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Qt's own words for a text box's menu, in the player's language from Qt's
// translations; passed through a variable, so that they stay Qt's to translate.
QString QtLineEditText(const char* source) { return QCoreApplication::translate("QLineEdit", source); }

} // namespace

TextCell::TextCell(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::IBeamCursor);
}

void TextCell::setText(const QString& text)
{
    if (text == m_text) return;
    const QString before = std::exchange(m_text, text);
    m_caret = m_anchor = 0;
    textWasChanged(before);
}

// Every change of the text ends here: repaint, tell assistive technology,
// and raise changed() before the write that made it returns.
void TextCell::textWasChanged(const QString& before)
{
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, 0, before, m_text);
        QAccessible::updateAccessibility(&update);
        notifyAccessibility(QAccessible::NameChanged);
    }
    emit changed();
}

void TextCell::notifyAccessibility(int event)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent update(this, static_cast<QAccessible::Event>(event));
    QAccessible::updateAccessibility(&update);
}

void TextCell::setSelStart(int position) { moveCaret(std::clamp(position, 0, static_cast<int>(m_text.size())), false); }

void TextCell::setSelection(int start, int length)
{
    const int size = m_text.size();
    m_anchor = std::clamp(start, 0, size);
    moveCaret(std::clamp(start + length, 0, size), true);
}

void TextCell::selectAll()
{
    m_anchor = 0;
    m_caret = m_text.size();
    update();
}

void TextCell::setBackColor(const QColor& color)
{
    if (color == m_backColor) return;
    m_backColor = color;
    update();
    notifyAccessibility(QAccessible::DescriptionChanged);
}

void TextCell::setForeColor(const QColor& color)
{
    if (color == m_foreColor) return;
    m_foreColor = color;
    update();
}

QColor TextCell::foreColor() const
{
    // Until a colour is set the text takes the platform's window-text colour.
    return m_foreColor.isValid() ? m_foreColor : palette().color(QPalette::Text);
}

void TextCell::setFontSize(qreal points)
{
    if (points <= 0 || qFuzzyCompare(font().pointSizeF(), points)) return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

QSize TextCell::sizeHint() const { return {52, 52}; }

// ---- Layout -------------------------------------------------------------

QList<TextCell::Line> TextCell::lines() const
{
    // A CR LF pair, or a lone CR or LF, ends a line.
    QList<Line> result;
    int start = 0;
    for (int i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (c != u'\r' && c != u'\n') continue;
        result.append({start, i - start});
        if (c == u'\r' && i + 1 < m_text.size() && m_text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    result.append({start, static_cast<int>(m_text.size()) - start});
    return result;
}

int TextCell::lineOf(int position, const QList<Line>& lines) const
{
    for (int n = lines.size() - 1; n > 0; --n)
        if (position >= lines[n].start) return n;
    return 0;
}

QRect TextCell::lineRect(const QList<Line>& all, int n, const QFontMetrics& fm) const
{
    const Line& line = all[n];
    const int width = fm.horizontalAdvance(m_text.mid(line.start, line.length));
    const int top = (height() - fm.height() * static_cast<int>(all.size())) / 2 + n * fm.height();
    return {(this->width() - width) / 2, top, width, fm.height()};
}

QRect TextCell::caretRect() const
{
    const QFontMetrics fm(font());
    const QList<Line> all = lines();
    const int n = lineOf(m_caret, all);
    const Line& line = all[n];
    const QRect drawn = lineRect(all, n, fm);
    const int column = std::min(m_caret - line.start, line.length);
    return {drawn.left() + fm.horizontalAdvance(m_text.mid(line.start, column)), drawn.top(), 2, fm.height()};
}

int TextCell::positionAt(const QPoint& point) const
{
    const QFontMetrics fm(font());
    const QList<Line> all = lines();
    const int top = lineRect(all, 0, fm).top();
    const int n = std::clamp((point.y() - top) / std::max(1, fm.height()), 0, static_cast<int>(all.size()) - 1);
    const Line& line = all[n];
    const QString lineText = m_text.mid(line.start, line.length);
    const int left = lineRect(all, n, fm).left();
    int best = 0;
    int bestDistance = INT_MAX;
    for (int column = 0; column <= line.length; ++column) {
        if (IsSurrogatePair(lineText, column)) continue;
        const int distance = std::abs(left + fm.horizontalAdvance(lineText.left(column)) - point.x());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = column;
        }
    }
    return line.start + best;
}

// ---- Drawing ------------------------------------------------------------

void TextCell::paintEvent(QPaintEvent*)
{
    // Cells of one box touch, so each needs an edge of its own; the focused
    // cell gets a stronger one, since a caret alone is easy to lose. Two
    // fills draw it far faster than a stroked rectangle.
    QPainter painter(this);
    const int edge = hasFocus() ? 2 * BorderWidth : BorderWidth;
    painter.fillRect(rect(), hasFocus() ? palette().color(QPalette::Highlight) : EdgeColor);
    painter.fillRect(rect().adjusted(edge, edge, -edge, -edge), m_backColor);

    painter.setFont(font());
    const QFontMetrics fm(font());
    const QList<Line> all = lines();
    const int from = hasFocus() ? selStart() : 0;
    const int to = hasFocus() ? from + selLength() : 0;
    const QColor textColor = foreColor();
    for (int n = 0; n < all.size(); ++n) {
        const Line& line = all[n];
        const QString lineText = m_text.mid(line.start, line.length);
        const QRect drawn = lineRect(all, n, fm);
        painter.setPen(textColor);
        painter.drawText(drawn.left(), drawn.top() + fm.ascent(), lineText);

        const int selFrom = std::clamp(from - line.start, 0, line.length);
        const int selTo = std::clamp(to - line.start, 0, line.length);
        if (selFrom < selTo) {
            const int x0 = drawn.left() + fm.horizontalAdvance(lineText.left(selFrom));
            const int x1 = drawn.left() + fm.horizontalAdvance(lineText.left(selTo));
            painter.fillRect(QRect(x0, drawn.top(), x1 - x0, fm.height()), palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::HighlightedText));
            painter.drawText(x0, drawn.top() + fm.ascent(), lineText.mid(selFrom, selTo - selFrom));
        }
    }

    if (hasFocus() && m_caretOn) painter.fillRect(caretRect(), textColor);
}

// ---- Editing ------------------------------------------------------------

void TextCell::insertTyped(const QString& typed)
{
    if (m_locked || typed.isEmpty()) return;
    const int start = selStart();
    const int length = selLength();
    QString insert = typed;
    if (m_maxLength > 0) {
        const qsizetype room = m_maxLength - (m_text.size() - length);
        if (insert.size() > room) {
            insert.truncate(std::max<qsizetype>(room, 0));
            if (!insert.isEmpty() && insert.back().isHighSurrogate()) insert.chop(1);
            // A line break goes in whole or not at all.
            if (!insert.isEmpty() && insert.back() == u'\r' && typed.size() > insert.size()
                && typed[insert.size()] == u'\n')
                insert.chop(1);
        }
        if (insert.isEmpty()) return;
    }
    QString text = m_text;
    text.replace(start, length, insert);
    // The caret goes after the inserted text before anyone hears of the
    // change, as in any text box; a listener may move it again.
    const QString before = std::exchange(m_text, text);
    m_caret = m_anchor = start + insert.size();
    restartBlink();
    textWasChanged(before);
}

void TextCell::deleteSelection()
{
    if (m_locked || selLength() == 0) return;
    const int start = selStart();
    QString text = m_text;
    text.remove(start, selLength());
    const QString before = std::exchange(m_text, text);
    m_caret = m_anchor = start;
    restartBlink();
    textWasChanged(before);
}

void TextCell::deleteBackward()
{
    if (m_locked) return;
    if (selLength() > 0) return deleteSelection();
    if (m_caret == 0) return;
    m_anchor = stepLeft(m_caret);
    deleteSelection();
}

void TextCell::deleteForward()
{
    if (m_locked) return;
    if (selLength() > 0) return deleteSelection();
    if (m_caret == m_text.size()) return;
    m_anchor = stepRight(m_caret);
    deleteSelection();
}

void TextCell::cut()
{
    if (m_locked || selLength() == 0) return;
    copy();
    deleteSelection();
}

void TextCell::copy() const
{
    if (selLength() > 0) QGuiApplication::clipboard()->setText(selectedText());
}

void TextCell::paste() { insertTyped(QGuiApplication::clipboard()->text()); }

int TextCell::stepLeft(int position) const
{
    if (position <= 0) return 0;
    --position;
    if (IsLineBreakPair(m_text, position) || IsSurrogatePair(m_text, position)) --position;
    return position;
}

int TextCell::stepRight(int position) const
{
    if (position >= m_text.size()) return m_text.size();
    ++position;
    if (IsLineBreakPair(m_text, position) || IsSurrogatePair(m_text, position)) ++position;
    return position;
}

void TextCell::moveCaret(int position, bool keepAnchor)
{
    const bool unchanged = m_caret == position && (keepAnchor || m_anchor == position);
    const bool caretWasOn = m_caretOn;
    m_caret = position;
    if (!keepAnchor) m_anchor = position;
    restartBlink();
    // A caret and selection put back as they were need no repaint beyond the
    // blink: a new puzzle sets every cell's caret, and most stay as they are.
    if (unchanged) {
        if (m_caretOn != caretWasOn) update(caretRect());
        return;
    }
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, m_caret);
        QAccessible::updateAccessibility(&moved);
    }
}

// ---- Keyboard and mouse -------------------------------------------------

void TextCell::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::Copy)) return copy();
    if (event->matches(QKeySequence::Cut)) return cut();
    if (event->matches(QKeySequence::Paste)) return paste();
    if (event->matches(QKeySequence::SelectAll)) return selectAll();

    switch (event->key()) {
    case Qt::Key_Left:
        if (!shift && selLength() == 0 && m_caret == 0) return emit leaveRequested(Qt::Key_Left);
        return moveCaret(!shift && selLength() > 0 ? selStart() : stepLeft(m_caret), shift);
    case Qt::Key_Right:
        if (!shift && selLength() == 0 && m_caret == m_text.size()) return emit leaveRequested(Qt::Key_Right);
        return moveCaret(!shift && selLength() > 0 ? selStart() + selLength() : stepRight(m_caret), shift);
    case Qt::Key_Up:
    case Qt::Key_Down: return emit leaveRequested(static_cast<Qt::Key>(event->key()));
    case Qt::Key_Home: return moveCaret(0, shift);
    case Qt::Key_End: return moveCaret(m_text.size(), shift);
    case Qt::Key_Backspace: return deleteBackward();
    case Qt::Key_Delete: return deleteForward();
    case Qt::Key_Return:
    case Qt::Key_Enter: return insertTyped(QStringLiteral("\r\n"));
    default: break;
    }

    const QString typed = event->text();
    if (IsPrintable(typed) && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return insertTyped(typed);
    event->ignore();
}

void TextCell::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TextCell::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) moveCaret(positionAt(event->position().toPoint()), true);
}

void TextCell::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) selectAll();
}

void TextCell::contextMenuEvent(QContextMenuEvent* event)
{
    // Shown without a modal loop of its own, so nothing waits on it.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selection = selLength() > 0;
    menu->addAction(QtLineEditText("Cu&t"), this, &TextCell::cut)->setEnabled(!m_locked && selection);
    menu->addAction(QtLineEditText("&Copy"), this, &TextCell::copy)->setEnabled(selection);
    menu->addAction(QtLineEditText("&Paste"), this, &TextCell::paste)
        ->setEnabled(!m_locked && !QGuiApplication::clipboard()->text().isEmpty());
    menu->addAction(QtLineEditText("Delete"), this, &TextCell::deleteSelection)->setEnabled(!m_locked && selection);
    menu->addSeparator();
    menu->addAction(QtLineEditText("Select All"), this, &TextCell::selectAll)->setEnabled(!m_text.isEmpty());
    menu->popup(event->globalPos());
}

void TextCell::inputMethodEvent(QInputMethodEvent* event)
{
    insertTyped(event->commitString());
    event->accept();
}

QVariant TextCell::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled: return !m_locked;
    case Qt::ImCursorRectangle: return caretRect();
    case Qt::ImCursorPosition: return m_caret;
    case Qt::ImAnchorPosition: return m_anchor;
    case Qt::ImSurroundingText: return m_text;
    case Qt::ImCurrentSelection: return selectedText();
    case Qt::ImMaximumTextLength: return m_maxLength > 0 ? QVariant(m_maxLength) : QVariant();
    case Qt::ImHints: return static_cast<int>(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
    default: return QWidget::inputMethodQuery(query);
    }
}

// ---- Focus and caret ----------------------------------------------------

void TextCell::focusInEvent(QFocusEvent* event)
{
    restartBlink();
    QWidget::focusInEvent(event);
}

void TextCell::focusOutEvent(QFocusEvent* event)
{
    m_blink.stop();
    m_caretOn = false;
    update();
    QWidget::focusOutEvent(event);
}

void TextCell::restartBlink()
{
    if (!hasFocus()) return;
    m_caretOn = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (flash > 0) m_blink.start(flash / 2, this);
}

void TextCell::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_blink.timerId()) return QWidget::timerEvent(event);
    m_caretOn = !m_caretOn;
    update(caretRect());
}
