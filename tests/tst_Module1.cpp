// Tests of start-up: system colours, the window-background colour, and the game's message box painted with it.
#include "Module1.h"
#include "modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;

namespace {

const QColor PaleYellow(255, 248, 220); // three different parts, so that parts taken from the wrong byte show

// The application palette as a desktop might give it: the window background (Base) differs from the face of
// dialogs and buttons (Window), and the text colours differ from each other.
QPalette DesktopPalette(const QColor& base, const QColor& text)
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Window, QColor(200, 210, 220));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, QColor(90, 0, 0));
    return palette;
}

} // namespace

class TestModule1 : public QObject {
    Q_OBJECT

    QPalette platformPalette;

private slots:
    void initTestCase() { platformPalette = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(platformPalette); }

    void translateColorResolvesSystemColours_data()
    {
        QTest::addColumn<std::uint32_t>("color");
        QTest::addColumn<std::uint32_t>("translated");
        QTest::newRow("system colour 5, the window background, is the palette's Base")
            << 0x80000005u << ToColorRef(PaleYellow);
        QTest::newRow("system colour 8, the window text, is the palette's Text") << 0x80000008u << ColorRef(10, 20, 30);
        QTest::newRow("an unknown system colour gives 0") << 0x80000050u << 0u;
        QTest::newRow("a malformed system colour gives 0") << 0x80010005u << 0u;
    }

    void translateColorResolvesSystemColours()
    {
        QFETCH(std::uint32_t, color);
        QFETCH(std::uint32_t, translated);
        QApplication::setPalette(DesktopPalette(PaleYellow, QColor(10, 20, 30)));
        QCOMPARE(Module1::TranslateColor(color), translated);
    }

    // The box is painted with the window background that TakeWindowBackColor takes apart into its three parts and
    // WindowBackColor puts back together: a part taken from the wrong byte shows in the first pixel.
    void styledMsgBoxShowsTheWindowBackgroundWithReadableText_data()
    {
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("platformText");
        QTest::addColumn<QColor>("text");
        QTest::newRow("black text on a pale background") << PaleYellow << QColor(10, 20, 30) << QColor(Qt::black);
        QTest::newRow("the platform's light text on a dark background")
            << QColor(32, 40, 64) << QColor(230, 230, 230) << QColor(230, 230, 230);
        QTest::newRow("white text on a dark background where the platform's text is dark too")
            << QColor(32, 40, 64) << QColor(60, 60, 60) << QColor(Qt::white);
    }

    void styledMsgBoxShowsTheWindowBackgroundWithReadableText()
    {
        QFETCH(QColor, back);
        QFETCH(QColor, platformText);
        QFETCH(QColor, text);
        QApplication::setPalette(DesktopPalette(back, platformText));
        Module1::TakeWindowBackColor();
        QColor labelText;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok, [&](QMessageBox* box) {
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            labelText = label->palette().color(QPalette::Active, QPalette::WindowText);
        });
        QCOMPARE(Module1::StyledMsgBox(QStringLiteral("Your puzzle has no errors."), vbInformation, QString(), nullptr),
                 vbOK);
        QVERIFY(driver.waitForAll());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(driver.box(0).image.pixelColor(1, 1), back);
        QCOMPARE(labelText, text);
        QCOMPARE(State(), DialogState::Idle);
    }
};

QTEST_MAIN(TestModule1)
#include "tst_Module1.moc"
