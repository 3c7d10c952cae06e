// Logging in to a mode, the passwords of the modes and how they are kept.
#include "ReadOnlyFolder.h"
#include "TempHome.h"
#include "core/lang/Texts.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/Login.h"
#include "core/shell/Modes.h"
#include "core/shell/PasswordChange.h"
#include "core/shell/PasswordStore.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Scramble.h"

#include <QFileInfo>
#include <QTest>

using namespace varnox;

namespace {

constexpr int kStandard = 1;  // list positions of CmbLogMod
constexpr int kKonfiguration = 2;

struct Rig {
    test::TempHome home;
    ConfigFile config{ProgramFolder::configFile()};
    Session session;
    LoginProcedure login{session, config};

    QString stored(Mode mode) const { return config.readValue("Berechtigungen", PasswordStore::key(mode)); }
};

}  // namespace

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void withoutEntriesEveryModeTakesTheEmptyPasswordOnly()
    {
        Rig r;
        for (int position = 0; position < 3; ++position) {
            QCOMPARE(r.login.Login(position, "x").kind, LoginStep::Kind::Refused);
            QCOMPARE(r.login.Login(position, "").kind, LoginStep::Kind::FirstLogin);
            QCOMPARE(r.session.mode, modeAtListPosition(position));
        }
        QVERIFY(!QFileInfo::exists(r.config.path()));  // an accepted empty password is not written down
    }

    void failedAttemptsAreReportedAtTheNextModeChange()
    {
        Rig r;
        PasswordStore(r.config).store(Mode::Standard, "Tor7");
        const LoginStep none = r.login.Login(-1, "Tor7");
        QCOMPARE(none.message.text, QString("Sie haben keinen Modus ausgewählt!"));
        QCOMPARE(none.message.title, QString("Kein Modus"));

        r.session.mode = Mode::Beobachtung;
        r.session.projectOpen = true;
        r.login.RequestMode();
        for (const char* wrong : {"tor7", "Tor7 "}) {
            const LoginStep step = r.login.Login(kStandard, wrong);
            QCOMPARE(step.kind, LoginStep::Kind::Refused);
            QCOMPARE(step.message.text, QString("Ungültiges Passwort. Bitte versuchen Sie es noch einmal!"));
            QCOMPARE(step.message.focus, LoginProcedure::kPasswordBox);
            QVERIFY(step.message.selectAll);
            QVERIFY(step.protocolLines.isEmpty());
        }
        QCOMPARE(r.session.failedLogins, 2);
        QCOMPARE(r.session.mode, Mode::Beobachtung);

        const LoginStep ok = r.login.Login(kStandard, "Tor7");
        QCOMPARE(ok.kind, LoginStep::Kind::ModeChanged);
        QCOMPARE(ok.protocolLines, QStringList({"Anmeldung 2 mal fehlgeschlagen", "Anmeldung im Standardmodus"}));
        QCOMPARE(r.session.mode, Mode::Standard);
        QCOMPARE(r.session.failedLogins, 0);
        QVERIFY(!r.session.modeChangeRequested);

        // A new request counts afresh; without failures only the mode is written.
        r.session.failedLogins = 3;
        r.login.RequestMode();
        QCOMPARE(r.login.Login(0, "").protocolLines, QStringList({"Anmeldung im Beobachtungsmodus"}));
    }

    void firstLoginLeavesTheEntriesToTheOpeningOfAProject()
    {
        Rig r;
        QCOMPARE(r.login.Login(kKonfiguration, "?").kind, LoginStep::Kind::Refused);
        const LoginStep step = r.login.Login(kKonfiguration, "");
        QCOMPARE(step.kind, LoginStep::Kind::FirstLogin);
        QVERIFY(step.protocolLines.isEmpty());
        QCOMPARE(r.session.failedLogins, 1);
    }

    void cancelEndsTheProgramOnlyBeforeAProjectIsOpen()
    {
        Rig r;
        r.login.Login(0, "wrong");
        r.login.Login(0, "wrong");
        const LoginStep first = r.login.CancelLogin();
        QCOMPARE(first.kind, LoginStep::Kind::EndProgram);
        QCOMPARE(first.protocolLines, QStringList({"Anmeldung 2 mal fehlgeschlagen", "Anmeldung abgebrochen"}));

        r.session.projectOpen = true;
        r.session.mode = Mode::Standard;
        r.login.RequestMode();
        r.login.Login(kKonfiguration, "wrong");
        const LoginStep change = r.login.CancelLogin();
        QCOMPARE(change.kind, LoginStep::Kind::ModeKept);
        QCOMPARE(change.protocolLines, QStringList({"Neue Anmeldung abgebrochen"}));
        QCOMPARE(r.session.mode, Mode::Standard);
    }

    void passwordsAreKeptAsHashesReadableByTheOwnerOnly()
    {
        Rig r;
        QVERIFY(PasswordStore(r.config).store(Mode::Konfiguration, "Wächter-42"));
        const QString kept = r.stored(Mode::Konfiguration);
        QVERIFY2(kept.startsWith("$argon2id$"), qPrintable(kept));
        QVERIFY(!QString::fromUtf8(r.home.readFile("VARNOXCF.INI")).contains("Wächter"));
        QCOMPARE(QFileInfo(r.config.path()).permissions() & 0x0077, QFileDevice::Permissions());
        QCOMPARE(r.login.Login(kKonfiguration, "wächter-42").kind, LoginStep::Kind::Refused);
        QCOMPARE(r.login.Login(kKonfiguration, "Wächter-42").kind, LoginStep::Kind::FirstLogin);
        QCOMPARE(r.stored(Mode::Konfiguration), kept);  // a hash is not made anew at every login

        // Another hash of the same password is another text: each has a salt of its own.
        QVERIFY(PasswordStore::hash("Wächter-42") != kept);
    }

    void scrambledEntryIsAcceptedOnceAndThenKeptAsAHash()
    {
        Rig r;
        const QString legacy = Scramble("Alt9", programKeyText());
        r.config.writeValue("Berechtigungen", "2LEVEL", legacy);
        QCOMPARE(r.login.Login(kStandard, "alt9").kind, LoginStep::Kind::Refused);
        QCOMPARE(r.stored(Mode::Standard), legacy);

        QCOMPARE(r.login.Login(kStandard, "Alt9").kind, LoginStep::Kind::FirstLogin);
        QVERIFY(PasswordStore::isHash(r.stored(Mode::Standard)));
        QCOMPARE(r.login.Login(kStandard, "Alt9").kind, LoginStep::Kind::FirstLogin);
        // The scrambled text itself is no password.
        QCOMPARE(r.login.Login(kStandard, legacy).kind, LoginStep::Kind::Refused);
    }

    void changedPasswordHoldsAtTheNextLogin()
    {
        Rig r;
        PasswordChange change(r.config);
        QCOMPARE(PasswordChange::offeredModes(Mode::Standard), QList<Mode>({Mode::Beobachtung, Mode::Standard}));
        QCOMPARE(PasswordChange::offeredModes(Mode::Konfiguration),
                 QList<Mode>({Mode::Beobachtung, Mode::Standard, Mode::Konfiguration}));

        QString line;
        const Outcome empty = change.ChangePassword(Mode::Beobachtung, "", "", &line);
        QCOMPARE(empty.message().text, QString("Ungültiges Passwort. Bitte versuchen Sie es noch einmal!"));
        QCOMPARE(empty.message().focus, PasswordChange::kNewBox);
        const Outcome differs = change.ChangePassword(Mode::Beobachtung, "Blick", "blick", &line);
        QCOMPARE(differs.message().title, QString("Falsche Eingabe"));
        QCOMPARE(differs.message().focus, PasswordChange::kRepeatBox);
        QVERIFY(line.isEmpty());
        QCOMPARE(r.stored(Mode::Beobachtung), QString());

        QVERIFY(change.ChangePassword(Mode::Beobachtung, "Blick", "Blick", &line).isOk());
        QCOMPARE(line, QString("Passwortänderung beim Beobachtungsmodus"));
        QCOMPARE(r.login.Login(0, "").kind, LoginStep::Kind::Refused);
        QCOMPARE(r.login.Login(0, "Blick").kind, LoginStep::Kind::FirstLogin);
    }

    void passwordThatCannotBeWrittenIsNotReportedAsChanged()
    {
        Rig r;
        PasswordStore(r.config).store(Mode::Standard, "alt");
        test::ReadOnlyFolder locked(r.home.path());
        if (!locked.active())
            QSKIP("the program folder cannot be made read-only here");
        QString line;
        const Outcome outcome = PasswordChange(r.config).ChangePassword(Mode::Standard, "neu", "neu", &line);
        QVERIFY(!outcome.isOk());
        QVERIFY(outcome.message().text.startsWith("Das Passwort konnte nicht gespeichert werden."));
        QVERIFY(line.isEmpty());
        QCOMPARE(r.login.Login(kStandard, "alt").kind, LoginStep::Kind::FirstLogin);
    }
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
