// Tests of start-up: system colours, the window-background colour, and the game's message box painted with it.
#include "Module1.h"
#include "modDialogs.h"
#include "msgBoxDriver.h"

using namespace modDialogs;

namespace {

const QColor PaleYellow(255, 255, 224);

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

bool ContainsColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
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
        QTest::newRow("a plain colour stays as it is") << 0x00E0FF10u << 0x00E0FF10u;
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

    void takeWindowBackColorSplitsTheWindowBackground()
    {
        QApplication::setPalette(DesktopPalette(PaleYellow, Qt::black));
        Module1::TakeWindowBackColor();
        QCOMPARE(Module1::windowBackRed, std::int16_t{255});
        QCOMPARE(Module1::windowBackGreen, std::int16_t{255});
        QCOMPARE(Module1::windowBackBlue, std::int16_t{224});
        QCOMPARE(Module1::WindowBackColor(), ToColorRef(PaleYellow));
    }

    void styledMsgBoxShowsTheWindowBackgroundWithReadableText_data()
    {
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("platformText");
        QTest::addColumn<QColor>("text");
        QTest::newRow("black text on a pale background") << PaleYellow << QColor(10, 20, 30) << QColor(Qt::black);
        QTest::newRow("the platform's light text on a dark background")
            << QColor(32, 32, 64) << QColor(230, 230, 230) << QColor(230, 230, 230);
        QTest::newRow("white text on a dark background where the platform's text is dark too")
            << QColor(32, 32, 64) << QColor(60, 60, 60) << QColor(Qt::white);
    }

    void styledMsgBoxShowsTheWindowBackgroundWithReadableText()
    {
        QFETCH(QColor, back);
        QFETCH(QColor, platformText);
        QFETCH(QColor, text);
        QApplication::setPalette(DesktopPalette(back, platformText));
        Module1::TakeWindowBackColor();
        QColor labelText;
        QRect labelPlace;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok, [&](QMessageBox* box) {
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            labelText = label->palette().color(QPalette::Active, QPalette::WindowText);
            labelPlace = label->geometry();
        });
        QCOMPARE(Module1::StyledMsgBox(QStringLiteral("Your puzzle has no errors."), vbInformation,
                                       QStringLiteral("Pellwick Sudoku"), nullptr),
                 vbOK);
        QVERIFY(driver.waitForAll());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        const QImage shown = driver.box(0).image;
        QCOMPARE(shown.pixelColor(1, 1), back);
        QCOMPARE(labelText, text);
        QVERIFY2(ContainsColour(shown.copy(labelPlace), text), qPrintable(text.name()));
        QCOMPARE(State(), DialogState::Idle);
    }
};

QTEST_MAIN(TestModule1)
#include "tst_Module1.moc"
