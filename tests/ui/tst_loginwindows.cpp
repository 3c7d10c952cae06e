// The login and password dialogs on the real windows of a program run.
#include "ProgramRunRig.h"
#include "core/shell/PasswordStore.h"
#include "core/shell/Scramble.h"
#include "core/shell/Version.h"
#include "ui/main/MainPages.h"
#include "ui/login/FrmPW.h"

#include <QLabel>

using namespace varnox;
using test::ProgramRunRig;
using test::whenModal;

namespace {

const QString kWrong = QStringLiteral("Ungültiges Passwort. Bitte versuchen Sie es noch einmal!");

QString storedPassword(ProgramRunRig& r, Mode mode)
{
    return r.run->config().readValue("Berechtigungen", PasswordStore::key(mode));
}

}  // namespace

class TestLoginWindows : public QObject {
    Q_OBJECT

private slots:
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
        r.addProject();
        r.start();
        r.logInAndOpen(Mode::Konfiguration);
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

    void changedPasswordHoldsAtTheNextLoginWithoutTheOldOne()
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
        QVERIFY(PasswordStore::isHash(storedPassword(r, Mode::Standard)));

        whenModal<FrmLogIn>([](FrmLogIn* d) {
            MessageBox::queueAnswer(Answer::Ok);
            test::logIn(d, Mode::Standard, "alt");
            test::logIn(d, Mode::Standard, "Neu1");
        });
        r.window().menuItem("Standardmodus")->trigger();
        QCOMPARE(r.run->session().mode, Mode::Standard);
        QCOMPARE(r.entries().mid(r.entries().size() - 2),
                 QStringList({"Anmeldung 1 mal fehlgeschlagen", "Anmeldung im Standardmodus"}));
    }

    void scrambledPasswordOfOlderFilesIsAcceptedAndThenHashed()
    {
        ProgramRunRig r(QByteArray("[Config]\nRecording=255\nEncrypt=0\n[Berechtigungen]\n2LEVEL=")
                        + Scramble("Wache", programKeyText()).toUtf8() + "\n");
        r.addProject();
        r.start();
        QCOMPARE(Unscramble(storedPassword(r, Mode::Standard), programKeyText()), QString("Wache"));
        r.logInAndOpen(Mode::Standard, "Wache");
        QCOMPARE(r.run->session().mode, Mode::Standard);
        QVERIFY(PasswordStore::isHash(storedPassword(r, Mode::Standard)));
        QVERIFY(!r.home.readFile("VARNOXCF.INI").contains("Wache"));
    }

    void withoutProjectsOnlyKonfigurationsmodusGoesOn()
    {
        ProgramRunRig r;
        r.start();
        MessageBox::queueAnswer(Answer::Ok);
        test::logIn(&r.run->loginDialog(), Mode::Standard, "");
        QCOMPARE(test::lastMessageTitle(), QString("Keine Datei"));
        QVERIFY(r.run->loginDialog().isVisible());

        whenModal<QDialog>([](QDialog* d) {
            QCOMPARE(d->objectName(), QString("FrmNewFile"));
            QTest::keyClicks(test::control(d, "TxtNewFile"), "Erste Anlage");
            test::click(d, "CmdNewFileS");
        });
        test::logIn(&r.run->loginDialog(), Mode::Konfiguration, "");
        QVERIFY(r.window().isVisible());
        QVERIFY(!r.run->loginDialog().isVisible());
        QCOMPARE(r.run->session().mode, Mode::Konfiguration);
        QVERIFY(r.window().windowTitle().endsWith("Projekt ERSTE ANLAGE"));
        QCOMPARE(r.window().pages().currentIndex(), 0);
    }
};

QTEST_MAIN(TestLoginWindows)
#include "tst_loginwindows.moc"
