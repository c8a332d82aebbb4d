// Tests of the styled message box: which arguments are colours, the one-shot styling of the next dialog, MsgBox's
// buttons and answers, and the choice of a readable text colour.
#include "modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;
using MB = QMessageBox;

namespace {

const QColor Red(255, 0, 0), PaleYellow(255, 255, 224), Blue(0, 0, 255), PaleGreen(224, 255, 224);
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

} // namespace

class TestModDialogs : public QObject {
    Q_OBJECT

    QPalette platformPalette;

private slots:
    void initTestCase() { platformPalette = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(platformPalette); }

    // A line edit added once the dialog is caught, as a caller adds one to an open box, is styled too.
    void eachPartOfTheDialogTakesTheColourGiven_data()
    {
        QTest::addColumn<QVariantList>("call"); // the arguments of SetDialogColors
        QTest::addColumn<QColor>("dialogText"); // invalid: that part keeps the platform's colour
        QTest::addColumn<QColor>("dialogBack");
        QTest::addColumn<QColor>("editText");
        QTest::addColumn<QColor>("editBack");
        QTest::newRow("eight and seven hex digits are colours; edit boxes take the edit colours")
            << QVariantList{"&H000000FF", "&H0E0FFFF", Ref(Blue), Ref(PaleGreen)} << Red << PaleYellow << Blue
            << PaleGreen;
        QTest::newRow("nine hex digits and a Boolean are not colours")
            << QVariantList{"&H0000000FF", true} << QColor() << QColor() << QColor() << QColor();
        QTest::newRow("only the text given: the dialog keeps its own background")
            << QVariantList{Ref(Red)} << Red << QColor() << QColor() << QColor();
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
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        dialog.ensurePolished();
        auto* edit = new QLineEdit(&dialog);
        edit->ensurePolished();
        const auto expected = [](const QColor& given, const QWidget* widget, QPalette::ColorRole role) {
            return given.isValid() ? given : Platform(widget, role);
        };
        QCOMPARE(Shown(&dialog, QPalette::WindowText), expected(dialogText, &dialog, QPalette::WindowText));
        QCOMPARE(Shown(button, QPalette::ButtonText), expected(dialogText, button, QPalette::ButtonText));
        QCOMPARE(Shown(&dialog, QPalette::Window), expected(dialogBack, &dialog, QPalette::Window));
        QCOMPARE(Shown(edit, QPalette::Text), expected(editText, edit, QPalette::Text));
        QCOMPARE(Shown(edit, QPalette::Base), expected(editBack, edit, QPalette::Base));
    }

    // Idle -> Armed by the call -> Styling when the next dialog window is polished -> Idle when it is destroyed.
    void aCallStylesTheNextDialogWindowOnly()
    {
        QCOMPARE(State(), DialogState::Idle);
        SetDialogColors(Ref(Red), Ref(PaleYellow));
        QCOMPARE(State(), DialogState::Armed);

        QWidget window; // neither it nor a dialog embedded in it is a dialog window
        auto* windowLabel = new QLabel(Prompt, &window);
        (new QDialog(&window))->setWindowFlags(Qt::Widget);
        window.ensurePolished();
        QCOMPARE(State(), DialogState::Armed);
        QCOMPARE(Shown(windowLabel, QPalette::WindowText), Platform(windowLabel, QPalette::WindowText));

        auto first = std::make_unique<QDialog>();
        first->ensurePolished();
        QCOMPARE(State(), DialogState::Styling);
        QCOMPARE(Shown(first.get(), QPalette::WindowText), Red);
        first.reset();
        QCOMPARE(State(), DialogState::Idle);
        QVERIFY(!FilterInstalled());

        // With the brushes released, the next box shows the platform's colours.
        QDialog second;
        second.ensurePolished();
        QCOMPARE(Shown(&second, QPalette::Window), Platform(&second, QPalette::Window));
    }

    // A style shades a button face from its brush's one colour, which a picture does not have. The tile's colours
    // differ from place to place, so a picture tiled from the wrong place shows.
    void aPictureBackgroundTilesAndButtonsKeepTheirFace()
    {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(0xffe0e0);
        tile.setPixel(1, 0, 0xe0ffe0);
        tile.setPixel(0, 1, 0xe0e0ff);
        SetDialogColors({}, QPixmap::fromImage(tile));
        QDialog dialog;
        dialog.resize(80, 60);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setGeometry(40, 30, 40, 30);
        dialog.ensurePolished();
        QImage tiled(40, 30, QImage::Format_RGB32);
        QPainter(&tiled).fillRect(tiled.rect(), QBrush(tile));
        QCOMPARE(dialog.grab(tiled.rect()).toImage().convertToFormat(QImage::Format_RGB32), tiled);
        QCOMPARE(Shown(button, QPalette::Button), Platform(button, QPalette::Button));
    }

    // Escape and the title bar's close give the box's cancel answer, and each button its own answer. The game's
    // icons and titles are pinned through the window, in tst_gameplay and tst_frmsudoku.
    void eachStyleShowsItsButtonsDefaultAndAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<MB::StandardButton>>("buttons");
        QTest::addColumn<MB::StandardButton>("defaultButton");
        QTest::addColumn<int>("cancelAnswer");
        using Buttons = QList<MB::StandardButton>;
        const Buttons yesNoCancel{MB::Yes, MB::No, MB::Cancel};
        const Buttons abortRetryIgnore{MB::Abort, MB::Retry, MB::Ignore};
        QTest::newRow("0: OK") << 0 << Buttons{MB::Ok} << MB::Ok << 1;
        QTest::newRow("1: OK, Cancel") << 1 << Buttons{MB::Ok, MB::Cancel} << MB::Ok << 2;
        QTest::newRow("2: Abort, Retry, Ignore") << 2 << abortRetryIgnore << MB::Abort << 3;
        QTest::newRow("3: Yes, No, Cancel") << 3 << yesNoCancel << MB::Yes << 2;
        QTest::newRow("4 + 32: Yes, No; an icon leaves the buttons as they are")
            << 36 << Buttons{MB::Yes, MB::No} << MB::Yes << 7;
        QTest::newRow("5: Retry, Cancel") << 5 << Buttons{MB::Retry, MB::Cancel} << MB::Retry << 2;
        QTest::newRow("256 makes the second button the default") << 3 + 256 << yesNoCancel << MB::No << 2;
        QTest::newRow("512 makes the third button the default") << 2 + 512 << abortRetryIgnore << MB::Ignore << 3;
        QTest::newRow("512 on a box of two buttons leaves the first the default")
            << 4 + 512 << Buttons{MB::Yes, MB::No} << MB::Yes << 7;
    }

    void eachStyleShowsItsButtonsDefaultAndAnswers()
    {
        QFETCH(int, style);
        QFETCH(QList<MB::StandardButton>, buttons);
        QFETCH(MB::StandardButton, defaultButton);
        QFETCH(int, cancelAnswer);
        // The answers are numbers callers may keep, so they are pinned as numbers.
        const QMap<MB::StandardButton, int> answerOf{{MB::Ok, 1},     {MB::Cancel, 2}, {MB::Abort, 3}, {MB::Retry, 4},
                                                     {MB::Ignore, 5}, {MB::Yes, 6},    {MB::No, 7}};
        MB::StandardButton defaultSeen = MB::NoButton;
        MsgBoxDriver driver;
        driver.pressEscape([&](MB* box) { defaultSeen = box->standardButton(box->defaultButton()); });
        driver.answer(MB::Close, [](MB* box) { box->close(); }); // as the title bar's close button does
        for (const MB::StandardButton button : buttons) driver.answer(button);
        QCOMPARE(MsgBox(Prompt, style, QString()), cancelAnswer);
        QCOMPARE(MsgBox(Prompt, style, QString()), cancelAnswer);
        for (const MB::StandardButton button : buttons) QCOMPARE(MsgBox(Prompt, style, QString()), answerOf[button]);
        QVERIFY(driver.waitForAll());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        MB::StandardButtons buttonSet;
        for (const MB::StandardButton button : buttons) buttonSet |= button;
        QCOMPARE(driver.box(0).buttons, buttonSet);
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
