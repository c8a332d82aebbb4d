// Tests of the game in the player's language: German, French and Spanish
// beside English, every caption fitting its control, and Qt's own texts in
// the same language.
#include "gameFixture.h"
#include "gameTexts.h"
#include "msgBoxDriver.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace gameFixture;

namespace {

// Starts the game as the program does, its texts in the locale's language;
// the translators of an earlier start are taken away first.
std::unique_ptr<frmsudoku> StartedIn(const QLocale& locale)
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Module1::InstallTranslations(locale);
    return Started();
}

QString Caption(const frmsudoku& w, const char* control)
{
    return w.findChild<QWidget*>(QLatin1String(control))->property("text").toString();
}

// The room a control gives its text, and the text's width in its font.
int Room(QWidget* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        option.text = button->text();
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control).width();
    }
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        option.text = radio->text();
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control).width();
    }
    return control->contentsRect().width();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // ctest runs this under several desktop settings (LANGUAGE, LC_MESSAGES,
    // LANG), each naming the caption Solve must get; without one, English.
    void theDesktopsLanguageIsTheGames()
    {
        Module1::SetApplicationIdentity();
        Module1::InstallTranslations(QLocale::system());
        frmsudoku w;
        const QString expected = qEnvironmentVariable("EXPECTED_SOLVE_CAPTION", QStringLiteral("Solve"));
        QCOMPARE(Caption(w, "Command4"), expected);
    }

    void theWindowSpeaksTheLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("solve");
        QTest::addColumn<QString>("timerHeading");
        QTest::newRow("German") << QLocale("de_DE") << "Lösen"
                                << "Spielzeit";
        QTest::newRow("French") << QLocale("fr_FR") << "Résoudre"
                                << "Chronomètre";
        QTest::newRow("Spanish") << QLocale("es_ES") << "Resolver"
                                 << "Cronómetro";
        QTest::newRow("a language without a translation shows English") << QLocale("pt_BR") << "Solve"
                                                                        << "Puzzle Timer";
    }

    void theWindowSpeaksTheLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, solve);
        QFETCH(QString, timerHeading);
        const auto w = StartedIn(locale);
        QCOMPARE(Caption(*w, "Command4"), solve);
        QCOMPARE(Caption(*w, "Label1"), timerHeading);
        // The name, the version and the clock's format are the same in every language.
        QCOMPARE(w->windowTitle(), QStringLiteral("Pellwick Sudoku 1.0"));
        QCOMPARE(Caption(*w, "lblTimer"), QStringLiteral("00:00 00"));
    }

    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale("en_US");
        QTest::newRow("German") << QLocale("de_DE");
        QTest::newRow("French") << QLocale("fr_FR");
        QTest::newRow("Spanish") << QLocale("es_ES");
    }

    void everyCaptionFitsItsControl()
    {
        QFETCH(QLocale, locale);
        const auto w = StartedIn(locale);
        int captions = 0;
        for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString text = control->property("text").toString();
            if (text.isEmpty() || qobject_cast<TextCell*>(control)) continue;
            ++captions;
            const int width = control->fontMetrics().horizontalAdvance(text);
            QVERIFY2(width <= Room(control),
                     qPrintable(QStringLiteral("%1 \"%2\" is %3 px wide, its control gives it %4 px")
                                    .arg(control->objectName(), text)
                                    .arg(width)
                                    .arg(Room(control))));
        }
        QCOMPARE(captions, 16);
        QCOMPARE(w->size(), QSize(730, 548));
    }

    void aMessageBoxSpeaksTheLanguageWithQtsButtons_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        const QString french = "Votre grille n’est pas terminée.  Voulez-vous voir la solution maintenant\u00A0?";
        const QString spanish = "Tu sudoku no está completo.  ¿Quieres ver la solución ahora?";
        QTest::newRow("German") << QLocale("de_DE")
                                << "Ihr Rätsel ist noch nicht fertig.  Möchten Sie jetzt die Lösung sehen?"
                                << "&Ja"
                                << "&Nein";
        QTest::newRow("French") << QLocale("fr_FR") << french << "&Oui"
                                << "&Non";
        QTest::newRow("Spanish") << QLocale("es_ES") << spanish << "&Sí"
                                 << "&No";
    }

    void aMessageBoxSpeaksTheLanguageWithQtsButtons()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, question);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        const auto w = StartedIn(locale);
        QString yesShown;
        QString noShown;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::No, [&](QMessageBox* box) {
            yesShown = box->button(QMessageBox::Yes)->text();
            noShown = box->button(QMessageBox::No)->text();
        });
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command4")), Qt::LeftButton);
        QVERIFY2(driver.waitForAll(), qPrintable(driver.failureText()));
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(driver.box(0).text, question);
        QCOMPARE(yesShown, yes);
        QCOMPARE(noShown, no);
    }

    void theCellsMenuSpeaksTheLanguage()
    {
        const auto w = StartedIn(QLocale("de_DE"));
        TextCell* cell = TestAccess::tile(*w, 40);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), cell->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(cell, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu, "no menu opened");
        QStringList commands;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) commands << action->text();
        menu->close();
        const QStringList german{"&Ausschneiden", "&Kopieren", "Einf&ügen", "Löschen", "Alles auswählen"};
        QCOMPARE(commands, german);
    }

    // The longest message of every language wraps inside the screen instead
    // of running off it.
    void theLongestMessageWrapsWithinTheScreen_data() { everyCaptionFitsItsControl_data(); }

    void theLongestMessageWrapsWithinTheScreen()
    {
        QFETCH(QLocale, locale);
        const auto w = StartedIn(locale);
        QRect shown;
        QRect screen;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok, [&](QMessageBox* box) {
            shown = box->frameGeometry();
            screen = box->screen()->availableGeometry();
        });
        Module1::StyledMsgBox(gameTexts::GameCreatorError(), 48, gameTexts::GameCreatorErrorTitle(), w.get());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QVERIFY2(screen.contains(shown),
                 qPrintable(QStringLiteral("the box leaves the screen: %1 x %2 on %3 x %4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(screen.width())
                                .arg(screen.height())));
        QCOMPARE_LT(shown.width(), screen.width() * 3 / 4);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
