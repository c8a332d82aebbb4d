// Tests of the styled message box: the one-shot colour filter, the colours it puts on screen, and MsgBox's styles and answers.
#include "dialogs/modDialogs.h"
#include "msgBoxDriver.h"

#include <QtTest>

#include <QBitmap>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <limits>

namespace modDialogs {

// Lets QCOMPARE print the machine's state by name.
char* toString(DialogState state)
{
    switch (state) {
    case DialogState::Idle: return qstrdup("Idle");
    case DialogState::Armed: return qstrdup("Armed");
    case DialogState::Styling: return qstrdup("Styling");
    }
    return qstrdup("?");
}

} // namespace modDialogs

using namespace modDialogs;

namespace {

constexpr std::uint32_t Black = ColorRef(0, 0, 0);
constexpr std::uint32_t LightYellow = ColorRef(255, 255, 224);
constexpr std::uint32_t LightGreen = ColorRef(224, 255, 224);
constexpr std::uint32_t LightBlue = ColorRef(200, 220, 255);
constexpr std::uint32_t Red = ColorRef(200, 0, 0);
constexpr std::uint32_t Blue = ColorRef(0, 0, 200);
constexpr std::uint32_t NearBlack = ColorRef(30, 30, 30);
const QColor LightText(240, 240, 240);

QColor PixelAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).toRgb();
}

QRect RectIn(const QWidget* widget, const QWidget* top)
{
    return QRect(widget->mapTo(top, QPoint(0, 0)), widget->size());
}

bool AnyPixel(const QImage& image, const QRect& area, const std::function<bool(const QColor&)>& test)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(PixelAt(image, x, y))) return true;
    return false;
}

bool IsDark(const QColor& c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
bool IsRedText(const QColor& c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
bool IsLight(const QColor& c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

// What a test needs to know about a box while it is open: where its texts
// and buttons are, and how the machine stands.
struct BoxShot {
    QRect prompt;
    QList<QRect> holes; // every visible label and button: the rest is background
    QList<QRect> buttons;
    QPalette promptPalette;
    QColor platformWindow;
    DialogState state = DialogState::Idle;
    bool filterInstalled = false;
    Qt::TextFormat textFormat = Qt::AutoText;
    bool valid = false;
};

BoxShot Shoot(QMessageBox* box)
{
    BoxShot shot;
    const auto labels = box->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (!label->isVisible()) continue;
        shot.holes.append(RectIn(label, box));
        if (label->text() == box->text()) {
            shot.prompt = RectIn(label, box);
            shot.promptPalette = label->palette();
            shot.textFormat = label->textFormat();
        }
    }
    const auto buttons = box->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (button->isVisible()) {
            shot.holes.append(RectIn(button, box));
            shot.buttons.append(RectIn(button, box));
        }
    shot.platformWindow = QApplication::palette(box).color(QPalette::Window);
    shot.state = State();
    shot.filterInstalled = FilterInstalled();
    shot.valid = !shot.prompt.isEmpty();
    return shot;
}

MsgBoxDriver::WhileOpen ShootInto(BoxShot& shot, std::function<void()> first = {})
{
    return [&shot, first](QMessageBox* box) {
        if (first) first();
        shot = Shoot(box);
    };
}

// Counts background pixels (outside every label and button) that differ
// from what expected gives for their position; checked counts them all.
int BackgroundMismatches(const QImage& image, const QList<QRect>& holes,
                         const std::function<QRgb(int, int)>& expected, int* checked = nullptr)
{
    int wrong = 0;
    int seen = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint p(x, y);
            if (std::any_of(holes.begin(), holes.end(), [p](const QRect& r) { return r.contains(p); })) continue;
            ++seen;
            if ((image.pixel(x, y) & 0xFFFFFF) != (expected(x, y) & 0xFFFFFF)) ++wrong;
        }
    }
    if (checked) *checked = seen;
    return wrong;
}

QRgb Solid(std::uint32_t colorRef)
{
    return FromColorRef(colorRef).rgb();
}

// A 3 x 2 picture of six pale colours: any misplaced tile shows.
QImage TilePicture()
{
    QImage tile(3, 2, QImage::Format_RGB32);
    const QRgb colours[6] = {qRgb(250, 200, 200), qRgb(200, 250, 200), qRgb(200, 200, 250),
                             qRgb(250, 250, 200), qRgb(200, 250, 250), qRgb(250, 200, 250)};
    for (int i = 0; i < 6; ++i) tile.setPixel(i % 3, i / 3, colours[i]);
    return tile;
}

// Ends any arming or styling a failed test left behind, so that the next
// test starts from Idle.
void DrainMachine()
{
    if (State() == DialogState::Styling) {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows)
            if (qobject_cast<QDialog*>(w)) delete w;
    }
    if (State() == DialogState::Armed) {
        QDialog catcher;
        catcher.ensurePolished();
    }
}

} // namespace

class TestModDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void colorRef_data();
    void colorRef();
    void contrastRatio_data();
    void contrastRatio();
    void readableTextColor_data();
    void readableTextColor();

    void msgBoxStyles_data();
    void msgBoxStyles();
    void msgBoxShowsPromptAsPlainText();
    void msgBoxOwnerDefaultsToActiveWindow();
    void msgBoxSurvivesOwnerDeletedWhileOpen();

    void machineRunsIdleArmedStylingIdle();
    void styledBoxShowsColoursOnScreen();
    void pictureTilesBackground_data();
    void pictureTilesBackground();
    void secondBoxWithoutCallHasPlatformColours();
    void plainWindowIsNeverTouched();
    void onlyFirstArgumentColoursOnlyText();
    void argumentKinds_data();
    void argumentKinds();
    void callWhileArmedReplacesColours();
    void callWhileStylingRecoloursText();
    void editBoxesTakeEditColours();
    void darkBackgroundGetsReadableText();
    void styledDialogGoneAnyWay_data();
    void styledDialogGoneAnyWay();
    void onlyOneDialogStyledAtATime();
    void manyBoxesLeaveNothingBehind();

    void driverReportsMissingBox();
    void driverClosesUnexpectedBox();
    void driverClosesBoxWithoutAskedButton();

private:
    QPalette platformPalette;
    QObject someObject; // an object passed where a colour belongs
};

void TestModDialogs::initTestCase()
{
    platformPalette = QApplication::palette();
}

void TestModDialogs::init()
{
    QCOMPARE(State(), DialogState::Idle);
    QVERIFY(!FilterInstalled());
}

void TestModDialogs::cleanup()
{
    QApplication::setPalette(platformPalette);
    const DialogState left = State();
    DrainMachine();
    QCOMPARE(left, DialogState::Idle);
    QVERIFY(!FilterInstalled());
}

// --- Colour values

void TestModDialogs::colorRef_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<uint>("back"); // ToColorRef(color)

    QTest::newRow("light yellow") << uint(0x00E0FFFF) << QColor(255, 255, 224) << uint(0x00E0FFFF);
    QTest::newRow("channels in order") << uint(0x00030201) << QColor(1, 2, 3) << uint(0x00030201);
    QTest::newRow("black") << uint(0) << QColor(0, 0, 0) << uint(0);
    QTest::newRow("top byte ignored") << uint(0x80000005) << QColor(5, 0, 0) << uint(0x00000005);
}

void TestModDialogs::colorRef()
{
    QFETCH(uint, value);
    QFETCH(QColor, color);
    QFETCH(uint, back);
    QCOMPARE(FromColorRef(value), color);
    QCOMPARE(ToColorRef(color), back);
    QCOMPARE(ToColorRef(QColor::fromHsv(color.hsvHue(), color.hsvSaturation(), color.value())), back);
}

void TestModDialogs::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");

    // The WCAG extremes, and the grey that is known to just pass 4.5:1 on white.
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("same colour") << QColor(30, 30, 30) << QColor(30, 30, 30) << 1.0;
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("invalid colour") << QColor() << QColor(Qt::white) << 1.0;
}

void TestModDialogs::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(ContrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(ContrastRatio(a, b))));
}

void TestModDialogs::readableTextColor_data()
{
    QTest::addColumn<uint>("background");
    QTest::addColumn<QColor>("platformText");
    QTest::addColumn<uint>("expected");

    const uint light = ToColorRef(LightText);
    QTest::newRow("white keeps black") << uint(ColorRef(255, 255, 255)) << LightText << uint(Black);
    QTest::newRow("light yellow keeps black") << uint(LightYellow) << LightText << uint(Black);
    QTest::newRow("near-black takes platform text") << uint(NearBlack) << LightText << light;
    // Black on grey 117 is 4.56:1, on grey 116 only 4.49:1; there the light
    // text reaches only 4.10:1 and white 4.67:1. On grey 100 the light text
    // gives 5.19:1.
    QTest::newRow("grey 117 keeps black") << uint(ColorRef(117, 117, 117)) << LightText << uint(Black);
    QTest::newRow("grey 116 gives white") << uint(ColorRef(116, 116, 116)) << LightText
                                          << uint(ColorRef(255, 255, 255));
    QTest::newRow("grey 100 takes platform text") << uint(ColorRef(100, 100, 100)) << LightText << light;
    QTest::newRow("dark blue takes platform text") << uint(ColorRef(0, 0, 128)) << LightText << light;
    QTest::newRow("unreadable platform text gives white")
        << uint(NearBlack) << QColor(20, 20, 20) << uint(ColorRef(255, 255, 255));
}

void TestModDialogs::readableTextColor()
{
    QFETCH(uint, background);
    QFETCH(QColor, platformText);
    QFETCH(uint, expected);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Text, platformText);
    QApplication::setPalette(palette);

    const std::uint32_t text = ReadableTextColor(background);
    QCOMPARE(text, std::uint32_t(expected));
    QVERIFY(ContrastRatio(FromColorRef(text), FromColorRef(background)) >= 4.5);
}

// --- MsgBox

void TestModDialogs::msgBoxStyles_data()
{
    using SB = QMessageBox::StandardButton;
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("action"); // MsgBoxDriver::Action
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<int>("answer");

    const int press = int(MsgBoxDriver::Action::Press);
    const int escape = int(MsgBoxDriver::Action::Escape);
    const int close = int(MsgBoxDriver::Action::CloseWindow);
    const QMessageBox::StandardButtons yesNo = SB::Yes | SB::No;

    QTest::newRow("0 OK") << 0 << press << SB::Ok << QMessageBox::NoIcon << QMessageBox::StandardButtons(SB::Ok)
                          << SB::Ok << vbOK;
    QTest::newRow("0 Escape") << 0 << escape << SB::NoButton << QMessageBox::NoIcon
                              << QMessageBox::StandardButtons(SB::Ok) << SB::Ok << vbOK;
    QTest::newRow("48 exclamation") << 48 << press << SB::Ok << QMessageBox::Warning
                                    << QMessageBox::StandardButtons(SB::Ok) << SB::Ok << vbOK;
    QTest::newRow("64 information") << 64 << press << SB::Ok << QMessageBox::Information
                                    << QMessageBox::StandardButtons(SB::Ok) << SB::Ok << vbOK;
    QTest::newRow("36 Yes") << 36 << press << SB::Yes << QMessageBox::Question << yesNo << SB::Yes << vbYes;
    QTest::newRow("36 No") << 36 << press << SB::No << QMessageBox::Question << yesNo << SB::Yes << vbNo;
    QTest::newRow("36 Escape") << 36 << escape << SB::NoButton << QMessageBox::Question << yesNo << SB::Yes << vbNo;
    QTest::newRow("36 close button") << 36 << close << SB::NoButton << QMessageBox::Question << yesNo << SB::Yes
                                     << vbNo;
    QTest::newRow("36 + second default") << 36 + vbDefaultButton2 << press << SB::No << QMessageBox::Question
                                         << yesNo << SB::No << vbNo;
    QTest::newRow("17 critical Escape") << 17 << escape << SB::NoButton << QMessageBox::Critical
                                        << (SB::Ok | SB::Cancel) << SB::Ok << vbCancel;
    QTest::newRow("3 Escape") << 3 << escape << SB::NoButton << QMessageBox::NoIcon
                              << (SB::Yes | SB::No | SB::Cancel) << SB::Yes << vbCancel;
    QTest::newRow("5 Retry") << 5 << press << SB::Retry << QMessageBox::NoIcon << (SB::Retry | SB::Cancel)
                             << SB::Retry << vbRetry;
    QTest::newRow("2 Ignore") << 2 << press << SB::Ignore << QMessageBox::NoIcon
                              << (SB::Abort | SB::Retry | SB::Ignore) << SB::Abort << vbIgnore;
    QTest::newRow("2 Escape") << 2 << escape << SB::NoButton << QMessageBox::NoIcon
                              << (SB::Abort | SB::Retry | SB::Ignore) << SB::Abort << vbAbort;
    QTest::newRow("unknown buttons and icon") << 0x5E << press << SB::Ok << QMessageBox::NoIcon
                                              << QMessageBox::StandardButtons(SB::Ok) << SB::Ok << vbOK;
}

void TestModDialogs::msgBoxStyles()
{
    QFETCH(int, style);
    QFETCH(int, action);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(int, answer);

    MsgBoxDriver driver;
    switch (MsgBoxDriver::Action(action)) {
    case MsgBoxDriver::Action::Press: driver.answer(press); break;
    case MsgBoxDriver::Action::Escape: driver.pressEscape(); break;
    case MsgBoxDriver::Action::CloseWindow: driver.closeWindow(); break;
    }
    const QString prompt = QStringLiteral("Your puzzle is not complete.  Do you want the solution now?");
    const int got = MsgBox(prompt, style, QStringLiteral("Pellwick Sudoku"));

    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), 1);
    QCOMPARE(got, answer);
    QVERIFY(got != vbYes || press == QMessageBox::Yes);
    const MsgBoxDriver::Box& box = driver.last();
    QCOMPARE(box.objectName, QString::fromLatin1(MsgBoxObjectName));
    QCOMPARE(box.title, QStringLiteral("Pellwick Sudoku"));
    QCOMPARE(box.text, prompt);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.defaultButton, defaultButton);
    QCOMPARE(State(), DialogState::Idle);
    const auto windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<QMessageBox*>(w); }));
}

void TestModDialogs::msgBoxShowsPromptAsPlainText()
{
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot));
    const QString prompt = QStringLiteral("<b>Game</b> & <i>Creator</i>");
    QCOMPARE(MsgBox(prompt, vbOKOnly, QString()), vbOK);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QVERIFY(shot.valid);
    QCOMPARE(shot.textFormat, Qt::PlainText);
    QCOMPARE(driver.text(), prompt);
    // An empty title falls back to the application's name.
    QCOMPARE(driver.title(), QGuiApplication::applicationDisplayName());
}

void TestModDialogs::msgBoxOwnerDefaultsToActiveWindow()
{
    QWidget window;
    window.resize(200, 100);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QWidget other;
    MsgBoxDriver driver;
    driver.answer(QMessageBox::Ok).answer(QMessageBox::Ok);
    MsgBox(QStringLiteral("first"), vbOKOnly, QStringLiteral("t"));
    MsgBox(QStringLiteral("second"), vbOKOnly, QStringLiteral("t"), &other);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), 2);
    QCOMPARE(driver.box(0).owner.data(), &window);
    QCOMPARE(driver.box(1).owner.data(), &other);
}

void TestModDialogs::msgBoxSurvivesOwnerDeletedWhileOpen()
{
    auto* owner = new QWidget;
    owner->show();
    QPointer<QWidget> watch(owner);
    MsgBoxDriver driver;
    DialogState during = DialogState::Idle;
    driver.answer(QMessageBox::Yes, [&](QMessageBox*) {
        during = State();
        delete owner; // takes the box, its child, with it
    });
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    const int got = MsgBox(QStringLiteral("Do you want the solution now?"), vbYesNo + vbQuestion,
                           QStringLiteral("Pellwick Sudoku"), owner);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QVERIFY(!watch);
    QCOMPARE(during, DialogState::Styling);
    QCOMPARE(got, vbNo);
    QCOMPARE(State(), DialogState::Idle);
}

// --- The colour machine

void TestModDialogs::machineRunsIdleArmedStylingIdle()
{
    QCOMPARE(State(), DialogState::Idle);
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    QCOMPARE(State(), DialogState::Armed);
    QVERIFY(FilterInstalled());

    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot));
    QCOMPARE(MsgBox(QStringLiteral("Great Job!  No errors in your puzzle!"), vbInformation,
                    QStringLiteral("Pellwick Sudoku")),
             vbOK);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(shot.state, DialogState::Styling);
    QVERIFY(shot.filterInstalled);
    QCOMPARE(State(), DialogState::Idle);
    QVERIFY(!FilterInstalled());

    // The filter is really gone: a dialog polished now stays as it is.
    QDialog later;
    later.ensurePolished();
    QCOMPARE(State(), DialogState::Idle);
    QCOMPARE(later.palette().resolveMask(), QPalette::ResolveMask(0));
}

void TestModDialogs::styledBoxShowsColoursOnScreen()
{
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot));
    MsgBox(QStringLiteral("Errors were found in your puzzle.  Try again!"), vbInformation,
           QStringLiteral("Pellwick Sudoku"));
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QVERIFY(shot.valid);

    const QImage image = driver.image();
    QVERIFY(!image.isNull());
    // The face, the space around the buttons and behind the texts all show
    // the dialog colour; the prompt is written in black on it.
    int checked = 0;
    QCOMPARE(BackgroundMismatches(image, shot.holes, [](int, int) { return Solid(LightYellow); }, &checked), 0);
    QVERIFY(checked > image.width() * 4);
    QVERIFY(AnyPixel(image, shot.prompt, IsDark));
    QCOMPARE(PixelAt(image, shot.prompt.right() - 1, shot.prompt.top() + 1), FromColorRef(LightYellow));
    QCOMPARE(shot.promptPalette.color(QPalette::WindowText), FromColorRef(Black));
}

void TestModDialogs::pictureTilesBackground_data()
{
    QTest::addColumn<QVariant>("picture");
    const QImage tile = TilePicture();
    QTest::newRow("QPixmap") << QVariant(QPixmap::fromImage(tile));
    QTest::newRow("QImage") << QVariant(tile);
}

void TestModDialogs::pictureTilesBackground()
{
    QFETCH(QVariant, picture);
    const QImage tile = TilePicture();
    SetDialogColors(Black, picture, Black, LightYellow);
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot));
    MsgBox(QStringLiteral("Congratulations!  You completed this puzzle in 00:12 34"), vbInformation,
           QStringLiteral("Congratulations!"));
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));

    const QImage image = driver.image();
    int checked = 0;
    const int wrong = BackgroundMismatches(
        image, shot.holes, [&tile](int x, int y) { return tile.pixel(x % tile.width(), y % tile.height()); }, &checked);
    QCOMPARE(wrong, 0);
    QVERIFY(checked > image.width() * 4);
    QVERIFY(AnyPixel(image, shot.prompt, IsDark));
    QCOMPARE(State(), DialogState::Idle);
}

void TestModDialogs::secondBoxWithoutCallHasPlatformColours()
{
    MsgBoxDriver driver;
    BoxShot plain, styled, second;
    driver.answer(QMessageBox::Ok, ShootInto(plain))
        .answer(QMessageBox::Ok, ShootInto(styled))
        .answer(QMessageBox::Ok, ShootInto(second));

    MsgBox(QStringLiteral("Unstyled"), vbInformation, QStringLiteral("t"));
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    MsgBox(QStringLiteral("Styled"), vbInformation, QStringLiteral("t"));
    QVERIFY(!FilterInstalled());
    MsgBox(QStringLiteral("Second"), vbInformation, QStringLiteral("t"));
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), 3);

    const QColor own = plain.platformWindow;
    QVERIFY(own != FromColorRef(LightYellow));
    QCOMPARE(PixelAt(driver.box(0).image, 2, 2), own);
    QCOMPARE(PixelAt(driver.box(1).image, 2, 2), FromColorRef(LightYellow));
    QCOMPARE(PixelAt(driver.box(2).image, 2, 2), own);
    QCOMPARE(second.state, DialogState::Idle);
    QCOMPARE(second.promptPalette.color(QPalette::WindowText), plain.promptPalette.color(QPalette::WindowText));
    QCOMPARE(BackgroundMismatches(driver.box(2).image, second.holes, [&own](int, int) { return own.rgb(); }), 0);
}

void TestModDialogs::plainWindowIsNeverTouched()
{
    SetDialogColors(Red, LightYellow, Blue, LightGreen);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Label"));
    auto* edit = new QLineEdit(QStringLiteral("Edit"));
    // A dialog class used as a plain child widget is not a dialog window.
    auto* embedded = new QDialog(nullptr, Qt::Widget);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(embedded);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(State(), DialogState::Armed);
    QVERIFY(FilterInstalled());
    for (QWidget* w : {static_cast<QWidget*>(&window), static_cast<QWidget*>(label), static_cast<QWidget*>(edit),
                       static_cast<QWidget*>(embedded)}) {
        QCOMPARE(w->palette().resolveMask(), QPalette::ResolveMask(0));
        QVERIFY(!w->autoFillBackground());
    }
    const QImage image = window.grab().toImage();
    QCOMPARE(PixelAt(image, 1, 1), QApplication::palette(&window).color(QPalette::Window));

    // Still armed: the next real dialog is the one that gets the colours.
    QDialog dialog;
    dialog.ensurePolished();
    QCOMPARE(State(), DialogState::Styling);
    QCOMPARE(dialog.palette().color(QPalette::Window), FromColorRef(LightYellow));
}

void TestModDialogs::onlyFirstArgumentColoursOnlyText()
{
    SetDialogColors(Red);
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot));
    MsgBox(QStringLiteral("Red text"), vbOKOnly, QStringLiteral("t"));
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));

    const QImage image = driver.image();
    const QRgb own = shot.platformWindow.rgb();
    QCOMPARE(BackgroundMismatches(image, shot.holes, [own](int, int) { return own; }), 0);
    QCOMPARE(shot.promptPalette.color(QPalette::WindowText), FromColorRef(Red));
    QVERIFY(AnyPixel(image, shot.prompt, IsRedText));
    QVERIFY(!AnyPixel(image, shot.prompt, IsDark));
}

void TestModDialogs::argumentKinds_data()
{
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<bool>("isColour");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<bool>("isPicture"); // as a background only

    const uint yellow = LightYellow;
    QTest::newRow("int") << QVariant(int(yellow)) << true << yellow << false;
    QTest::newRow("uint") << QVariant(yellow) << true << yellow << false;
    QTest::newRow("qlonglong") << QVariant(qlonglong(yellow)) << true << yellow << false;
    QTest::newRow("double") << QVariant(double(yellow)) << true << yellow << false;
    QTest::newRow("double rounds") << QVariant(double(yellow) + 0.4) << true << yellow << false;
    QTest::newRow("-1 is all bits") << QVariant(-1) << true << uint(ColorRef(255, 255, 255)) << false;
    QTest::newRow("decimal text") << QVariant(QStringLiteral("14745599")) << true << yellow << false;
    QTest::newRow("decimal text with blanks") << QVariant(QStringLiteral(" 14745599 ")) << true << yellow << false;
    QTest::newRow("&H text") << QVariant(QStringLiteral("&HE0FFFF")) << true << yellow << false;
    QTest::newRow("0x text") << QVariant(QStringLiteral("0xe0ffff")) << true << yellow << false;
    QTest::newRow("exponent text") << QVariant(QStringLiteral("1e3")) << true << uint(1000) << false;
    QTest::newRow("byte array text") << QVariant(QByteArray("14745599")) << true << yellow << false;
    QTest::newRow("word text") << QVariant(QStringLiteral("yellow")) << false << 0u << false;
    QTest::newRow("empty text") << QVariant(QString()) << false << 0u << false;
    QTest::newRow("number then letters") << QVariant(QStringLiteral("12abc")) << false << 0u << false;
    QTest::newRow("bare &H") << QVariant(QStringLiteral("&H")) << false << 0u << false;
    QTest::newRow("nine hex digits") << QVariant(QStringLiteral("&H1E0FFFF00")) << false << 0u << false;
    QTest::newRow("non-ASCII hex digit") << QVariant(QStringLiteral("&H\u0663")) << false << 0u << false;
    QTest::newRow("signed hex") << QVariant(QStringLiteral("0x-1")) << false << 0u << false;
    QTest::newRow("above 32 bits") << QVariant(qlonglong(1) << 32) << false << 0u << false;
    QTest::newRow("below -2^31") << QVariant(qlonglong(std::numeric_limits<std::int32_t>::min()) - 1) << false << 0u
                                 << false;
    QTest::newRow("not a number") << QVariant(std::numeric_limits<double>::quiet_NaN()) << false << 0u << false;
    QTest::newRow("Boolean") << QVariant(true) << false << 0u << false;
    QTest::newRow("object") << QVariant::fromValue(&someObject) << false << 0u << false;
    QTest::newRow("date") << QVariant(QDate(2024, 1, 2)) << false << 0u << false;
    QTest::newRow("QColor") << QVariant(QColor(Qt::yellow)) << false << 0u << false;
    QTest::newRow("picture") << QVariant(QPixmap::fromImage(TilePicture())) << false << 0u << true;
    QTest::newRow("bitmap picture") << QVariant(QBitmap(4, 4)) << false << 0u << true;
    QTest::newRow("empty picture") << QVariant(QPixmap()) << false << 0u << false;
}

void TestModDialogs::argumentKinds()
{
    QFETCH(QVariant, argument);
    QFETCH(bool, isColour);
    QFETCH(uint, colour);
    QFETCH(bool, isPicture);

    {
        // As the dialog background.
        SetDialogColors({}, argument);
        QDialog dialog;
        dialog.ensurePolished();
        QCOMPARE(State(), DialogState::Styling);
        const QBrush back = dialog.palette().brush(QPalette::Window);
        if (isColour) {
            QCOMPARE(back.color(), FromColorRef(colour));
            QCOMPARE(back.style(), Qt::SolidPattern);
        } else if (isPicture) {
            QCOMPARE(back.style(), Qt::TexturePattern);
        } else {
            QCOMPARE(back, QApplication::palette(&dialog).brush(QPalette::Window));
            QVERIFY(!dialog.autoFillBackground());
        }
    }
    QCOMPARE(State(), DialogState::Idle);
    {
        // As the dialog text colour, where a picture means nothing.
        SetDialogColors(argument);
        QDialog dialog;
        auto* label = new QLabel(QStringLiteral("text"), &dialog);
        dialog.ensurePolished();
        const QColor text = label->palette().color(QPalette::WindowText);
        QCOMPARE(text, isColour ? FromColorRef(colour) : QApplication::palette(label).color(QPalette::WindowText));
        QCOMPARE(dialog.palette().brush(QPalette::Window), QApplication::palette(&dialog).brush(QPalette::Window));
    }
    QCOMPARE(State(), DialogState::Idle);
}

void TestModDialogs::callWhileArmedReplacesColours()
{
    SetDialogColors(Red, LightYellow, Red, LightYellow);
    SetDialogColors(Blue, LightGreen);
    QCOMPARE(State(), DialogState::Armed);

    SetDialogColors(Black, LightYellow, Black, LightYellow);
    SetDialogColors(Blue, LightGreen, Red);
    QCOMPARE(State(), DialogState::Armed);

    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QStringLiteral("Label"));
    auto* edit = new QLineEdit(QStringLiteral("Edit"));
    layout->addWidget(label);
    layout->addWidget(edit);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.palette().color(QPalette::Window), FromColorRef(LightGreen));
    QCOMPARE(label->palette().color(QPalette::WindowText), FromColorRef(Blue));
    QCOMPARE(edit->palette().color(QPalette::Text), FromColorRef(Red));
    // The edit background was left out of the last call: the platform's own.
    QCOMPARE(edit->palette().color(QPalette::Base), QApplication::palette(edit).color(QPalette::Base));
    const QImage image = dialog.grab().toImage();
    QCOMPARE(PixelAt(image, 1, 1), FromColorRef(LightGreen));
}

void TestModDialogs::callWhileStylingRecoloursText()
{
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Ok, ShootInto(shot, [] { SetDialogColors(Red, LightBlue, Red, LightBlue); }));
    MsgBox(QStringLiteral("Recoloured while open"), vbInformation, QStringLiteral("t"));
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(shot.state, DialogState::Styling);

    const QImage image = driver.image();
    // The text follows at once; the background was made when the box was
    // caught and stays.
    QCOMPARE(shot.promptPalette.color(QPalette::WindowText), FromColorRef(Red));
    QVERIFY(AnyPixel(image, shot.prompt, IsRedText));
    QVERIFY(!AnyPixel(image, shot.prompt, IsDark));
    QCOMPARE(BackgroundMismatches(image, shot.holes, [](int, int) { return Solid(LightYellow); }), 0);
    QCOMPARE(State(), DialogState::Idle);
}

void TestModDialogs::editBoxesTakeEditColours()
{
    SetDialogColors(Red, LightYellow, Blue, LightGreen);
    {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* label = new QLabel(QStringLiteral("Your name:"));
        auto* edit = new QLineEdit(QStringLiteral("typed"));
        auto* fixed = new QLineEdit(QStringLiteral("fixed"));
        fixed->setReadOnly(true);
        auto* notes = new QPlainTextEdit(QStringLiteral("notes"));
        notes->setFixedHeight(60);
        auto* spin = new QSpinBox;
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(edit), static_cast<QWidget*>(fixed),
                           static_cast<QWidget*>(notes), static_cast<QWidget*>(spin)})
            layout->addWidget(w);
        dialog.resize(240, 240);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(State(), DialogState::Styling);

        const QColor red = FromColorRef(Red), blue = FromColorRef(Blue);
        const QColor yellow = FromColorRef(LightYellow), green = FromColorRef(LightGreen);
        QCOMPARE(dialog.palette().color(QPalette::Window), yellow);
        QCOMPARE(label->palette().color(QPalette::WindowText), red);
        QCOMPARE(edit->palette().color(QPalette::Base), green);
        QCOMPARE(edit->palette().color(QPalette::Text), blue);
        QCOMPARE(fixed->palette().color(QPalette::Base), yellow);
        QCOMPARE(fixed->palette().color(QPalette::Text), red);
        QCOMPARE(notes->viewport()->palette().color(QPalette::Base), green);
        QCOMPARE(notes->palette().color(QPalette::Text), blue);
        QLineEdit* spinEdit = spin->findChild<QLineEdit*>();
        QVERIFY(spinEdit);
        QCOMPARE(spinEdit->palette().color(QPalette::Base), green);
        QCOMPARE(spinEdit->palette().color(QPalette::Text), blue);
        // Disabled text keeps the platform's greyed look.
        QCOMPARE(label->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QApplication::palette(label).color(QPalette::Disabled, QPalette::WindowText));

        const QImage image = dialog.grab().toImage();
        QCOMPARE(PixelAt(image, 1, 1), yellow);
        const QRect editRect = RectIn(edit, &dialog);
        QCOMPARE(PixelAt(image, editRect.right() - 5, editRect.center().y()), green);
        QVERIFY(AnyPixel(image, editRect, [](const QColor& c) { return c.blue() > 150 && c.red() < 90; }));
        const QRect fixedRect = RectIn(fixed, &dialog);
        QCOMPARE(PixelAt(image, fixedRect.right() - 5, fixedRect.center().y()), yellow);
        const QRect notesRect = RectIn(notes->viewport(), &dialog);
        QCOMPARE(PixelAt(image, notesRect.right() - 3, notesRect.bottom() - 3), green);
        QVERIFY(AnyPixel(image, RectIn(label, &dialog), IsRedText));

        // An edit box added while the dialog is being styled is styled when
        // it is polished.
        auto* late = new QLineEdit(QStringLiteral("late"));
        layout->addWidget(late);
        late->show();
        QCOMPARE(late->palette().color(QPalette::Base), green);
        QCOMPARE(late->palette().color(QPalette::Text), blue);
    }
    QCOMPARE(State(), DialogState::Idle);
}

void TestModDialogs::darkBackgroundGetsReadableText()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Text, LightText);
    QApplication::setPalette(palette);

    const std::uint32_t text = ReadableTextColor(NearBlack);
    QCOMPARE(FromColorRef(text), LightText);
    SetDialogColors(text, NearBlack, text, NearBlack);
    MsgBoxDriver driver;
    BoxShot shot;
    driver.answer(QMessageBox::Yes, ShootInto(shot));
    QCOMPARE(MsgBox(QStringLiteral("Your puzzle is complete, but it has errors in it.  Do you want to see the solution?"),
                    vbYesNo + vbQuestion, QStringLiteral("Pellwick Sudoku")),
             vbYes);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));

    const QImage image = driver.image();
    QCOMPARE(BackgroundMismatches(image, shot.holes, [](int, int) { return Solid(NearBlack); }), 0);
    QVERIFY(AnyPixel(image, shot.prompt, IsLight));
    // The buttons take the same pair: light captions on a dark face.
    QCOMPARE(shot.buttons.size(), 2);
    for (const QRect& button : shot.buttons) {
        QVERIFY(AnyPixel(image, button, IsLight));
        QVERIFY(IsDark(PixelAt(image, button.left() + 5, button.center().y())));
    }
}

void TestModDialogs::styledDialogGoneAnyWay_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("delete") << QStringLiteral("delete");
    QTest::newRow("deleteLater") << QStringLiteral("deleteLater");
    QTest::newRow("parent deleted") << QStringLiteral("parent");
    QTest::newRow("closed, then deleted") << QStringLiteral("close");
}

void TestModDialogs::styledDialogGoneAnyWay()
{
    QFETCH(QString, how);
    SetDialogColors(Black, LightYellow, Black, LightYellow);
    auto* parent = new QWidget;
    auto* dialog = new QDialog(how == QLatin1String("parent") ? parent : nullptr);
    new QLineEdit(dialog);
    dialog->show();
    QCOMPARE(State(), DialogState::Styling);

    if (how == QLatin1String("delete")) {
        delete dialog;
    } else if (how == QLatin1String("deleteLater")) {
        dialog->deleteLater();
        QCOMPARE(State(), DialogState::Styling);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else if (how == QLatin1String("parent")) {
        delete parent;
        parent = nullptr;
    } else {
        // Hidden is not gone: the dialog can still be shown again.
        dialog->close();
        QCOMPARE(State(), DialogState::Styling);
        delete dialog;
    }
    delete parent;
    QCOMPARE(State(), DialogState::Idle);
    QVERIFY(!FilterInstalled());

    // Nothing of the old dialog lingers: the next call styles the next dialog.
    SetDialogColors(Black, LightGreen);
    QDialog next;
    next.ensurePolished();
    QCOMPARE(State(), DialogState::Styling);
    QCOMPARE(next.palette().color(QPalette::Window), FromColorRef(LightGreen));
}

void TestModDialogs::onlyOneDialogStyledAtATime()
{
    SetDialogColors(Black, LightYellow);
    auto* first = new QDialog;
    first->ensurePolished();
    QCOMPARE(State(), DialogState::Styling);

    // A second dialog, even one opened from the first, keeps its own colours.
    QDialog separate;
    separate.ensurePolished();
    auto* nested = new QDialog(first);
    nested->ensurePolished();
    QCOMPARE(State(), DialogState::Styling);
    QCOMPARE(separate.palette().resolveMask(), QPalette::ResolveMask(0));
    QCOMPARE(nested->palette().color(QPalette::Window), QApplication::palette(nested).color(QPalette::Window));

    delete first;
    QCOMPARE(State(), DialogState::Idle);
    QCOMPARE(separate.palette().resolveMask(), QPalette::ResolveMask(0));
}

void TestModDialogs::manyBoxesLeaveNothingBehind()
{
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    MsgBoxDriver driver;
    driver.answerAnyOther(QMessageBox::Yes);
    constexpr int Boxes = 25;
    for (int i = 0; i < Boxes; ++i) {
        SetDialogColors(Black, i % 2 ? LightYellow : LightGreen, Black, LightYellow);
        QCOMPARE(State(), DialogState::Armed);
        QCOMPARE(MsgBox(QStringLiteral("Box %1").arg(i), vbYesNo + vbQuestion, QStringLiteral("t")), vbYes);
        QCOMPARE(State(), DialogState::Idle);
    }
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), Boxes);
    QCOMPARE(PixelAt(driver.box(Boxes - 1).image, 2, 2), FromColorRef(LightGreen));
    QCOMPARE(PixelAt(driver.box(Boxes - 2).image, 2, 2), FromColorRef(LightYellow));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
}

// --- The driver itself: it must never let a test hang, and must say so.

void TestModDialogs::driverReportsMissingBox()
{
    MsgBoxDriver driver;
    driver.setAppearTimeout(30);
    driver.answer(QMessageBox::Ok);
    QVERIFY(driver.waitForAll(2000));
    QVERIFY(!driver.seen());
    QCOMPARE(driver.failures().size(), 1);
    QVERIFY(driver.failureText().contains(QLatin1String("no message box appeared")));
}

void TestModDialogs::driverClosesUnexpectedBox()
{
    MsgBoxDriver driver;
    QCOMPARE(MsgBox(QStringLiteral("Nobody expects this"), vbYesNo, QStringLiteral("t")), vbNo);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.failures().size(), 1);
    QVERIFY(driver.failureText().contains(QLatin1String("Nobody expects this")));
}

void TestModDialogs::driverClosesBoxWithoutAskedButton()
{
    MsgBoxDriver driver;
    driver.answer(QMessageBox::Retry);
    QCOMPARE(MsgBox(QStringLiteral("Only OK here"), vbOKOnly, QStringLiteral("t")), vbOK);
    QCOMPARE(driver.failures().size(), 1);
    QVERIFY(driver.failureText().contains(QLatin1String("has no button")));
}

QTEST_MAIN(TestModDialogs)
#include "tst_modDialogs.moc"
