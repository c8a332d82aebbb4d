// The styled message box on Qt Widgets: a one-shot application event filter
// that recolours the next QDialog through its palettes, and MsgBox.
#include "modDialogs.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBitmap>
#include <QBrush>
#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QThread>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <variant>

namespace modDialogs {

namespace {

// The four parts, in SetDialogColors' argument order.
enum Part { DialogText = 0, DialogBack = 1, EditText = 2, EditBack = 3 };

// A background as the caller gave it: a colour value or a picture.
using Background = std::variant<std::uint32_t, QPixmap, QImage>;

// --- Module state: the colours of the last call, the filter, and the brushes
// and dialog of the one dialog being styled.

std::array<bool, 4> colorGiven{};
std::uint32_t dialogTextColor = 0;
Background dialogBack = std::uint32_t{0};
std::uint32_t editTextColor = 0;
Background editBack = std::uint32_t{0};

QPointer<QDialog> styledDialog;
QMetaObject::Connection styledDialogGone;

// Qt::NoBrush when that background was not given or made nothing.
QBrush dialogBrush;
QBrush editBrush;

// Where each styled widget keeps the palette it had before it was first
// styled, so a later restyle can give a part back to its own colours.
constexpr char OwnPaletteProperty[] = "_modDialogs_ownPalette";

void ReleaseDialog();
void CatchDialog(QDialog* dialog);
void StyleWidget(QWidget* widget);

class DialogHook : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Polish reaches a widget once, after its children exist and before
        // it first shows: the moment to catch a dialog before it is seen.
        if (event->type() != QEvent::Polish || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!styledDialog) {
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isWindow()) CatchDialog(dialog);
        } else if (widget != styledDialog.data() && widget->window() == styledDialog.data()) {
            // A control added to the styled dialog after it was caught.
            StyleWidget(widget);
        }
        return false;
    }

    void dialogDestroyed() { ReleaseDialog(); }
};

// The filter object lives as long as the application (it is its child); it
// is installed on the application only while the machine is not Idle.
QPointer<DialogHook> dialogHook;
bool hookInstalled = false;

// --- Reading the arguments.

std::optional<std::uint32_t> ColourFromNumber(double value)
{
    constexpr double Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double Highest = std::numeric_limits<std::uint32_t>::max();
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < Lowest || rounded > Highest) return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded));
}

std::optional<std::uint32_t> ColourFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QLatin1StringView prefix : {QLatin1StringView("&H"), QLatin1StringView("0x")}) {
        if (!trimmed.startsWith(prefix, Qt::CaseInsensitive)) continue;
        const QStringView digits = QStringView(trimmed).mid(2);
        const auto isHexDigit = [](QChar c) {
            const char16_t u = c.toLower().unicode();
            return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f');
        };
        if (digits.isEmpty() || digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), isHexDigit))
            return std::nullopt;
        bool ok = false;
        const uint value = digits.toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        return value;
    }
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(trimmed, &ok);
    if (!ok) return std::nullopt;
    return ColourFromNumber(value);
}

std::optional<std::uint32_t> ColourValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::SChar: {
        const qlonglong n = value.toLongLong();
        if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        return static_cast<std::uint32_t>(n);
    }
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong n = value.toULongLong();
        if (n > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
        return static_cast<std::uint32_t>(n);
    }
    case QMetaType::Double:
    case QMetaType::Float: return ColourFromNumber(value.toDouble());
    case QMetaType::QString: return ColourFromText(value.toString());
    case QMetaType::QByteArray: return ColourFromText(QString::fromLatin1(value.toByteArray()));
    default: return std::nullopt;
    }
}

std::optional<Background> BackgroundValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QPixmap: return value.value<QPixmap>();
    case QMetaType::QBitmap: return QPixmap(value.value<QBitmap>());
    case QMetaType::QImage: return value.value<QImage>();
    default:
        if (const auto colour = ColourValue(value)) return *colour;
        return std::nullopt;
    }
}

// --- Brushes and palettes.

// A picture that holds nothing makes no brush, and that part keeps its own
// colours.
QBrush MakeBrush(const Background& back)
{
    return std::visit(
        [](const auto& b) -> QBrush {
            using T = std::decay_t<decltype(b)>;
            if constexpr (std::is_same_v<T, std::uint32_t>) return QBrush(FromColorRef(b));
            else return b.isNull() ? QBrush() : QBrush(b);
        },
        back);
}

bool IsEditBox(const QWidget* widget)
{
    // Only a box the player can type into is an edit box; a read-only one
    // draws like the text around it.
    if (auto* e = qobject_cast<const QLineEdit*>(widget)) return !e->isReadOnly();
    if (auto* e = qobject_cast<const QTextEdit*>(widget)) return !e->isReadOnly();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(widget)) return !e->isReadOnly();
    if (auto* e = qobject_cast<const QAbstractSpinBox*>(widget)) return !e->isReadOnly();
    return false;
}

// Inside an edit box counts as the edit box: the viewport of a text edit,
// the line edit of a spin box, its scroll bars.
bool DrawsAsEditBox(const QWidget* widget)
{
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget())
        if (IsEditBox(widget)) return true;
    return false;
}

// Text colours are set for the active and inactive groups only, so that
// disabled text keeps the platform's greyed look.
constexpr std::array TextGroups{QPalette::Active, QPalette::Inactive};
constexpr std::array AllGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// Gives one role its colour: the brush when there is one, else what the
// widget had set for itself, else the platform's colour for that kind of
// widget. Never leaving a role to inheritance keeps the dialog's colours
// from reaching an edit box through its parent, and the reverse.
template <std::size_t N>
void SetRole(QPalette& palette, const QPalette& own, const QPalette& platform,
             const std::array<QPalette::ColorGroup, N>& groups, QPalette::ColorRole role, const QBrush& brush)
{
    for (const QPalette::ColorGroup group : groups) {
        if (brush.style() != Qt::NoBrush) palette.setBrush(group, role, brush);
        else if (own.isBrushSet(group, role)) palette.setBrush(group, role, own.brush(group, role));
        else palette.setBrush(group, role, platform.brush(group, role));
    }
}

QBrush TextBrush(Part part)
{
    if (!colorGiven[part]) return {};
    return QBrush(FromColorRef(part == DialogText ? dialogTextColor : editTextColor));
}

void StyleWidget(QWidget* widget)
{
    QVariant stored = widget->property(OwnPaletteProperty);
    if (!stored.isValid()) {
        stored = QVariant::fromValue(widget->palette());
        widget->setProperty(OwnPaletteProperty, stored);
    }
    const QPalette own = stored.value<QPalette>();
    const QPalette platform = QApplication::palette(widget);
    QPalette palette = own;

    if (DrawsAsEditBox(widget)) {
        const QBrush text = TextBrush(EditText);
        SetRole(palette, own, platform, AllGroups, QPalette::Base, editBrush);
        SetRole(palette, own, platform, TextGroups, QPalette::Text, text);
    } else {
        const QBrush text = TextBrush(DialogText);
        // Styles shade a button face from its brush's one colour, and a
        // picture's brush has none (Fusion draws it black): on a picture
        // background buttons keep their own face.
        const QBrush face = dialogBrush.style() == Qt::TexturePattern ? QBrush() : dialogBrush;
        SetRole(palette, own, platform, AllGroups, QPalette::Window, dialogBrush);
        SetRole(palette, own, platform, AllGroups, QPalette::Base, dialogBrush);
        SetRole(palette, own, platform, AllGroups, QPalette::Button, face);
        SetRole(palette, own, platform, TextGroups, QPalette::WindowText, text);
        SetRole(palette, own, platform, TextGroups, QPalette::Text, text);
        SetRole(palette, own, platform, TextGroups, QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

// The dialog and every control in it; a nested window keeps its own colours.
void StyleDialog(QDialog* dialog)
{
    if (dialogBrush.style() != Qt::NoBrush) dialog->setAutoFillBackground(true);
    StyleWidget(dialog);
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (child->window() == dialog) StyleWidget(child);
}

void CatchDialog(QDialog* dialog)
{
    dialogBrush = colorGiven[DialogBack] ? MakeBrush(dialogBack) : QBrush();
    editBrush = colorGiven[EditBack] ? MakeBrush(editBack) : QBrush();
    styledDialog = dialog;
    styledDialogGone = QObject::connect(dialog, &QObject::destroyed, dialogHook.data(), &DialogHook::dialogDestroyed);
    StyleDialog(dialog);
}

void RemoveHook()
{
    if (hookInstalled && dialogHook) {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(dialogHook);
    }
    hookInstalled = false;
}

// Back to Idle: the filter goes, the brushes are released.
void ReleaseDialog()
{
    QObject::disconnect(styledDialogGone);
    styledDialog = nullptr;
    RemoveHook();
    dialogBrush = QBrush();
    editBrush = QBrush();
}

// When the application goes, everything it made goes first: the filter
// object (its child) and any picture held here.
void ReleaseAtExit()
{
    ReleaseDialog();
    colorGiven = {};
    dialogBack = std::uint32_t{0};
    editBack = std::uint32_t{0};
}

bool InstallHook()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return false;
    if (!dialogHook) {
        dialogHook = new DialogHook(app);
        qAddPostRoutine(ReleaseAtExit);
    }
    app->installEventFilter(dialogHook);
    hookInstalled = true;
    return true;
}

// --- The message box.

struct ButtonSet {
    std::array<QMessageBox::StandardButton, 3> buttons; // in order, NoButton after the last
    QMessageBox::StandardButton escape;
};

ButtonSet ButtonsOf(int style)
{
    using SB = QMessageBox::StandardButton;
    switch (style & 0xF) {
    case vbOKCancel: return {{SB::Ok, SB::Cancel, SB::NoButton}, SB::Cancel};
    case vbAbortRetryIgnore: return {{SB::Abort, SB::Retry, SB::Ignore}, SB::Abort};
    case vbYesNoCancel: return {{SB::Yes, SB::No, SB::Cancel}, SB::Cancel};
    case vbYesNo: return {{SB::Yes, SB::No, SB::NoButton}, SB::No};
    case vbRetryCancel: return {{SB::Retry, SB::Cancel, SB::NoButton}, SB::Cancel};
    default: return {{SB::Ok, SB::NoButton, SB::NoButton}, SB::Ok};
    }
}

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0xF0) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int AnswerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return vbOK;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return 0;
    }
}

} // namespace

QColor FromColorRef(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

std::uint32_t ToColorRef(const QColor& color)
{
    if (!color.isValid()) return 0;
    const QColor rgb = color.toRgb();
    return ColorRef(rgb.red(), rgb.green(), rgb.blue());
}

void SetDialogColors(const QVariant& dialogTextColorArg, const QVariant& dialogBackArg,
                     const QVariant& editTextColorArg, const QVariant& editBackArg)
{
    if (const QCoreApplication* app = QCoreApplication::instance(); app && QThread::currentThread() != app->thread())
        return;
    // Every part is set anew on every call; one left out, or not usable,
    // goes back to the platform's colours.
    const auto text = [](const QVariant& arg, std::uint32_t& into) {
        const auto value = ColourValue(arg);
        if (value) into = *value;
        return value.has_value();
    };
    const auto back = [](const QVariant& arg, Background& into) {
        auto value = BackgroundValue(arg);
        if (value) into = std::move(*value);
        return value.has_value();
    };
    colorGiven[DialogText] = text(dialogTextColorArg, dialogTextColor);
    colorGiven[DialogBack] = back(dialogBackArg, dialogBack);
    colorGiven[EditText] = text(editTextColorArg, editTextColor);
    colorGiven[EditBack] = back(editBackArg, editBack);

    if (hookInstalled) {
        // Already waiting for a dialog, or styling one: it takes the new
        // text colours now; its brushes were made when it was caught.
        if (styledDialog) StyleDialog(styledDialog);
        return;
    }
    // Without an application on this thread there is nothing to catch; the
    // next call tries again.
    InstallHook();
}

DialogState State()
{
    if (!hookInstalled) return DialogState::Idle;
    return styledDialog ? DialogState::Styling : DialogState::Armed;
}

bool FilterInstalled() { return hookInstalled; }

int MsgBox(const QString& prompt, int style, const QString& title, QWidget* owner)
{
    const ButtonSet set = ButtonsOf(style);
    const int cancelAnswer = AnswerOf(set.escape);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())
        || QThread::currentThread() != QCoreApplication::instance()->thread())
        return cancelAnswer;

    if (!owner) owner = QApplication::activeWindow();
    // On the heap and watched: if the owner goes while the box is open, the
    // box goes with it, and must not be deleted twice.
    QPointer<QMessageBox> box = new QMessageBox(owner);
    box->setObjectName(QLatin1StringView(MsgBoxObjectName));
    box->setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box->setTextFormat(Qt::PlainText);
    box->setText(prompt);
    box->setIcon(IconOf(style));

    QList<QPushButton*> buttons;
    for (const QMessageBox::StandardButton b : set.buttons)
        if (b != QMessageBox::NoButton) buttons.append(box->addButton(b));
    // The first button is the default unless the style names another that
    // the box has.
    const auto defaultIndex = static_cast<qsizetype>((style >> 8) & 0x3);
    box->setDefaultButton(buttons.value(defaultIndex < buttons.size() ? defaultIndex : 0));
    box->setEscapeButton(box->button(set.escape));

    box->exec();
    if (!box) return cancelAnswer;
    const int answer = box->clickedButton() ? AnswerOf(box->standardButton(box->clickedButton())) : 0;
    delete box.data();
    return answer != 0 ? answer : cancelAnswer;
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    if (!a.isValid() || !b.isValid()) return 1.0;
    const auto luminance = [](const QColor& c) {
        const QColor rgb = c.toRgb();
        const auto linear = [](int channel) {
            const double s = channel / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t ReadableTextColor(std::uint32_t background)
{
    constexpr double Readable = 4.5;
    const QColor back = FromColorRef(background);
    if (ContrastRatio(Qt::black, back) >= Readable) return ColorRef(0, 0, 0);
    // Where black fails, white always reaches 4.5:1; the platform's own
    // text colour is preferred when it is readable too.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QColor platform = QGuiApplication::palette().color(QPalette::Text);
        if (ContrastRatio(platform, back) >= Readable) return ToColorRef(platform);
    }
    return ColorRef(255, 255, 255);
}

} // namespace modDialogs
