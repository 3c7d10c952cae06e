#include "ScriptedOperator.h"
#include "TempHome.h"
#include "core/shell/CommandLine.h"
#include "core/shell/InstanceLock.h"
#include "core/shell/QueryExit.h"
#include "core/shell/Session.h"
#include "core/shell/Shutdown.h"

#include <QProcess>
#include <QTest>

using namespace varnox;

namespace {

const QString kPlain = QStringLiteral("Möchten Sie das Programm wirklich beenden?");
const QString kWarning = QStringLiteral("Es sind nicht alle Leser auf dem aktuellen Stand der Projektdatei.\r\n"
                                        "Möchten Sie das Programm trotzdem beenden?");

}  // namespace

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
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
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        const CommandLine cl = CommandLine::parse(args);
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

        const Message m = InstanceLock::secondInstanceMessage();
        QCOMPARE(m.text, QStringLiteral("Die Anwendung wurde bereits gestartet.\r\n"
                                        "Ein mehrfaches gleichzeitiges Ausführen ist nicht möglich!"));
        QCOMPARE(m.title, QStringLiteral("Achtung!"));
        QCOMPARE(m.icon, MessageIcon::Critical);
    }

    void lockOfADeadRunIsTakenOver()
    {
        test::TempHome home;
        QByteArray living;  // a lock as this process writes it
        {
            QTemporaryDir other;
            InstanceLock probe(other.path());
            QVERIFY(probe.acquire());
            QFile file(other.filePath(InstanceLock::fileName()));
            QVERIFY(file.open(QIODevice::ReadOnly));
            living = file.readAll();
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

QTEST_GUILESS_MAIN(TestShutdown)
#include "tst_shutdown.moc"
