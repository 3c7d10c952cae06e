// The main window in the three operating modes, every menu item, page and
// toolbar button, reached through real logins; and the login and password
// dialogs on the real windows of a program run.
#include "ProgramRunRig.h"
#include "core/project/SaveState.h"
#include "core/shell/PasswordStore.h"
#include "core/shell/Version.h"
#include "ui/login/FrmPW.h"
#include "ui/main/MainPages.h"

#include <QAction>
#include <QMap>

using namespace varnox;
using test::ProgramRunRig;
using test::whenModal;

namespace {

// Per item the state in Beobachtungs-, Standard- and Konfigurationsmodus:
// E enabled, A available, S shown, - none of them.
const QMap<QString, QString> kMenu = {
    {"Neues_Projekt", "--E"},       {"Projekt_oeffnen", "-EE"},    {"Speichern", "--E"},
    {"Speichern_unter", "--E"},     {"Monitor_anzeigen", "EEE"},   {"Beenden", "EEE"},
    {"Leser", "--E"},               {"Zutrittsprofile", "--E"},    {"Funktionen", "--E"},
    {"Zeitzonen", "--E"},           {"Zuordnung_der_Leser", "--E"}, {"Schluessel", "-EE"},
    {"Kommunikation", "--E"},       {"Datenuebertragung", "-EE"},  {"Allgemein", "--E"},
    {"Sicherheit", "--E"},          {"Fernwartung", "--E"},        {"Protokoll_drucken", "EEE"},
    {"Keyliste_drucken", "-EE"},    {"Schluesseluebersicht", "-EE"}, {"Beobachtungsmodus", "-EE"},
    {"Standardmodus", "E-E"},       {"Konfigurationsmodus", "EE-"}, {"Moduspasswort_aendern", "--E"},
    {"Willkommen", "--E"},          {"Info_ueber", "EEE"},
};
const QStringList kPages = {"--A", "--A", "--A", "--A", "--A", "--A", "-AA", "--A", "-AA", "AAA"};
const QMap<QString, QString> kButtons = {
    {"Neu", "--S"},       {"Leser", "--S"},      {"Zutrittsprofile", "--S"},  {"Funktionen", "--S"},
    {"Zeitzonen", "--S"}, {"Leserzuordnung", "--S"}, {"COM", "--S"},          {"Oeffnen", "-SS"},
    {"Speichern", "-SS"}, {"Schluessel", "-SS"},  {"Datenuebertragung", "-SS"}, {"Monitor", "SSS"},
    {"Drucken", "SSS"},   {"Ende", "SSS"},
};

bool on(const QString& states, Mode mode) { return states.at(int(mode) - 1) != QLatin1Char('-'); }

// The window as the tables want it in `mode`, with unsaved changes (so that
// the save commands follow the mode alone).
void checkTables(FrmMain& w, Mode mode)
{
    for (auto it = kMenu.begin(); it != kMenu.end(); ++it)
        QVERIFY2(w.menuItem(it.key())->isEnabled() == on(it.value(), mode), qPrintable(it.key()));
    for (int i = 0; i < kPageCount; ++i)
        QVERIFY2(w.pages().isTabVisible(i) == on(kPages[i], mode), qPrintable(QString::number(i)));
    for (auto it = kButtons.begin(); it != kButtons.end(); ++it)
        QVERIFY2(w.toolbarButton(it.key())->isVisible() == on(it.value(), mode), qPrintable(it.key()));
    QCOMPARE(w.pages().currentIndex(), mode == Mode::Konfiguration ? 0 : 9);
}

const QString kWrong = QStringLiteral("Ungültiges Passwort. Bitte versuchen Sie es noch einmal!");

}  // namespace

class TestModes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PasswordStore::setHashCostForTests(PasswordStore::leastCost()); }

    void everyMenuItemPageAndButtonFollowsTheMode()
    {
        ProgramRunRig r;
        r.startWithProject(Mode::Konfiguration);
        QVERIFY(r.window().isVisible());
        SetSaved(false);
        checkTables(r.window(), Mode::Konfiguration);
        r.window().selectPage(4);

        for (const Mode mode : {Mode::Standard, Mode::Beobachtung, Mode::Konfiguration}) {
            r.changeMode(mode);
            QCOMPARE(r.run->session().mode, mode);
            checkTables(r.window(), mode);
            QVERIFY(r.window().windowTitle().endsWith(" - Projekt ANLAGE"));
        }
        QCOMPARE(r.entries(), QStringList({"Programm gestartet", "Anmeldung im Konfigurationsmodus",
                                           "Anmeldung im Standardmodus", "Anmeldung im Beobachtungsmodus",
                                           "Anmeldung im Konfigurationsmodus"}));
    }

    void saveCommandsOfferSavingOnlyAfterAChange()
    {
        ProgramRunRig r;
        r.startWithProject(Mode::Konfiguration);
        QAction* item = r.window().menuItem("Speichern");
        QAction* button = r.window().toolbarButton("Speichern");
        QVERIFY(!item->isEnabled() && !button->isEnabled());
        SetSaved(false);
        QVERIFY(item->isEnabled() && button->isEnabled());

        MessageBox::queueAnswer(Answer::Yes);
        button->trigger();
        QCOMPARE(MessageBox::shown().last().text, QString("Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?"));
        QVERIFY(!item->isEnabled() && !button->isEnabled());
        SetSaved(false);

        // Standardmodus offers the button but not the menu item.
        r.changeMode(Mode::Standard);
        QVERIFY(!item->isEnabled());
        QVERIFY(button->isVisible() && button->isEnabled());
        SetSaved(true);
        QVERIFY(!button->isEnabled());
        SetSaved(false);
        QVERIFY(!item->isEnabled());
    }

    void pageActionsSelectTheirPages()
    {
        ProgramRunRig r;
        r.startWithProject(Mode::Konfiguration);
        FrmMain& w = r.window();
        // The keys in their groups; the save button is the third.
        QStringList order;
        for (const QAction* a : test::control(&w, "Toolbar1")->actions())
            order << (a->isSeparator() ? QString("|") : a->objectName());
        QCOMPARE(order.join(' '), QString("Neu Oeffnen Speichern | Leser Zutrittsprofile Funktionen Zeitzonen "
                                          "Leserzuordnung Schluessel COM Datenuebertragung | Monitor Drucken | Ende"));

        const QList<std::pair<const char*, int>> buttons = {
            {"Leser", 1}, {"Zutrittsprofile", 2}, {"Funktionen", 3}, {"Zeitzonen", 4}, {"Leserzuordnung", 5},
            {"Schluessel", 6}, {"COM", 7}, {"Datenuebertragung", 8}, {"Monitor", 9}};
        for (const auto& [key, page] : buttons) {
            w.toolbarButton(key)->trigger();
            QCOMPARE(w.pages().currentIndex(), page);
        }
        for (const auto& [item, page] :
             {std::pair{"Willkommen", 0}, {"Zuordnung_der_Leser", 5}, {"Kommunikation", 7}, {"Monitor_anzeigen", 9}}) {
            w.menuItem(item)->trigger();
            QCOMPARE(w.pages().currentIndex(), page);
        }
    }

    void failedAttemptsAreWrittenBeforeTheLogin()
    {
        ProgramRunRig r;
        r.addProject();
        r.start();
        PasswordStore(r.run->config()).store(Mode::Standard, "Tor7");
        FrmLogIn& login = r.run->loginDialog();
        QVERIFY(login.isVisible());
        QVERIFY(!r.window().isVisible());
        QCOMPARE(test::control<QLabel>(&login, "LblLogUeb")->text(), "Varnox v" + versionText());
        for (const char* wrong : {"tor7", ""}) {
            MessageBox::queueAnswer(Answer::Ok);
            test::logIn(&login, Mode::Standard, wrong);
            QCOMPARE(MessageBox::shown().last().text, kWrong);
            QCOMPARE(login.focusWidget(), test::control(&login, "TxtLogPW"));
        }
        r.logInAndOpen(Mode::Standard, "Tor7");
        QVERIFY(!login.isVisible());
        QVERIFY(r.window().isVisible());
        QCOMPARE(r.run->session().mode, Mode::Standard);
        QCOMPARE(r.entries(),
                 QStringList({"Programm gestartet", "Anmeldung 2 mal fehlgeschlagen", "Anmeldung im Standardmodus"}));
    }

    void cancellingTheFirstLoginEndsTheProgram()
    {
        ProgramRunRig r;
        r.start();
        PasswordStore(r.run->config()).store(Mode::Beobachtung, "Blick");
        MessageBox::queueAnswer(Answer::Ok);
        test::logIn(&r.run->loginDialog(), Mode::Beobachtung, "blick");
        test::click(&r.run->loginDialog(), "CmdLogCancel");
        QCOMPARE(r.ends, 1);
        QVERIFY(!r.run->loginDialog().isVisible());
        QCOMPARE(r.entries(), QStringList({"Programm gestartet", "Anmeldung 1 mal fehlgeschlagen",
                                           "Anmeldung abgebrochen", "Programm beendet"}));
    }

    void cancelledModeChangeKeepsModeAndPage()
    {
        ProgramRunRig r;
        r.startWithProject(Mode::Konfiguration);
        PasswordStore(r.run->config()).store(Mode::Standard, "Tor7");
        r.window().selectPage(3);
        whenModal<FrmLogIn>([](FrmLogIn* d) {
            QCOMPARE(test::control<QComboBox>(d, "CmbLogMod")->currentIndex(), 1);
            QVERIFY(test::control<QLineEdit>(d, "TxtLogPW")->text().isEmpty());
            MessageBox::queueAnswer(Answer::Ok);
            test::logIn(d, Mode::Standard, "falsch");
            test::click(d, "CmdLogCancel");
        });
        r.window().menuItem("Standardmodus")->trigger();
        QCOMPARE(r.run->session().mode, Mode::Konfiguration);
        QCOMPARE(r.window().pages().currentIndex(), 3);
        QVERIFY(r.window().isVisible());
        QCOMPARE(r.ends, 0);
        QCOMPARE(r.entries().mid(2), QStringList({"Neue Anmeldung abgebrochen"}));
    }

    void passwordDialogStoresThePasswordOfTheChosenMode()
    {
        ProgramRunRig r;
        r.addProject();
        r.start();
        PasswordStore(r.run->config()).store(Mode::Standard, "alt");
        r.logInAndOpen(Mode::Konfiguration);
        whenModal<FrmPW>([](FrmPW* d) {
            test::control<QComboBox>(d, "CmbPWMod")->setCurrentIndex(1);
            QTest::keyClicks(test::control(d, "TxtPWNeu"), "Neu1");
            QTest::keyClicks(test::control(d, "TxtPWWdh"), "Neu1");
            test::click(d, "CmdPWOK");
        });
        r.window().menuItem("Moduspasswort_aendern")->trigger();
        QCOMPARE(r.entries().last(), QString("Passwortänderung beim Standardmodus"));
        PasswordStore store(r.run->config());
        QVERIFY(store.verify(Mode::Standard, "Neu1") && !store.verify(Mode::Standard, "alt"));
    }

    // Without any project file Konfigurationsmodus goes on to a new one.
    void withoutProjectsANewOneIsMade()
    {
        ProgramRunRig r;
        r.start();
        whenModal<QDialog>([](QDialog* d) {
            QCOMPARE(d->objectName(), QString("FrmNewFile"));
            QTest::keyClicks(test::control(d, "TxtNewFile"), "Erste Anlage");
            test::click(d, "CmdNewFileS");
        });
        test::logIn(&r.run->loginDialog(), Mode::Konfiguration, "");
        QVERIFY(r.window().isVisible());
        QVERIFY(!r.run->loginDialog().isVisible());
        QVERIFY(r.window().windowTitle().endsWith("Projekt ERSTE ANLAGE"));
        QCOMPARE(r.window().pages().currentIndex(), 0);
    }
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
