// Tests of the styled message box: the one-shot colour filter, the colours on screen, MsgBox's styles and answers.
#include "dialogs/modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;
using enum DialogState;
using enum Qt::GlobalColor;
using MB = QMessageBox;
using Call = QVariantList; // the arguments of one SetDialogColors call
using Parts = QList<QBrush>; // dialog text, dialog back, edit text, edit back; NoBrush: the platform's own

namespace {

constexpr std::uint32_t RedRef = ColorRef(200, 0, 0), YellowRef = ColorRef(255, 255, 224);
const QColor Red = FromColorRef(RedRef), Yellow = FromColorRef(YellowRef), Green(224, 255, 224);
const char* const TileXpm[] = {"3 2 3 1", "r c #ffe0e0", "g c #e0ffe0", "b c #e0e0ff", "rgb", "gbr"};
const QImage Tile(TileXpm); // a misplaced tile shows

void SetColors(const Call& c) { SetDialogColors(c.value(0), c.value(1), c.value(2), c.value(3)); }

// Whether the margins of the box, around all its controls, show the background; whether some pixel of its text is
// exactly the text colour, as the cores of glyphs are.
QVariantList Shows(QWidget* box, const QBrush& back, const QColor& text)
{
    QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32), want = image;
    const QImage label = image.copy(box->findChild<QLabel*>("qt_msgbox_label")->geometry());
    const auto* pixels = reinterpret_cast<const QRgb*>(label.constBits());
    QPainter(&want).fillRect(want.rect(), back);
    QPainter(&image).fillRect(box->childrenRect(), back);
    return {want == image, std::count(pixels, pixels + label.sizeInBytes() / 4, text.rgb()) > 0};
}

} // namespace

class TestModDialogs : public QObject {
    Q_OBJECT

private slots:
    // Each row arms with a call that the row's call replaces, shows a box, then a second box with no new call, which
    // keeps the platform's colours. A line edit added to each open box takes the edit colours.
    void msgBox_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<MB::StandardButton>("press"); // Escape: the Escape key; Close: the title bar's close button
        QTest::addColumn<Call>("call");
        QTest::addColumn<Call>("whileOpen"); // a call made while the first box is open
        QTest::addColumn<Parts>("parts");
        const QPixmap picture = QPixmap::fromImage(Tile);
        const Call game{0, YellowRef, 0, YellowRef}, tiled{{}, picture, {}, picture};
        const Parts gameParts{black, Yellow, black, Yellow};
        QTest::newRow("0 OK") << 0 << MB::Ok << game << Call() << gameParts;
        QTest::newRow("48 OK, picture") << 48 << MB::Ok << tiled << Call() << Parts{{}, picture, {}, picture};
        QTest::newRow("64 OK, numbers") << 64 << MB::Ok << Call{int(RedRef), "&HE0FFFF", "0xFF0000", " 14745568 "}
                                        << Call() << Parts{Red, Yellow, blue, Green};
        QTest::newRow("36 Yes, no colours") << 36 << MB::Yes << Call{"red", true, "red", true} << Call() << Parts(4);
        QTest::newRow("36 No, call while open")
            << 36 << MB::No << game << Call{RedRef, 0} << Parts{Red, Yellow, {}, Yellow};
        QTest::newRow("36 Escape, text only") << 36 << MB::Escape << Call{RedRef} << Call() << Parts{Red, {}, {}, {}};
        QTest::newRow("36 close") << 36 << MB::Close << game << Call() << gameParts;
    }
    void msgBox()
    {
        QFETCH(int, style);
        QFETCH(MB::StandardButton, press);
        QFETCH(Call, call);
        QFETCH(Call, whileOpen);
        QFETCH(Parts, parts);
        SetColors(Call(4, ColorRef(0, 128, 0)));
        SetColors(call);
        QWidget window; // neither it nor a dialog class inside it is a dialog window: the box is the first one caught
        (new QDialog(&window))->setWindowFlags(Qt::Widget);
        window.show();
        QVERIFY(State() == Armed && FilterInstalled());
        QList<QVariantList> seen; // of each box: what it shows, the state, and whether each part has its colour
        const auto look = [&](MB* box) { // the first box is styled, the second is not
            if (seen.isEmpty() && !whileOpen.isEmpty()) SetColors(whileOpen);
            auto* edit = new QLineEdit(box);
            edit->ensurePolished();
            const auto want = [&](int i, QBrush own) { return seen.isEmpty() && parts[i].style() ? parts[i] : own; };
            const QPalette own = QApplication::palette(), ownEdit = QApplication::palette(edit);
            seen << QVariantList{box->windowTitle(),
                                 box->text(),
                                 box->icon(),
                                 box->standardButtons().toInt(),
                                 State() == (seen.isEmpty() ? Styling : Idle) && FilterInstalled() == seen.isEmpty(),
                                 edit->palette().text() == want(2, ownEdit.text()),
                                 edit->palette().base() == want(3, ownEdit.base())}
                    + Shows(box, want(1, own.window()), want(0, own.windowText()).color());
            if (press == MB::Close) box->close(); // and the driver does nothing more
        };
        MsgBoxDriver driver;
        driver.answer(press, look).answer(press, look);
        const QString title = "Pellwick Sudoku", prompt = "Do you want the solution?";
        for (int box : {0, 1}) QCOMPARE(MsgBox(prompt, style, title), press == MB::Yes ? 6 : style == 36 ? 7 : 1);
        QVERIFY2(driver.waitForAll() && driver.ok(), qPrintable(driver.failureText()));
        const int icon = style == 48 ? MB::Warning : style == 64 ? MB::Information : style == 36 ? MB::Question : 0;
        const int buttons = style == 36 ? int(MB::Yes | MB::No) : int(MB::Ok);
        const QVariantList shown = QVariantList{title, prompt, icon, buttons} + QVariantList(5, true);
        for (int box : {0, 1}) QCOMPARE(seen.value(box), shown);
    }

    // Black where it is readable, else the platform's text colour where that is (light, here), else white.
    void readableTextColor()
    {
        const auto restore = qScopeGuard([original = QApplication::palette()] { QApplication::setPalette(original); });
        QApplication::setPalette(QPalette(black, gray, white, black, gray, lightGray, black));
        const auto readable = [](int grey) { return FromColorRef(ReadableTextColor(ColorRef(grey, grey, grey))); };
        QCOMPARE(QList({readable(117), readable(116), readable(30)}), QList<QColor>({black, white, lightGray}));
    }
};

QTEST_MAIN(TestModDialogs)
#include "tst_modDialogs.moc"
