// What assistive technology reads of a board cell.
#include "cellAccessible.h"

#include "cellLooks.h"
#include "gameTexts.h"
#include "gridText.h"
#include "textCell.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace cellAccessible {

namespace {

QString Digits(const TextCell& cell)
{
    QString digits = cell.text();
    digits.remove(u'\r');
    digits.remove(u'\n');
    return digits;
}

// A text box that reads as a board cell. Its text interface gives the text
// as it stands, line breaks included, so that caret offsets match.
class CellInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CellInterface(TextCell* cell)
        : QAccessibleWidget(cell, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        const int index = cell()->boardIndex();
        switch (type) {
        case QAccessible::Name: return index < 0 ? Digits(*cell()) : CellName(*cell(), index);
        case QAccessible::Description: return CellDescription(*cell());
        case QAccessible::Value: return Digits(*cell());
        default: return QAccessibleWidget::text(type);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = cell()->locked();
        return state;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || cell()->selLength() == 0) return;
        *startOffset = cell()->selStart();
        *endOffset = cell()->selStart() + cell()->selLength();
    }
    int selectionCount() const override { return cell()->selLength() > 0 ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { cell()->setSelStart(cursorPosition()); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        cell()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return cell()->cursorPosition(); }
    void setCursorPosition(int position) override { cell()->setSelStart(position); }
    QString text(int startOffset, int endOffset) const override
    {
        const QString& all = cell()->text();
        startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        return boundary == QAccessible::CharBoundary ? characterAt(offset - 1, startOffset, endOffset)
                                                     : everything(startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        return boundary == QAccessible::CharBoundary ? characterAt(offset + 1, startOffset, endOffset)
                                                     : everything(startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        return boundary == QAccessible::CharBoundary ? characterAt(offset, startOffset, endOffset)
                                                     : everything(startOffset, endOffset);
    }
    int characterCount() const override { return cell()->text().size(); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    TextCell* cell() const { return static_cast<TextCell*>(widget()); }

    // A cell is a few characters long; every boundary but a character's is the whole text.
    QString everything(int* startOffset, int* endOffset) const
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return cell()->text();
    }

    QString characterAt(int offset, int* startOffset, int* endOffset) const
    {
        if (offset < 0 || offset >= characterCount()) {
            *startOffset = *endOffset = -1;
            return {};
        }
        *startOffset = offset;
        *endOffset = offset + 1;
        return cell()->text().mid(offset, 1);
    }
};

QAccessibleInterface* CellFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TextCell") && object && object->isWidgetType())
        return new CellInterface(static_cast<TextCell*>(object));
    return nullptr;
}

} // namespace

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CellFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString CellName(const TextCell& cell, int index)
{
    const QString digits = Digits(cell);
    QString content;
    if (digits.isEmpty()) content = gameTexts::EmptyCell();
    else if (cell.locked()) content = gameTexts::GivenDigit(digits);
    else if (digits.size() == 1) content = digits;
    else content = gameTexts::Notes(QStringList(digits.split(QString(), Qt::SkipEmptyParts)).join(u' '));
    int column = 0;
    int row = 0;
    gridText::CellPosition(index, column, row);
    return gameTexts::CellName(row, column, content);
}

QString CellDescription(const TextCell& cell)
{
    if (cell.backColor() == cellLooks::ErrorBack) return gameTexts::MarkedIncorrect();
    if (cell.backColor() == cellLooks::RevealedBack) return gameTexts::FilledInBySolve();
    return {};
}

} // namespace cellAccessible
