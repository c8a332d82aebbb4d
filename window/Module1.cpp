// Start-up: the application's identity, the window-background colour, and the game window.
#include "Module1.h"

#include "frmsudoku.h"
#include "modDialogs.h"
#include "productInfo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QTranslator>

#include <optional>

namespace Module1 {

std::int16_t windowBackRed = 0;
std::int16_t windowBackGreen = 0;
std::int16_t windowBackBlue = 0;

namespace {

constexpr std::uint32_t SystemColorFlag = 0x80000000;

// The platform's numbered system colours that have a counterpart in Qt's palette.
std::optional<QPalette::ColorRole> SystemColorRole(std::uint32_t number)
{
    switch (number) {
    case 4: return QPalette::Window; // menu
    case 5: return QPalette::Base; // window background
    case 7: return QPalette::WindowText; // menu text
    case 8: return QPalette::Text; // window text
    case 13: return QPalette::Highlight; // highlight
    case 14: return QPalette::HighlightedText; // highlighted text
    case 15: return QPalette::Button; // button face
    case 18: return QPalette::ButtonText; // button text
    case 23: return QPalette::ToolTipText; // tooltip text
    case 24: return QPalette::ToolTipBase; // tooltip background
    default: return std::nullopt;
    }
}

} // namespace

void SetApplicationIdentity()
{
    using namespace productInfo;
    QCoreApplication::setApplicationName(QString::fromUtf8(AppTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2").arg(VersionMajor).arg(VersionMinor));
    QCoreApplication::setOrganizationName(QString::fromUtf8(Maker));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopId));
}

void InstallTranslations(const QLocale& locale)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    // The game's translations are built into the program. Qt's come from the
    // system (Debian's qt6-translations-l10n), in the language the game's
    // own matched, so that a box's buttons never speak another language than
    // its text.
    auto* game = new QTranslator(app);
    if (!game->load(locale, QStringLiteral("pellwick-sudoku"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete game;
        return;
    }
    QCoreApplication::installTranslator(game);
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + game->language().replace(u'-', u'_'),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else delete qt;
}

std::uint32_t TranslateColor(std::uint32_t color)
{
    if ((color & SystemColorFlag) == 0) return color & 0x00FFFFFF;
    if ((color & 0x7FFFFF00) != 0) return 0;
    const auto role = SystemColorRole(color & 0xFF);
    if (!role) return 0;
    return modDialogs::ToColorRef(QGuiApplication::palette().color(*role));
}

void TakeWindowBackColor()
{
    const std::uint32_t c = TranslateColor(SystemColorFlag | 5);
    windowBackRed = static_cast<std::int16_t>(c & 255);
    windowBackGreen = static_cast<std::int16_t>((c >> 8) & 255);
    windowBackBlue = static_cast<std::int16_t>((c >> 16) & 255);
}

std::uint32_t WindowBackColor() { return modDialogs::ColorRef(windowBackRed, windowBackGreen, windowBackBlue); }

int StyledMsgBox(const QString& prompt, int style, const QString& title, QWidget* owner)
{
    const std::uint32_t back = WindowBackColor();
    const std::uint32_t text = modDialogs::ReadableTextColor(back);
    modDialogs::SetDialogColors(text, back, text, back);
    return modDialogs::MsgBox(prompt, style, title, owner);
}

std::unique_ptr<frmsudoku> SubMain()
{
    TakeWindowBackColor();
    auto form = std::make_unique<frmsudoku>();
    form->Form_Load();
    return form;
}

} // namespace Module1
