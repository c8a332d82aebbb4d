// Tests of the game in the player's language: German, French and Spanish beside English, every text fitting where
// it is shown, and Qt's own texts in the same language.
#include "gameFixture.h"
#include "gameTexts.h"
#include "modDialogs.h"
#include "msgBoxDriver.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace gameFixture;
using namespace Qt::StringLiterals;

namespace {

// Starts the game as the program does, its texts in the locale's language; the translators of an earlier start are
// taken away first.
std::unique_ptr<frmsudoku> StartedIn(const QLocale& locale)
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Module1::InstallTranslations(locale);
    return Started();
}

QString Caption(const frmsudoku& w, const char* control) { return Find(w, control)->property("text").toString(); }

// The room a control gives its text.
int Room(QWidget* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    if (qobject_cast<QPushButton*>(control))
        return control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control).width();
    if (qobject_cast<QRadioButton*>(control))
        return control->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, control).width();
    return control->contentsRect().width();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // ctest runs this under several desktop settings (LANGUAGE, LC_MESSAGES, LANG), each naming the caption Solve
    // must get; without one, English.
    void theDesktopsLanguageIsTheGames()
    {
        Module1::SetApplicationIdentity();
        Module1::InstallTranslations(QLocale::system());
        frmsudoku w;
        const QString expected = qEnvironmentVariable("EXPECTED_SOLVE_CAPTION", QStringLiteral("Solve"));
        QCOMPARE(Caption(w, "Command4"), expected);
    }

    void theWindowSpeaksTheLanguageAndEveryTextFits_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("solve");
        QTest::addColumn<QString>("timerHeading");
        QTest::addColumn<QString>("errorTitle");
        QTest::addColumn<QString>("yes"); // Qt's own text
        QTest::newRow("German") << QLocale("de_DE") << u"Lösen"_s << u"Spielzeit"_s
                                << u"Fehler beim Erstellen des Spiels"_s << u"&Ja"_s;
        QTest::newRow("French") << QLocale("fr_FR") << u"Résoudre"_s << u"Chronomètre"_s
                                << u"Erreur de création de la partie"_s << u"&Oui"_s;
        QTest::newRow("Spanish") << QLocale("es_ES") << u"Resolver"_s << u"Cronómetro"_s
                                 << u"Error al crear la partida"_s << u"&Sí"_s;
        QTest::newRow("a language without a translation shows English")
            << QLocale("pt_BR") << u"Solve"_s << u"Puzzle Timer"_s << u"Game Creator Error"_s << u"&Yes"_s;
    }

    // Two captions stand for the window's texts, and the longest message's title for the boxes', whose buttons are
    // Qt's own texts in the same language. Every caption fits its control in its own font, and the longest message
    // wraps inside the screen instead of running off it.
    void theWindowSpeaksTheLanguageAndEveryTextFits()
    {
        QFETCH(QLocale, locale);
        const auto w = StartedIn(locale);
        QTEST(Caption(*w, "Command4"), "solve");
        QTEST(Caption(*w, "Label1"), "timerHeading");
        int captions = 0;
        for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString text = control->property("text").toString();
            if (text.isEmpty() || qobject_cast<TextCell*>(control)) continue;
            ++captions;
            const int width = control->fontMetrics().horizontalAdvance(text);
            const int room = Room(control);
            QVERIFY2(width <= room,
                     qPrintable(
                         u"%1 \"%2\" is %3 px wide in %4 px"_s.arg(control->objectName(), text).arg(width).arg(room)));
        }
        QCOMPARE(captions, 16);

        QRect shown;
        QRect screen;
        QString yes;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Yes, [&](QMessageBox* box) {
            shown = box->frameGeometry();
            screen = box->screen()->availableGeometry();
            yes = box->button(QMessageBox::Yes)->text();
        });
        Module1::StyledMsgBox(gameTexts::GameCreatorError(), modDialogs::vbYesNo + modDialogs::vbExclamation,
                              gameTexts::GameCreatorErrorTitle(), w.get());
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QTEST(driver.box(0).title, "errorTitle");
        QTEST(yes, "yes");
        QCOMPARE(shown.intersected(screen), shown); // wholly on the screen
        QCOMPARE_LT(shown.width(), screen.width() * 3 / 4);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
