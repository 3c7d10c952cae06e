// Logging in to a mode, the passwords of the modes and how they are kept;
// the way out with its questions, the command line and one run per folder.
#include "MessageCompare.h"
#include "ProjectFiles.h"
#include "ReadOnlyFolder.h"
#include "ScriptedOperator.h"
#include "TempHome.h"
#include "core/lang/Texts.h"
#include "core/shell/CommandLine.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/InstanceLock.h"
#include "core/shell/Login.h"
#include "core/shell/Modes.h"
#include "core/shell/PasswordChange.h"
#include "core/shell/PasswordStore.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/QueryExit.h"
#include "core/shell/Scramble.h"
#include "core/shell/Session.h"
#include "core/shell/Shutdown.h"

#include <QFileInfo>
#include <QProcess>
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

const QString kPlain = QStringLiteral("Möchten Sie das Programm wirklich beenden?");
const QString kWarning = QStringLiteral("Es sind nicht alle Leser auf dem aktuellen Stand der Projektdatei.\r\n"
                                        "Möchten Sie das Programm trotzdem beenden?");

}  // namespace

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTexts();
        // The program hashes at the interactive cost; the tests below need
        // no more than the least one.
        QVERIFY(PasswordStore::hash("x").startsWith("$argon2id$v=19$m=65536,t=2,"));
        PasswordStore::setHashCostForTests(PasswordStore::leastCost());
    }

    // The first login leaves the protocol entries, failures too, to the
    // opening of a project.
    void withoutEntriesEveryModeTakesTheEmptyPasswordOnly()
    {
        Rig r;
        for (int position = 0; position < 3; ++position) {
            QCOMPARE(r.login.Login(position, "x").kind, LoginStep::Kind::Refused);
            const LoginStep step = r.login.Login(position, "");
            QCOMPARE(step.kind, LoginStep::Kind::FirstLogin);
            QVERIFY(step.protocolLines.isEmpty());
            QCOMPARE(r.session.mode, modeAtListPosition(position));
        }
        QCOMPARE(r.session.failedLogins, 3);
        QVERIFY(!QFileInfo::exists(r.config.path()));  // an accepted empty password is not written down
    }

    void failedAttemptsAreReportedAtTheNextModeChange()
    {
        Rig r;
        PasswordStore(r.config).store(Mode::Standard, "Tor7");
        QCOMPARE(r.login.Login(-1, "Tor7").message,
            test::message("Sie haben keinen Modus ausgewählt!", "Kein Modus", MessageIcon::Exclamation));

        r.session.mode = Mode::Beobachtung;
        r.session.projectOpen = true;
        r.login.RequestMode();
        for (const char* wrong : {"tor7", "Tor7 "}) {
            const LoginStep step = r.login.Login(kStandard, wrong);
            QVERIFY(step.kind == LoginStep::Kind::Refused && step.protocolLines.isEmpty());
            QCOMPARE(step.message,
                test::message("Ungültiges Passwort. Bitte versuchen Sie es noch einmal!", "Anmeldung",
                    MessageIcon::Exclamation, LoginProcedure::kPasswordBox, true));
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

    void exitQuestion_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pending");
        QTest::addColumn<int>("readers");  // -1: cannot be counted
        QTest::addColumn<QString>("question");
        QTest::newRow("no reader waits") << 2 << 0 << 0 << kPlain;
        QTest::newRow("readers wait") << 2 << 0 << 2 << kWarning;
        QTest::newRow("transfer list") << 3 << 1 << 0 << kWarning;
        QTest::newRow("observing with readers waiting") << 1 << 3 << 2 << kPlain;
        QTest::newRow("readers cannot be counted") << 2 << 0 << -1 << kWarning;
        QTest::newRow("before login") << 0 << 0 << 0 << kPlain;
    }

    void exitQuestion()
    {
        QFETCH(int, mode);
        QFETCH(int, pending);
        QFETCH(int, readers);
        QFETCH(QString, question);
        ExitFacts facts;
        facts.mode = Mode(mode);
        facts.pendingTransfers = [pending] { return pending; };
        facts.readersToTransfer = [readers]() -> std::optional<int> {
            return readers < 0 ? std::nullopt : std::optional<int>(readers);
        };
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            test::ScriptedOperator op;
            op.then(answer);
            QCOMPARE(QueryExit(facts, op), answer == Answer::Yes);
            QCOMPARE(op.texts(), QStringList {question});
            QCOMPARE(op.asked().first().buttons, Buttons::YesNo);
            QCOMPARE(op.asked().first().message.icon, MessageIcon::Question);
            QCOMPARE(op.asked().first().message.title,
                     question == kPlain ? QStringLiteral("Beenden") : QStringLiteral("Datenübertragung nicht vollständig!"));
        }
    }

    // The operator's way asks to save before the last line; a signal asks
    // nothing and leaves the work copy; either runs once.
    void terminateRunsOnceAndInOrder_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QStringList>("done");
        QTest::newRow("operator") << int(Shutdown::Way::Operator) << QStringList({"save?", "Programm beendet", "ports"});
        QTest::newRow("signal") << int(Shutdown::Way::Signal) << QStringList({"Programm beendet", "ports"});
    }

    void terminateRunsOnceAndInOrder()
    {
        QFETCH(int, way);
        Session session;
        session.projectOpen = true;
        QStringList done;
        Shutdown shutdown(session, [&done](const QString& text) { done << text; });
        shutdown.hooks().askSaveAndClose = [&done] { done << "save?"; };
        shutdown.hooks().closePorts = [&done] { done << "ports"; };
        shutdown.terminate(Shutdown::Way(way));
        shutdown.terminate(Shutdown::Way::Operator);
        QTEST(done, "done");

        Shutdown noHooks(session, {});
        noHooks.terminate(Shutdown::Way::Operator);  // later parts not wired in yet
        QVERIFY(noHooks.done());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("project");
        QTest::newRow("nothing") << QStringList() << int(CommandLine::Action::Run) << QString();
        QTest::newRow("project") << QStringList {"Werk 2.mdb"} << int(CommandLine::Action::Run) << "Werk 2.mdb";
        QTest::newRow("help wins") << QStringList {"-x", "--version", "--help"} << int(CommandLine::Action::Help) << QString();
        QTest::newRow("version") << QStringList {"a.mdb", "--version"} << int(CommandLine::Action::Version) << "a.mdb";
        QTest::newRow("unknown option") << QStringList {"--frobnicate"} << int(CommandLine::Action::Error) << QString();
        QTest::newRow("two projects") << QStringList {"a.mdb", "b.mdb"} << int(CommandLine::Action::Error) << "a.mdb";
        QTest::newRow("after --") << QStringList {"--", "--help"} << int(CommandLine::Action::Run) << "--help";
        QTest::newRow("the toolkit's options")
            << QStringList {"-platform", "offscreen", "--style=fusion", "-reverse", "Werk.mdb"}
            << int(CommandLine::Action::Run) << "Werk.mdb";
        QTest::newRow("a toolkit option after --") << QStringList {"--", "-reverse"} << int(CommandLine::Action::Run)
                                                   << "-reverse";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        const CommandLine cl = CommandLine::parse(CommandLine::withoutToolkitOptions(args));
        QTEST(int(cl.action), "action");
        QTEST(cl.projectFile, "project");
        if (cl.action != CommandLine::Action::Help && cl.action != CommandLine::Action::Version)
            QCOMPARE(cl.error.isEmpty(), cl.action == CommandLine::Action::Run);
    }

    void oneRunPerFolder()
    {
        test::TempHome home;
        {
            InstanceLock first(home.path());
            InstanceLock second(home.path());
            QVERIFY(first.acquire());
            QVERIFY(!second.acquire());
        }
        InstanceLock again(home.path());
        QVERIFY(again.acquire());

        QCOMPARE(InstanceLock::secondInstanceMessage(),
            test::message("Die Anwendung wurde bereits gestartet.\r\n"
                          "Ein mehrfaches gleichzeitiges Ausführen ist nicht möglich!",
                "Achtung!", MessageIcon::Critical));
    }

    void lockOfADeadRunIsTakenOver()
    {
        test::TempHome home;
        QByteArray living;  // a lock as this process writes it
        {
            QTemporaryDir other;
            InstanceLock probe(other.path());
            QVERIFY(probe.acquire());
            living = test::fileBytes(other.filePath(InstanceLock::fileName()));
        }
        home.writeFile(InstanceLock::fileName(), living);
        QVERIFY(!InstanceLock(home.path()).acquire());

        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const QByteArray pid = QByteArray::number(gone.processId());
        QVERIFY(gone.waitForFinished());
        home.writeFile(InstanceLock::fileName(), pid + living.mid(living.indexOf('\n')));
        QVERIFY(InstanceLock(home.path()).acquire());
    }
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
