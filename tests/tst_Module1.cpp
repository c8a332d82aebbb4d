// Tests of start-up: the window-background colour taken from the desktop, and the game's message box painted with it
// and with a text colour readable on it.
#include "Module1.h"
#include "modDialogs.h"
#include "msgBoxDriver.h"

class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    // Black wherever it reaches a contrast of 4.5:1, which it does down to grey 117; else the platform's text
    // colour if that reaches 4.5:1, else white.
    void theGamesBoxShowsTheWindowBackgroundWithReadableText_data()
    {
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("platformText");
        QTest::addColumn<QColor>("text");
        const QColor lightGrey(211, 211, 211);
        const QColor darkGrey(60, 60, 60);
        QTest::newRow("black on yellow") << QColor(255, 255, 0) << lightGrey << QColor(Qt::black);
        QTest::newRow("black on red") << QColor(255, 0, 0) << lightGrey << QColor(Qt::black);
        QTest::newRow("black on grey 117") << QColor(117, 117, 117) << lightGrey << QColor(Qt::black);
        QTest::newRow("white on grey 116, where the platform's text is dark")
            << QColor(116, 116, 116) << darkGrey << QColor(Qt::white);
        QTest::newRow("the platform's light text on pure blue") << QColor(0, 0, 255) << lightGrey << lightGrey;
        QTest::newRow("white on navy, where the platform's text is dark")
            << QColor(0, 0, 128) << darkGrey << QColor(Qt::white);
    }

    // The desktop's window background (system colour 5) is the palette's Base, not the Window of dialog faces.
    void theGamesBoxShowsTheWindowBackgroundWithReadableText()
    {
        QFETCH(QColor, back);
        QFETCH(QColor, platformText);
        QFETCH(QColor, text);
        QPalette desktop = QApplication::palette(); // each row sets every colour it changes
        desktop.setColor(QPalette::Base, back);
        desktop.setColor(QPalette::Window, QColor(200, 210, 220));
        desktop.setColor(QPalette::Text, platformText);
        QApplication::setPalette(desktop);
        Module1::TakeWindowBackColor();
        QColor shown;
        QColor labelText;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok, [&](QMessageBox* box) {
            shown = box->grab().toImage().pixelColor(1, 1);
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            labelText = label->palette().color(QPalette::Active, QPalette::WindowText);
        });
        Module1::StyledMsgBox(QStringLiteral("No errors in your puzzle."), modDialogs::vbInformation, {}, nullptr);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(shown, back);
        QCOMPARE(labelText, text);
    }
};

QTEST_MAIN(TestModule1)
#include "tst_Module1.moc"
