// Tests of the styled message box: which arguments are colours, the one-shot styling of the next dialog, MsgBox's
// buttons, icons and answers, and the choice of a readable text colour.
#include "modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;
using MB = QMessageBox;

namespace {

const QColor Red(255, 0, 0), PaleYellow(255, 255, 224), Blue(0, 0, 255), PaleGreen(224, 255, 224);
const QString Title = QStringLiteral("Pellwick Sudoku");
const QString Prompt = QStringLiteral("Do you want to start a new puzzle?");

QVariant Ref(const QColor& colour) { return QVariant::fromValue(ToColorRef(colour)); }

// What a widget shows for role while its window is active.
QColor Shown(const QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(QPalette::Active, role);
}

// The platform's own colour of role for that kind of widget; a part not given keeps it.
QColor Platform(const QWidget* widget, QPalette::ColorRole role)
{
    return QApplication::palette(widget).color(QPalette::Active, role);
}

// Three pale colours, so that a picture tiled from the wrong place shows.
QImage Tile()
{
    QImage tile(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {0xffe0e0, 0xe0ffe0, 0xe0e0ff};
    for (int x = 0; x < 3; ++x) {
        tile.setPixel(x, 0, colours[x]);
        tile.setPixel(x, 1, colours[(x + 1) % 3]);
    }
    return tile;
}

} // namespace

class TestModDialogs : public QObject {
    Q_OBJECT

    QPalette platformPalette;

private slots:
    void initTestCase()
    {
        QGuiApplication::setApplicationDisplayName(Title);
        platformPalette = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(platformPalette); }

    // A line edit added once the dialog is caught, as a caller adds one to an open box, is styled too. Each row
    // leaves out a part the row before gave, which shows that every call sets all four parts anew.
    void eachPartOfTheDialogTakesTheColourGiven_data()
    {
        QTest::addColumn<QVariantList>("call"); // the arguments of SetDialogColors
        QTest::addColumn<QColor>("dialogText"); // invalid: that part keeps the platform's colour
        QTest::addColumn<QColor>("dialogBack");
        QTest::addColumn<QColor>("editText");
        QTest::addColumn<QColor>("editBack");
        QTest::newRow("a number laid out 0x00BBGGRR, &H, 0x and decimal texts are colours")
            << QVariantList{0x0000FF, "&HE0FFFF", "0xff0000", " 14745568 "} << Red << PaleYellow << Blue << PaleGreen;
        QTest::newRow("an exponent, eight hex digits and a whole decimal text are colours")
            << QVariantList{"1e3", "&H000000FF", "16777215", 0} << QColor(0xE8, 0x03, 0x00) << Red << QColor(Qt::white)
            << QColor(Qt::black);
        QTest::newRow("nine hex digits, a Boolean and a colour's name are not colours")
            << QVariantList{"&H0000000FF", true, "blue", QVariant()} << QColor() << QColor() << QColor() << QColor();
        QTest::newRow("only the text given: the dialog keeps its own background")
            << QVariantList{Ref(Red)} << Red << QColor() << QColor() << QColor();
        QTest::newRow("only the edit colours given")
            << QVariantList{{}, {}, Ref(Blue), Ref(PaleGreen)} << QColor() << QColor() << Blue << PaleGreen;
    }

    void eachPartOfTheDialogTakesTheColourGiven()
    {
        QFETCH(QVariantList, call);
        QFETCH(QColor, dialogText);
        QFETCH(QColor, dialogBack);
        QFETCH(QColor, editText);
        QFETCH(QColor, editBack);
        SetDialogColors(call.value(0), call.value(1), call.value(2), call.value(3));
        QDialog dialog;
        auto* label = new QLabel(Prompt, &dialog);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        dialog.ensurePolished();
        auto* edit = new QLineEdit(&dialog);
        edit->ensurePolished();
        const auto expected = [](const QColor& given, const QWidget* widget, QPalette::ColorRole role) {
            return given.isValid() ? given : Platform(widget, role);
        };
        QCOMPARE(Shown(label, QPalette::WindowText), expected(dialogText, label, QPalette::WindowText));
        QCOMPARE(Shown(button, QPalette::ButtonText), expected(dialogText, button, QPalette::ButtonText));
        QCOMPARE(Shown(&dialog, QPalette::Window), expected(dialogBack, &dialog, QPalette::Window));
        QCOMPARE(Shown(button, QPalette::Button), expected(dialogBack, button, QPalette::Button));
        QCOMPARE(Shown(edit, QPalette::Text), expected(editText, edit, QPalette::Text));
        QCOMPARE(Shown(edit, QPalette::Base), expected(editBack, edit, QPalette::Base));
    }

    void aCallWhileADialogIsStyledRecoloursItsTextAtOnce()
    {
        SetDialogColors(Ref(Red), Ref(PaleYellow));
        QDialog dialog;
        auto* label = new QLabel(Prompt, &dialog);
        dialog.ensurePolished();
        SetDialogColors(Ref(Blue));
        QCOMPARE(Shown(label, QPalette::WindowText), Blue);
        QCOMPARE(Shown(&dialog, QPalette::Window), PaleYellow); // the background stays as the dialog was caught
    }

    // Idle -> Armed by the call -> Styling when the next dialog window is polished -> Idle when it is destroyed.
    void aCallStylesTheNextDialogWindowOnly()
    {
        QCOMPARE(State(), DialogState::Idle);
        SetDialogColors(Ref(Red));
        QCOMPARE(State(), DialogState::Armed);
        QVERIFY(FilterInstalled());

        QWidget window; // neither it nor a dialog embedded in it is a dialog window
        auto* windowLabel = new QLabel(Prompt, &window);
        (new QDialog(&window))->setWindowFlags(Qt::Widget);
        window.ensurePolished();
        QCOMPARE(State(), DialogState::Armed);
        QCOMPARE(Shown(windowLabel, QPalette::WindowText), Platform(windowLabel, QPalette::WindowText));

        auto first = std::make_unique<QDialog>();
        auto* firstLabel = new QLabel(Prompt, first.get());
        first->ensurePolished();
        QCOMPARE(State(), DialogState::Styling);
        QCOMPARE(Shown(firstLabel, QPalette::WindowText), Red);
        first->close();
        QCOMPARE(State(), DialogState::Styling); // a closed dialog can be shown again
        first.reset();
        QCOMPARE(State(), DialogState::Idle);
        QVERIFY(!FilterInstalled());

        QDialog second;
        auto* secondLabel = new QLabel(Prompt, &second);
        second.ensurePolished();
        QCOMPARE(Shown(secondLabel, QPalette::WindowText), Platform(secondLabel, QPalette::WindowText));
    }

    // A style shades a button face from its brush's one colour, which a picture does not have.
    void aPictureBackgroundTilesAndButtonsKeepTheirFace_data()
    {
        QTest::addColumn<QVariant>("picture");
        QTest::newRow("a pixmap") << QVariant(QPixmap::fromImage(Tile()));
        QTest::newRow("an image") << QVariant(Tile());
    }

    void aPictureBackgroundTilesAndButtonsKeepTheirFace()
    {
        QFETCH(QVariant, picture);
        SetDialogColors({}, picture);
        QDialog dialog;
        dialog.resize(80, 60);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setGeometry(40, 30, 40, 30);
        dialog.ensurePolished();
        const QRect free(0, 0, 40, 30);
        QImage tiled(free.size(), QImage::Format_RGB32);
        QPainter(&tiled).fillRect(free, QBrush(Tile()));
        QCOMPARE(dialog.grab(free).toImage().convertToFormat(QImage::Format_RGB32), tiled);
        QCOMPARE(Shown(button, QPalette::Button), Platform(button, QPalette::Button));
    }

    // Escape and the title bar's close give the box's cancel answer, and each button its own answer.
    void eachStyleShowsItsButtonsIconDefaultAndAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<MB::StandardButton>>("buttons");
        QTest::addColumn<MB::Icon>("icon");
        QTest::addColumn<MB::StandardButton>("defaultButton");
        QTest::addColumn<int>("cancelAnswer");
        using Buttons = QList<MB::StandardButton>;
        const Buttons yesNoCancel{MB::Yes, MB::No, MB::Cancel};
        const Buttons abortRetryIgnore{MB::Abort, MB::Retry, MB::Ignore};
        QTest::newRow("0: OK, no icon") << 0 << Buttons{MB::Ok} << MB::NoIcon << MB::Ok << vbOK;
        QTest::newRow("1 + 16: OK, Cancel, critical")
            << 17 << Buttons{MB::Ok, MB::Cancel} << MB::Critical << MB::Ok << vbCancel;
        QTest::newRow("2 + 32: Abort, Retry, Ignore, question")
            << 34 << abortRetryIgnore << MB::Question << MB::Abort << vbAbort;
        QTest::newRow("3 + 48: Yes, No, Cancel, exclamation")
            << 51 << yesNoCancel << MB::Warning << MB::Yes << vbCancel;
        QTest::newRow("4 + 64: Yes, No, information")
            << 68 << Buttons{MB::Yes, MB::No} << MB::Information << MB::Yes << vbNo;
        QTest::newRow("5: Retry, Cancel") << 5 << Buttons{MB::Retry, MB::Cancel} << MB::NoIcon << MB::Retry << vbCancel;
        QTest::newRow("256 makes the second button the default")
            << 3 + 256 << yesNoCancel << MB::NoIcon << MB::No << vbCancel;
        QTest::newRow("512 makes the third button the default")
            << 2 + 512 << abortRetryIgnore << MB::NoIcon << MB::Ignore << vbAbort;
        QTest::newRow("256 on a box of one button leaves the first the default")
            << 0 + 256 << Buttons{MB::Ok} << MB::NoIcon << MB::Ok << vbOK;
        QTest::newRow("512 on a box of two buttons leaves the first the default")
            << 4 + 512 << Buttons{MB::Yes, MB::No} << MB::NoIcon << MB::Yes << vbNo;
    }

    void eachStyleShowsItsButtonsIconDefaultAndAnswers()
    {
        QFETCH(int, style);
        QFETCH(QList<MB::StandardButton>, buttons);
        QFETCH(MB::Icon, icon);
        QFETCH(MB::StandardButton, defaultButton);
        QFETCH(int, cancelAnswer);
        const QMap<MB::StandardButton, int> answerOf{{MB::Ok, vbOK},       {MB::Cancel, vbCancel}, {MB::Abort, vbAbort},
                                                     {MB::Retry, vbRetry}, {MB::Ignore, vbIgnore}, {MB::Yes, vbYes},
                                                     {MB::No, vbNo}};
        MB::StandardButton defaultSeen = MB::NoButton;
        MsgBoxDriver driver;
        driver.pressEscape([&](MB* box) { defaultSeen = box->standardButton(box->defaultButton()); });
        driver.answer(MB::Close, [](MB* box) { box->close(); }); // as the title bar's close button does
        for (const MB::StandardButton button : buttons) driver.answer(button);
        QCOMPARE(MsgBox(Prompt, style, QString()), cancelAnswer);
        QCOMPARE(MsgBox(Prompt, style, QString()), cancelAnswer);
        for (const MB::StandardButton button : buttons)
            QCOMPARE(MsgBox(Prompt, style, QStringLiteral("Check Your Progress")), answerOf.value(button));
        QVERIFY(driver.waitForAll());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        MB::StandardButtons buttonSet;
        for (const MB::StandardButton button : buttons) buttonSet |= button;
        QCOMPARE(driver.box(0).buttons, buttonSet);
        QCOMPARE(driver.box(0).icon, icon);
        QCOMPARE(driver.box(0).text, Prompt);
        QCOMPARE(driver.box(0).title, Title); // an empty title shows the application's display name
        QCOMPARE(driver.box(2).title, QStringLiteral("Check Your Progress"));
        QCOMPARE(defaultSeen, defaultButton);
    }

    // Black reaches 4.5:1 down to grey 117; below that the platform's text colour, if it reaches 4.5:1, else white.
    void readableTextColorPrefersBlackThenThePlatformsTextThenWhite_data()
    {
        QTest::addColumn<QColor>("platformText");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        const QColor lightGrey(211, 211, 211);
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        QTest::newRow("black on yellow") << lightGrey << QColor(255, 255, 0) << black;
        QTest::newRow("black on red") << lightGrey << Red << black;
        QTest::newRow("black on grey 117") << lightGrey << QColor(117, 117, 117) << black;
        QTest::newRow("white on grey 116, where the platform's text is black")
            << black << QColor(116, 116, 116) << white;
        QTest::newRow("the platform's light text on pure blue") << lightGrey << Blue << lightGrey;
        QTest::newRow("white on navy, where the platform's text is dark grey")
            << QColor(60, 60, 60) << QColor(0, 0, 128) << white;
    }

    void readableTextColorPrefersBlackThenThePlatformsTextThenWhite()
    {
        QFETCH(QColor, platformText);
        QFETCH(QColor, back);
        QFETCH(QColor, text);
        QPalette palette = platformPalette;
        palette.setColor(QPalette::Text, platformText);
        QApplication::setPalette(palette);
        QCOMPARE(FromColorRef(ReadableTextColor(ToColorRef(back))), text);
    }
};

QTEST_MAIN(TestModDialogs)
#include "tst_modDialogs.moc"
