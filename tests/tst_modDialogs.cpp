// Tests of the styled message box: the colours a call gives the next dialog, and MsgBox's buttons and answers.
// The choice of a readable text colour is tested through the game's box, in tst_Module1.
#include "modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;
using MB = QMessageBox;

class TestModDialogs : public QObject {
    Q_OBJECT

private slots:
    // Colour texts with seven or eight hex digits; a picture background, tiled from the dialog's corner. A style
    // shades a button face from its brush's one colour, which a picture does not have, so buttons keep their face.
    // The line edit is added once the dialog is caught, as a caller adds one to an open box.
    void theNextDialogTakesTheColoursGiven()
    {
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(0xffe0e0);
        tile.setPixel(1, 0, 0xe0ffe0);
        tile.setPixel(0, 1, 0xe0e0ff);
        SetDialogColors("&H000000FF", QPixmap::fromImage(tile), "&H0E0FFFF", ToColorRef(Qt::blue));
        auto dialog = std::make_unique<QDialog>();
        dialog->resize(80, 60);
        auto* button = new QPushButton(QStringLiteral("OK"), dialog.get());
        button->setGeometry(40, 30, 40, 30);
        dialog->ensurePolished();
        auto* edit = new QLineEdit(dialog.get());
        edit->setGeometry(40, 0, 40, 30); // the picture shows at the top left
        edit->ensurePolished();
        QCOMPARE(dialog->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
        QCOMPARE(button->palette().color(QPalette::Button), QApplication::palette(button).color(QPalette::Button));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(255, 255, 224));
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::blue));
        QImage tiled(40, 30, QImage::Format_RGB32);
        QPainter(&tiled).fillRect(tiled.rect(), QBrush(tile));
        QCOMPARE(dialog->grab(tiled.rect()).toImage().convertToFormat(QImage::Format_RGB32), tiled);

        // One call styles one dialog: the next shows the platform's colours.
        dialog.reset();
        QDialog next;
        next.ensurePolished();
        QCOMPARE(next.palette().color(QPalette::WindowText), QApplication::palette(&next).color(QPalette::WindowText));
    }

    // Escape gives the box's cancel answer (as the title bar's close does), and each button its own answer.
    void eachStyleShowsItsButtonsDefaultAndAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<MB::StandardButton>>("buttons");
        QTest::addColumn<MB::StandardButton>("defaultButton");
        QTest::addColumn<int>("cancelAnswer");
        using Buttons = QList<MB::StandardButton>;
        QTest::newRow("0: OK") << 0 << Buttons{MB::Ok} << MB::Ok << vbOK;
        QTest::newRow("1: OK, Cancel") << 1 << Buttons{MB::Ok, MB::Cancel} << MB::Ok << vbCancel;
        QTest::newRow("2: Abort, Retry, Ignore; 512 makes the third button the default")
            << 2 + 512 << Buttons{MB::Abort, MB::Retry, MB::Ignore} << MB::Ignore << vbAbort;
        QTest::newRow("3: Yes, No, Cancel; 256 makes the second button the default")
            << 3 + 256 << Buttons{MB::Yes, MB::No, MB::Cancel} << MB::No << vbCancel;
        QTest::newRow("4: Yes, No; neither an icon (32) nor 512 on two buttons changes them or the default")
            << 4 + 32 + 512 << Buttons{MB::Yes, MB::No} << MB::Yes << vbNo;
        QTest::newRow("5: Retry, Cancel") << 5 << Buttons{MB::Retry, MB::Cancel} << MB::Retry << vbCancel;
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
        const QString prompt = QStringLiteral("Do you want to start a new puzzle?");
        MB::StandardButton defaultSeen = MB::NoButton;
        MsgBoxDriver driver;
        driver.answer(MB::Escape, [&](MB* box) { defaultSeen = box->standardButton(box->defaultButton()); });
        for (const MB::StandardButton button : buttons) driver.answer(button);
        QCOMPARE(MsgBox(prompt, style, QString()), cancelAnswer);
        for (const MB::StandardButton button : buttons) QCOMPARE(MsgBox(prompt, style, QString()), answerOf[button]);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        MB::StandardButtons buttonSet;
        for (const MB::StandardButton button : buttons) buttonSet |= button;
        QCOMPARE(driver.box(0).buttons, buttonSet);
        QCOMPARE(defaultSeen, defaultButton);
    }
};

QTEST_MAIN(TestModDialogs)
#include "tst_modDialogs.moc"
