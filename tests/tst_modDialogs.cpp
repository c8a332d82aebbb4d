// Tests of the styled message box: the one-shot colour filter, the colours on screen, MsgBox's styles and answers.
#include "dialogs/modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;
using MB = QMessageBox;
using Call = QVariantList; // the arguments of one SetDialogColors call
using Calls = QList<Call>;

namespace {

constexpr std::uint32_t Red = ColorRef(200, 0, 0), LightYellow = ColorRef(255, 255, 224);
const QColor Black(Qt::black), Yellow = FromColorRef(LightYellow), Green(224, 255, 224), Blue(0, 0, 200);
const char* const TileXpm[] = {"3 2 3 1", "r c #ffe0e0", "g c #e0ffe0", "b c #e0e0ff", "rgb", "gbr"};
const QImage Tile(TileXpm); // a misplaced tile shows

void SetColors(const Call& c) { SetDialogColors(c.value(0), c.value(1), c.value(2), c.value(3)); }

// Whether the margins of the box, around all its controls, show the brush.
bool ShowsBackground(QImage image, const QRect& controls, const QBrush& brush)
{
    QImage want = image;
    QPainter(&want).fillRect(want.rect(), brush);
    QPainter(&image).fillRect(controls, brush);
    return image.width() > controls.width() && want == image;
}

// Whether some pixel of the area is exactly the colour, as the cores of glyphs are.
bool Shows(const QImage& image, const QRect& area, const QColor& c)
{
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(part.constBits());
    return std::count(pixels, pixels + part.sizeInBytes() / 4, c.rgb()) > 0;
}

} // namespace

class TestModDialogs : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(State() == DialogState::Idle && !FilterInstalled()); }
    void cleanup() { QVERIFY(State() == DialogState::Idle && !FilterInstalled()); }

    // Each row shows a box after its calls, then a second box with no new call, which keeps the platform's colours.
    // The text takes the first argument of the last call.
    void msgBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<MB::StandardButton>("press"); // Escape: the Escape key; Close: the title bar's close button
        QTest::addColumn<int>("answer");
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<Call>("whileOpen"); // a call made while the first box is open
        QTest::addColumn<QBrush>("back");    // NoBrush: the platform's own
        const Call game{0, LightYellow, 0, LightYellow};
        const QBrush yellow(Yellow);
        const QPixmap picture = QPixmap::fromImage(Tile);
        QTest::newRow("0 OK") << 0 << MB::Ok << vbOK << Calls{game} << Call() << yellow;
        QTest::newRow("48 OK, picture") << 48 << MB::Ok << vbOK << Calls{{0, picture}} << Call() << QBrush(Tile);
        QTest::newRow("64 Escape, text only") << 64 << MB::Escape << vbOK << Calls{{Red}} << Call() << QBrush();
        QTest::newRow("36 Yes, armed twice") << 36 << MB::Yes << vbYes << Calls{{Red, Red}, game} << Call() << yellow;
        QTest::newRow("36 No, called while open") << 36 << MB::No << vbNo << Calls{game} << Call{Red, 0} << yellow;
        QTest::newRow("36 Escape") << 36 << MB::Escape << vbNo << Calls{game} << Call() << yellow;
        QTest::newRow("36 close") << 36 << MB::Close << vbNo << Calls{game} << Call() << yellow;
    }
    void msgBox()
    {
        QFETCH(int, style);
        QFETCH(MB::StandardButton, press);
        QFETCH(Calls, calls);
        QFETCH(Call, whileOpen);
        QFETCH(QBrush, back);
        for (const Call& call : calls) SetColors(call);
        MsgBoxDriver driver;
        struct { QRect controls, label; DialogState state; } seen[2];
        const auto look = [&](MB* box) { // the driver has recorded the box already
            if (driver.count() == 1 && !whileOpen.isEmpty()) SetColors(whileOpen);
            seen[driver.count() - 1] = {box->childrenRect(), box->findChild<QLabel*>("qt_msgbox_label")->geometry(),
                                        State()};
        };
        using A = MsgBoxDriver::Action;
        const A action = press == MB::Escape ? A::Escape : press == MB::Close ? A::CloseWindow : A::Press;
        driver.queue(action, press, look).queue(action, press, look);
        const QString title = QStringLiteral("Pellwick Sudoku"), prompt = QStringLiteral("Do you want the solution?");
        QTEST(MsgBox(prompt, style, title), "answer");
        QVERIFY(State() == DialogState::Idle && !FilterInstalled());
        QTEST(MsgBox(prompt, style, title), "answer");
        QVERIFY2(driver.ok() && driver.count() == 2, qPrintable(driver.failureText()));
        QVERIFY(seen[0].state == DialogState::Styling && seen[1].state == DialogState::Idle);

        const QPalette own = QApplication::palette();
        const QBrush backs[2] = {back.style() == Qt::NoBrush ? own.window() : back, own.window()};
        const QColor texts[2] = {FromColorRef((whileOpen.isEmpty() ? calls.last() : whileOpen)[0].toUInt()),
                                 own.windowText().color()};
        const int icon = style == 48 ? MB::Warning : style == 64 ? MB::Information : style == 36 ? MB::Question : 0;
        const QVariantList shown{title, prompt, icon, style == 36 ? int(MB::Yes | MB::No) : int(MB::Ok)};
        for (int i : {0, 1}) {
            const MsgBoxDriver::Box& box = driver.box(i);
            QCOMPARE(QVariantList({box.title, box.text, box.icon, box.buttons.toInt()}), shown);
            QVERIFY(ShowsBackground(box.image, seen[i].controls, backs[i]));
            QVERIFY(Shows(box.image, seen[i].label, texts[i]));
        }
    }

    // The brushes each part gets from one call; NoBrush: the platform's own. A window that is not a dialog, made
    // while armed, is never touched.
    void parts_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QList<QBrush>>("brushes"); // dialog text, dialog back, edit text, edit back
        const QList<QBrush> yellow(4, Yellow), own(4, QBrush());
        const QPixmap picture = QPixmap::fromImage(Tile);
        QTest::newRow("edit and dialog colours") << Call{Red, LightYellow, ToColorRef(Blue), ToColorRef(Green)}
                                                 << QList<QBrush>{FromColorRef(Red), Yellow, Blue, Green};
        QTest::newRow("number") << Call(4, int(LightYellow)) << yellow;
        QTest::newRow("decimal text") << Call(4, QStringLiteral(" 14745599 ")) << yellow;
        QTest::newRow("&H text") << Call(4, QStringLiteral("&HE0FFFF")) << yellow;
        QTest::newRow("0x text") << Call(4, QStringLiteral("0xe0ffff")) << yellow;
        QTest::newRow("word") << Call(4, QStringLiteral("yellow")) << own;
        QTest::newRow("Boolean") << Call(4, true) << own;
        QTest::newRow("picture") << Call(4, picture) << QList<QBrush>{{}, picture, {}, picture};
    }
    void parts()
    {
        QFETCH(Call, call);
        QFETCH(QList<QBrush>, brushes);
        SetColors(call);
        QWidget window;
        auto* embedded = new QDialog(&window);
        embedded->setWindowFlags(Qt::Widget); // a dialog class, but not a window
        window.show();
        QVERIFY(State() == DialogState::Armed && FilterInstalled());
        QCOMPARE(window.palette().resolveMask() | embedded->palette().resolveMask(), QPalette::ResolveMask(0));
        QDialog dialog;
        auto* edit = new QLineEdit(&dialog);
        auto* notes = new QPlainTextEdit(&dialog);
        dialog.ensurePolished();
        using Part = std::tuple<QWidget*, QPalette::ColorRole, int>;
        for (const auto& [w, role, i] : {Part{&dialog, QPalette::WindowText, 0}, Part{&dialog, QPalette::Window, 1},
                                         Part{edit, QPalette::Text, 2}, Part{edit, QPalette::Base, 3},
                                         Part{notes->viewport(), QPalette::Base, 3}})
            QCOMPARE(w->palette().brush(role),
                     brushes[i].style() == Qt::NoBrush ? QApplication::palette(w).brush(role) : brushes[i]);
    }

    void readableTextColor_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("blackRatio");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("white keeps black") << QColor(Qt::white) << 21.0 << Black;
        QTest::newRow("grey 117 keeps black") << QColor(117, 117, 117) << 4.56 << Black;
        QTest::newRow("grey 116: white") << QColor(116, 116, 116) << 4.49 << QColor(Qt::white);
        QTest::newRow("near-black: platform text") << QColor(30, 30, 30) << 1.26 << QColor(240, 240, 240);
    }
    void readableTextColor()
    {
        QFETCH(QColor, background);
        QFETCH(double, blackRatio);
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        QPalette palette = original; // a light platform text colour, readable on dark backgrounds only
        palette.setColor(QPalette::Text, QColor(240, 240, 240));
        QApplication::setPalette(palette);
        QVERIFY(qAbs(ContrastRatio(Black, background) - blackRatio) < 0.01);
        QTEST(FromColorRef(ReadableTextColor(ToColorRef(background))), "expected");
    }
};

QTEST_MAIN(TestModDialogs)
#include "tst_modDialogs.moc"
