// The game window: its controls, the game state, and every handler.
#include "frmsudoku.h"

#include "Module1.h"
#include "boardRules.h"
#include "cellAccessible.h"
#include "cellEntry.h"
#include "cellGuard.h"
#include "cellLooks.h"
#include "frameExtents.h"
#include "gameTexts.h"
#include "gridText.h"
#include "linkLabel.h"
#include "linkPicture.h"
#include "modDialogs.h"
#include "modGeneratePuzzle.h"
#include "modGlobal.h"
#include "productInfo.h"
#include "textCell.h"
#include "twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

using namespace cellLooks;

const QColor LinkBlue(0, 0, 255);

constexpr int TileCount = gridText::GridLength;
constexpr int MaxNoteLength = 13; // three lines of three digits and two CR LF pairs

// Left edges of the columns and top edges of the rows, in twips: cells of a
// box touch, and a 120-twip gap separates neighbouring boxes.
constexpr std::array<int, 9> CellEdges{120, 900, 1680, 2580, 3360, 4140, 5040, 5820, 6600};
constexpr int CellSize = 780;

// The Tab key's stop of each cell, row by row; the cells come after Solve
// (stop 17) and before the pictures (99 to 101), in this order rather than
// reading order.
constexpr std::array<int, TileCount> TileTabIndex{
    80, 79, 78, 63, 64, 65, 66, 67, 74, //
    77, 76, 75, 68, 69, 70, 71, 72, 73, //
    98, 97, 96, 81, 82, 83, 84, 85, 86, //
    87, 88, 89, 90, 91, 92, 93, 94, 95, //
    62, 61, 60, 59, 58, 57, 56, 55, 54, //
    53, 52, 51, 50, 49, 48, 47, 46, 45, //
    44, 43, 42, 41, 40, 39, 38, 37, 36, //
    35, 34, 33, 32, 31, 30, 29, 28, 27, //
    26, 25, 24, 23, 22, 21, 20, 19, 18,
};

// Verdana, and a face that every Linux desktop has for when it is missing.
const QString WindowFace = QStringLiteral("Verdana");
const QString FallbackFace = QStringLiteral("DejaVu Sans");

QFont WindowFont(qreal points, bool bold = false, bool underline = false)
{
    QFont font;
    font.setFamilies({WindowFace, FallbackFace});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QCursor HandCursor()
{
    // The finger tip, at (5, 0) of the 32-pixel image, is the hot spot.
    const bool sharp = qApp->devicePixelRatio() > 1.0;
    QPixmap hand(sharp ? QStringLiteral(":/images/hand@2x.png") : QStringLiteral(":/images/hand.png"));
    if (hand.isNull()) return Qt::PointingHandCursor;
    hand.setDevicePixelRatio(sharp ? 2.0 : 1.0);
    return QCursor(hand, 5, 0);
}

// The icon groups the program carries, by resource name. AAA holds the
// sizes a title bar and a task list ask for; the larger images are for the
// desktop's menus and come from the installed icon theme.
QIcon LoadIconGroup(const QString& name)
{
    QIcon icon;
    if (name != QLatin1String("AAA")) return icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/pellwick-sudoku-%1.png").arg(size), QSize(size, size));
    return icon;
}

void OpenAddress(const char* address)
{
    // Whether a browser opens is the desktop's business; the game goes on either way.
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(address)));
}

// The clock holds at its largest value rather than wrap to a negative time.
std::int32_t SaturatingAdd(std::int32_t value, int seconds)
{
    const std::int64_t sum = std::int64_t{value} + seconds;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, 0, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

frmsudoku::frmsudoku(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmsudoku"));
    setFixedSize(TwipsSize(10950, 8220));
    // The window is white whatever the desktop's colours, so what is drawn on
    // it (labels, the options' circles and dots) stays dark on light too.
    // Buttons, selections and tooltips keep the desktop's own pairs.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::Text, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    cellAccessible::Install();
    buildSidePanel();
    buildBottomRow();
    buildBoard();
    orderTabStops();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmsudoku::Timer1_Timer);
    Timer1->start();

    newGame->setFocus();
}

frmsudoku::~frmsudoku() = default;

void frmsudoku::buildSidePanel()
{
    const QFont plain = WindowFont(8.25);
    const QFont bold = WindowFont(8.25, true);

    auto label = [this](const char* name, const QString& text, QRect geometry, const QFont& font,
                        Qt::Alignment alignment = Qt::AlignLeft) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        control->setFont(font);
        control->setAlignment(alignment | Qt::AlignVCenter);
        return control;
    };
    // A one-pixel rule from (x1, y) to (x2, y), in the window-text colour.
    auto line = [this](const char* name, int x1, int x2, int y) {
        auto* control = new QWidget(this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(Twips(x1), Twips(y), Twips(x2 - x1), 1);
        control->setAccessibleName(gameTexts::Separator());
        SetBackground(control, Qt::black);
        return control;
    };
    auto button = [this, &plain](const char* name, const QString& text, QRect geometry, const QString& tip) {
        auto* control = new QPushButton(text, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        control->setFont(plain);
        control->setToolTip(tip);
        control->setAutoDefault(false);
        return control;
    };
    auto option = [this, &plain](const char* name, const QString& text, QRect geometry) {
        auto* control = new QRadioButton(text, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(geometry);
        control->setFont(plain);
        return control;
    };
    auto swatch = [&label, &plain](const char* name, QRect geometry, const QColor& color, const QString& spoken) {
        QLabel* control = label(name, QString(), geometry, plain);
        control->setAccessibleName(spoken);
        SetBackground(control, color);
        return control;
    };

    using namespace gameTexts;
    Label1 = label("Label1", PuzzleTimer(), TwipsRect(7680, 240, 3015, 255), bold, Qt::AlignHCenter);
    Line1 = line("Line1", 7680, 10680, 600);
    lblTimer =
        label("lblTimer", ClockAtStart(), TwipsRect(7920, 720, 2535, 255), WindowFont(12, true), Qt::AlignHCenter);
    lblTimer->setAccessibleDescription(PuzzleTimer());
    Line2 = line("Line2", 7680, 10680, 1080);
    Label2 = label("Label2", DifficultyLevel(), TwipsRect(7680, 1560, 3015, 255), bold, Qt::AlignHCenter);
    Line3 = line("Line3", 7680, 10680, 1920);
    Option1 = option("Option1", Beginner(), TwipsRect(7680, 2160, 3015, 255));
    Option2 = option("Option2", Intermediate(), TwipsRect(7680, 2640, 3015, 255));
    Option3 = option("Option3", Professional(), TwipsRect(7680, 3120, 3015, 255));
    Line4 = line("Line4", 7680, 10680, 3600);
    cmdMathCheck = button("cmdMathCheck", CheckYourProgress(), TwipsRect(7800, 3840, 2655, 495), CheckTip());
    newGame = button("newGame", CreateNewPuzzle(), TwipsRect(7800, 4560, 2655, 495), CreateTip());
    cmdQuit = button("cmdQuit", Quit(), TwipsRect(7800, 5280, 1215, 495), QuitTip());
    Command4 = button("Command4", Solve(), TwipsRect(9240, 5280, 1215, 495), QString());
    Label3 = label("Label3", LegendHeading(), TwipsRect(7680, 6240, 3015, 255), bold, Qt::AlignHCenter);
    Line6 = line("Line6", 7680, 10680, 6480);
    Label4 = swatch("Label4", TwipsRect(7680, 6720, 735, 255), ErrorBack, RedSwatch());
    Label6 = label("Label6", IncorrectEntry(), TwipsRect(8640, 6720, 2055, 255), plain);
    Label5 = swatch("Label5", TwipsRect(7680, 7200, 735, 255), QColor(128, 128, 128), GreySwatch());
    Label7 = label("Label7", CorrectEntry(), TwipsRect(8640, 7200, 2055, 255), plain);

    Option2->setChecked(true);
    for (QRadioButton* level : {Option1, Option2, Option3})
        connect(level, &QRadioButton::toggled, this, &frmsudoku::keepTabOnChosenLevel);
    keepTabOnChosenLevel();
    connect(newGame, &QPushButton::clicked, this, &frmsudoku::newGame_Click);
    connect(cmdMathCheck, &QPushButton::clicked, this, &frmsudoku::cmdMathCheck_Click);
    connect(Command4, &QPushButton::clicked, this, &frmsudoku::Command4_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmsudoku::cmdQuit_Click);
}

void frmsudoku::buildBottomRow()
{
    const QFont plain = WindowFont(8.25);
    const QCursor hand = HandCursor();

    Label8 = new QLabel(gameTexts::VisitOurSite(), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(TwipsRect(240, 7560, 1695, 255));
    Label8->setFont(plain);

    Label9 = new LinkLabel(gameTexts::Maker(), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(TwipsRect(2040, 7560, 2175, 255));
    Label9->setFont(WindowFont(8.25, false, true));
    QPalette blue = Label9->palette();
    blue.setColor(QPalette::WindowText, LinkBlue);
    Label9->setPalette(blue);
    Label9->setCursor(hand);
    Label9->setAccessibleDescription(gameTexts::SiteLinkDescription());
    connect(Label9, &LinkLabel::clicked, this, &frmsudoku::Label9_Click);

    // The pictures' own background is the desktop's window colour, which only
    // shows where a logo is transparent.
    QPalette system = palette();
    system.setColor(QPalette::Base, QGuiApplication::palette().color(QPalette::Base));
    const std::array<int, 3> left{4560, 5040, 5520};
    const std::array<const char*, 3> file{"facebook", "twitter", "linkedin"};
    const std::array<QString, 3> name{gameTexts::FacebookName(), gameTexts::TwitterName(), gameTexts::LinkedInName()};
    const std::array<QString, 3> tip{gameTexts::FacebookTip(), gameTexts::TwitterTip(), gameTexts::LinkedInTip()};
    for (int index = 0; index < 3; ++index) {
        auto* picture = new LinkPicture(this);
        picture->setObjectName(QStringLiteral("Picture3_%1").arg(index));
        picture->setGeometry(TwipsRect(left[index], 7560, 240, 240));
        picture->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(file[index]))));
        picture->setPalette(system);
        picture->setToolTip(tip[index]);
        picture->setAccessibleName(name[index]);
        picture->setCursor(hand);
        connect(picture, &LinkPicture::clicked, this, [this, index] { Picture3_Click(index); });
        Picture3[index] = picture;
    }

    Label11 = new QLabel(gameTexts::Copyright(), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setGeometry(TwipsRect(1200, 7920, 4815, 255));
    Label11->setFont(plain);
    Label11->setAlignment(Qt::AlignCenter);
}

void frmsudoku::keepTabOnChosenLevel()
{
    // The options are one tab stop, at the chosen level, as in every group of
    // options; the arrow keys move within the group.
    for (QRadioButton* level : {Option1, Option2, Option3})
        level->setFocusPolicy(level->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmsudoku::buildBoard()
{
    const QFont cellFont = WindowFont(27, true);
    for (int index = 0; index < TileCount; ++index) {
        int column = 0;
        int row = 0;
        gridText::CellPosition(index, column, row);
        auto* cell = new TextCell(this);
        cell->setObjectName(QStringLiteral("tile_%1").arg(index));
        cell->setBoardIndex(index);
        cell->setGeometry(Twips(CellEdges[column - 1]), Twips(CellEdges[row - 1]), Twips(CellSize), Twips(CellSize));
        cell->setFont(cellFont);
        connect(cell, &TextCell::changed, this, [this, index] { tile_Change(index); });
        connect(cell, &TextCell::leaveRequested, this, [this, index](Qt::Key key) { moveFromCell(index, key); });
        tile[index] = cell;
    }
}

void frmsudoku::orderTabStops()
{
    std::vector<std::pair<int, QWidget*>> order{
        {0, newGame}, {1, cmdQuit},   {2, cmdMathCheck}, {4, Option3},       {5, Option2},
        {6, Option1}, {17, Command4}, {99, Picture3[2]}, {100, Picture3[1]}, {101, Picture3[0]},
    };
    for (int index = 0; index < TileCount; ++index) order.emplace_back(TileTabIndex[index], tile[index]);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t n = 1; n < order.size(); ++n) setTabOrder(order[n - 1].second, order[n].second);
}

// ---- Start-up ---------------------------------------------------------------

void frmsudoku::Form_Load()
{
    SetIcon(this, QStringLiteral("AAA"), true);

    const QString face = FontFaceForOsMajor(OsMajorVersion());
    if (!face.isEmpty()) applyFontFace(face);

    setWindowTitle(QStringLiteral("%1 %2.%3")
                       .arg(gameTexts::Product())
                       .arg(productInfo::VersionMajor)
                       .arg(productInfo::VersionMinor));

    Randomize();

    // Centred with the frame the window system expects to draw, title bar
    // included; a platform that only reports the frame once the window is
    // shown gets the window centred again then (see event()).
    m_centredFrame = frameExtents::Expected(*this);
    centreOnScreen(*m_centredFrame);
    show();
    settleOnFrame();
    // Paint the window before the puzzle is made.
    QCoreApplication::processEvents();

    newGame_Click();
}

// Places the window so that its frame, with these margins around the client
// area, is centred on the screen's available area.
void frmsudoku::centreOnScreen(QMargins frame)
{
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QSize whole = size().grownBy(frame);
    const QPoint frameTopLeft(available.left() + (available.width() - whole.width()) / 2,
                              available.top() + (available.height() - whole.height()) / 2);
    setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size()));
}

// Once the platform reports the window's frame, centres the window again if
// the frame is not the one it was centred with; after that the window stays
// where it is, and where the player puts it.
void frmsudoku::settleOnFrame()
{
    if (!m_centredFrame) return;
    const QMargins reported = frameExtents::Reported(*this);
    if (reported.isNull()) return;
    const QMargins centredWith = *m_centredFrame;
    m_centredFrame.reset();
    if (reported != centredWith) centreOnScreen(reported);
}

bool frmsudoku::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) settleOnFrame();
    return handled;
}

void frmsudoku::SetIcon(QWidget* hwnd, const QString& sIconResName, bool bSetAsAppIcon)
{
    if (!hwnd) return;
    const QIcon icon = LoadIconGroup(sIconResName);
    if (bSetAsAppIcon) {
        // The top of the owner chain stands for the program; the application
        // icon is what the desktop shows for it in its task list.
        QWidget* top = hwnd->window();
        for (QWidget* owner = top->parentWidget(); owner; owner = owner->parentWidget()) top = owner->window();
        if (top != hwnd) top->setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }
    hwnd->setWindowIcon(icon);
}

QString frmsudoku::FontFaceForOsMajor(int major)
{
    if (major == 5) return QStringLiteral("Tahoma");
    if (major >= 6) return QStringLiteral("Segoe UI");
    return {};
}

int frmsudoku::OsMajorVersion()
{
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    return os.type() == QOperatingSystemVersion::Windows ? os.majorVersion() : 0;
}

void frmsudoku::applyFontFace(const QString& face)
{
    // Only the face changes; sizes, weights and underlines stay as they are.
    // The rules have no font.
    const std::array<QWidget*, 5> lines{Line1, Line2, Line3, Line4, Line6};
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(lines.begin(), lines.end(), control) != lines.end()) continue;
        QFont font = control->font();
        font.setFamilies({face, FallbackFace});
        control->setFont(font);
    }
}

// ---- New game ---------------------------------------------------------------

void frmsudoku::Randomize()
{
    if (!m_scriptedDraws) m_random.Randomize();
}

float frmsudoku::Rnd() { return m_scriptedDraws ? m_scriptedDraws() : m_random(); }

void frmsudoku::newGame_Click()
{
    Randomize();
    const std::string key = modGeneratePuzzle::MakeTransformKey([this] { return Rnd(); });
    const std::string solution = modGeneratePuzzle::BuildSolution(key);
    const int level = Option1->isChecked() ? 1 : Option3->isChecked() ? 3 : 2;

    const std::optional<std::string> puzzle = modGlobal::CarveFreshPuzzle(solution, level, [this] { return Rnd(); });
    if (!puzzle) {
        // The game on the board, its solution and its clock stay as they were.
        Module1::StyledMsgBox(gameTexts::GameCreatorError(), modDialogs::vbExclamation,
                              gameTexts::GameCreatorErrorTitle(), this);
        return;
    }

    solutionGrid = solution;
    ShowPuzzle(*puzzle);
    elapsedSeconds = 0;
    Timer1->start();
}

// ---- The board --------------------------------------------------------------

void frmsudoku::ShowPuzzle(const std::string& puzzle)
{
    // The digits of the puzzle, indexed [column][row], both 1..9 (0 for a blank).
    std::array<std::array<std::int16_t, 10>, 10> boardDigits{};

    // Each cell's text is written while the cell still has the lock the
    // previous puzzle left: an open cell runs the entry rules on the write (a
    // new given passes through the entered-digit look for a moment), a
    // previous given does not.
    int p = 0;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            ++p;
            TextCell& cell = *tile[gridText::CellIndex(c, r)];
            const char digit = p <= static_cast<int>(puzzle.size()) ? puzzle[p - 1] : gridText::BlankCell;
            boardDigits[c][r] = static_cast<std::int16_t>(digit >= '1' && digit <= '9' ? digit - '0' : 0);
            cell.setMaxLength(MaxNoteLength);
            const int d = boardDigits[c][r];
            if (d != 0) {
                cell.setText(QString(QChar(u'0' + d)));
                cell.setBackColor(GivenBack);
                cell.setLocked(true);
                cell.setForeColor(GivenText);
                // A cell that already showed this digit was not changed by
                // the write and kept the size the player's text gave it.
                cell.setFontSize(cellEntry::EntryFontSize);
            } else {
                cell.setText(QString());
                cell.setBackColor(OpenBack);
                cell.setLocked(false);
                cell.setForeColor(OpenText);
            }
            // No selection or caret of the last game is left behind.
            cell.setSelStart(cell.text().size());
        }
    }
}

void frmsudoku::tile_Change(int Index)
{
    if (Index < 0 || Index >= TileCount) return;
    TextCell& cell = *tile[Index];
    if (cell.locked()) return;
    const CellGuard guard(cell);

    const QString joined = cellEntry::RemoveLineBreaks(cell.text());
    cell.setText(joined);
    cell.setFontSize(cellEntry::FontSizeForLength(joined.size()));
    cell.setText(cellEntry::LayOutDigits(joined));
    cell.setSelStart(cell.text().size());
    cell.setBackColor(cell.text().size() == 1 ? EnteredDigitBack : OpenBack);
}

void frmsudoku::moveFromCell(int index, Qt::Key direction)
{
    int column = 0;
    int row = 0;
    gridText::CellPosition(index, column, row);
    switch (direction) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    default: return;
    }
    if (column < 1 || column > 9 || row < 1 || row > 9) return;
    TextCell* target = tile[gridText::CellIndex(column, row)];
    target->setFocus(Qt::OtherFocusReason);
    // Moving right starts at the beginning of the text, any other way at its end.
    target->setSelStart(direction == Qt::Key_Right ? 0 : target->text().size());
}

// ---- Checking, solving, the clock ---------------------------------------------

bool frmsudoku::CheckForErrors()
{
    boardRules::BoardTexts texts;
    boardRules::BoardLocks locked{};
    for (int index = 0; index < TileCount; ++index) {
        texts[index] = tile[index]->text().toStdString();
        locked[index] = tile[index]->locked();
    }
    const std::vector<int> clashes = boardRules::FindClashes(texts, locked);
    for (int index : clashes) tile[index]->setBackColor(ErrorBack);
    return clashes.empty();
}

void frmsudoku::cmdMathCheck_Click()
{
    const bool correct = CheckForErrors();
    Module1::StyledMsgBox(correct ? gameTexts::NoErrors() : gameTexts::ErrorsFound(), modDialogs::vbInformation,
                          gameTexts::Product(), this);
    addSeconds(4);
}

void frmsudoku::Command4_Click()
{
    using namespace modDialogs;
    const bool complete =
        std::all_of(tile.begin(), tile.end(), [](const TextCell* cell) { return cell->text().size() == 1; });
    auto offerSolution = [this](const QString& question) {
        return Module1::StyledMsgBox(question, vbYesNo + vbQuestion, gameTexts::Product(), this) == vbYes;
    };

    bool showSolution = false;
    if (!complete) {
        showSolution = offerSolution(gameTexts::NotComplete());
    } else if (CheckForErrors()) {
        // The clock stops the moment the puzzle is found finished, so the time
        // quoted, the time left on the clock and any later congratulation
        // agree, and no tick lands while the message is open.
        const QString caption = lblTimer->text();
        Timer1->stop();
        Module1::StyledMsgBox(gameTexts::CompletedIn(caption), vbInformation, gameTexts::CongratulationsTitle(), this);
        return;
    } else {
        showSolution = offerSolution(gameTexts::CompleteWithErrors());
    }

    if (!showSolution) {
        addSeconds(5);
        return;
    }

    Timer1->stop();
    for (int index = 0; index < TileCount && index < static_cast<int>(solutionGrid.size()); ++index) {
        TextCell& cell = *tile[index];
        const QString digit(QChar::fromLatin1(solutionGrid[index]));
        if (cell.text() == digit) continue;
        const CellGuard guard(cell);
        cell.setBackColor(RevealedBack);
        cell.setFontSize(cellEntry::EntryFontSize);
        cell.setText(digit);
    }
}

void frmsudoku::addSeconds(int seconds) { elapsedSeconds = SaturatingAdd(elapsedSeconds, seconds); }

void frmsudoku::Timer1_Timer()
{
    addSeconds(1);
    lblTimer->setText(ClockCaption(elapsedSeconds));
}

QString frmsudoku::ClockCaption(std::int32_t seconds)
{
    const std::int32_t total = std::max<std::int32_t>(seconds, 0);
    const std::int32_t hours = total / 3600;
    const std::int32_t rest = total - hours * 3600;
    const std::int32_t minutes = rest / 60;
    auto field = [](std::int32_t value) { return QString::number(value).rightJustified(2, u'0'); };
    return field(hours) + u':' + field(minutes) + u' ' + field(rest - minutes * 60);
}

// ---- Links and quit -------------------------------------------------------------

void frmsudoku::Label9_Click() { OpenAddress(productInfo::SiteUrl); }

void frmsudoku::Picture3_Click(int Index)
{
    switch (Index) {
    case 0: return OpenAddress(productInfo::FacebookUrl);
    case 1: return OpenAddress(productInfo::TwitterUrl);
    case 2: return OpenAddress(productInfo::LinkedInUrl);
    default: return;
    }
}

void frmsudoku::cmdQuit_Click() { close(); }
