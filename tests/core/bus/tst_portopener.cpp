// Opening the bus lines: one presence query and one set-up command per line,
// the retries TimeBusOk apart and their one message, a port that goes away
// and comes back; and which COM port each line is on, as the project stores
// it and [Ports] resolves it.
#include "FakeBus.h"
#include "MessageCompare.h"
#include "core/bus/ComAssignment.h"
#include "core/bus/PortMap.h"
#include "core/bus/PortMessages.h"
#include "core/bus/PortOpener.h"
#include "core/bus/Telegram.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"


using namespace varnox;

namespace {

const QString kSilentText = QStringLiteral(
    "COM-4 belegt oder kein Interface angeschlossen!\r\n\r\n"
    "Überprüfen Sie die angegebene Schnittstelle und starten Sie das Programm erneut!");

// The opener with fake ports, a fake clock and a project of its own.
struct Rig : test::FakeBus {
    const test::TempHome& home = project.home();
    ConfigFile config{home.file("VARNOXCF.INI")};
    EventSink events;
    QString workCopy = project.path();
    PortOpener opener{ports, reception, clock, config, protocol, events, [this] { return workCopy; }};
    QList<QPair<qint64, Message>> messages;  // with the ms since the start
    QList<QStringList> protocolAtMessage;     // the daily protocol when each message came
    QDateTime start = clock.now();

    explicit Rig(int timeBusOk = 1)
    {
        config.writeValue("Config", "TimeBusOk", QString::number(timeBusOk));
        QObject::connect(&events, &EventSink::messageRaised, [this](const Message& m) {
            messages.append({elapsed(), m});
            protocolAtMessage.append(protocolLines());
        });
    }

    qint64 elapsed() const { return start.msecsTo(clock.now()); }

    void assign(int line, int com) { project.assignComPort(line, com); }
    test::FakeSerialPort& port(int line) { return factory.port(line); }

    // Ticks as the timer would, until the opener stops or `budgetMs` is spent.
    void runFor(qint64 budgetMs)
    {
        test::runTicks(
            clock, [this] { return opener.tick(); }, budgetMs);
    }
    void initAndRun(qint64 budgetMs = 600'000)
    {
        opener.InitPorts();
        runFor(budgetMs);
    }
    // Done with every line: no retries used up, nothing pending.
    bool settled() const { return opener.portRetriesLeft() == 5 && opener.state() == PortOpener::State::Idle; }

    // The ms since the start at which each presence query reached a line.
    QList<qint64> queryTimes;
    // Puts `line` on COM `com` with an interface that answers the presence
    // query with "#" from its `answerFrom`-th query on (0: never).
    void interfaceOn(int line, int com, int answerFrom)
    {
        assign(line, com);
        port(line).responder = [this, answerFrom, queries = 0](const QByteArray& bytes) mutable {
            if (bytes != interfacePresenceQuery())
                return QByteArray();
            queryTimes << elapsed();
            return answerFrom > 0 && ++queries >= answerFrom ? QByteArray("\x01#\x04") : QByteArray();
        };
    }
};

}  // namespace

class TestPortOpener : public QObject {
    Q_OBJECT

private slots:
    void silentInterfaceGetsFiveAttemptsAndOneMessageAfterTheFifth()
    {
        Rig rig(1);
        rig.interfaceOn(2, 4, 0);
        QList<int> retriesSeen;
        rig.opener.InitPorts();
        while (const std::optional<int> next = rig.opener.tick()) {
            if (rig.opener.retryPending() && (retriesSeen.isEmpty() || retriesSeen.last() != rig.opener.portRetriesLeft()))
                retriesSeen << rig.opener.portRetriesLeft();
            QVERIFY(rig.messages.isEmpty() || rig.opener.state() == PortOpener::State::NextLine);
            rig.clock.advanceMSecs(*next);
        }
        // Each attempt: 500 ms settling, the query, 150 ms for the answer, then
        // TimeBusOk seconds until the next.
        QCOMPARE(rig.queryTimes, (QList<qint64>{500, 2150, 3800, 5450, 7100}));
        QCOMPARE(retriesSeen, (QList<int>{4, 3, 2, 1}));
        QCOMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.messages[0].first, 7250);
        QCOMPARE(rig.messages[0].second, test::message(kSilentText, "Schnittstellenfehler", MessageIcon::Critical));
        // Written before the message, which may wait for an operator who is not there.
        const QStringList failed{
            "HLV:BUS-Strang 2: COM-4 (/dev/fake4) nach 5 Versuchen nicht geöffnet: das Interface antwortet nicht"};
        QCOMPARE(rig.protocolAtMessage, QList<QStringList>{failed});
        QCOMPARE(rig.protocolLines(), failed);
        QCOMPARE(rig.port(2).written.count(interfaceSetupCommand()), 0);
        QVERIFY(!rig.port(2).isOpen());
        QVERIFY(!rig.opener.portOk(2));
        QVERIFY(rig.settled());
    }

    void interfaceAnsweringFromTheThirdAttemptEndsWithoutMessage()
    {
        Rig rig(2);
        rig.interfaceOn(5, 6, 3);
        rig.initAndRun();
        QCOMPARE(rig.queryTimes, (QList<qint64>{500, 3150, 5800}));
        QCOMPARE(rig.port(5).written.count(interfaceSetupCommand()), 1);
        QVERIFY(rig.opener.portOk(5));
        QVERIFY(rig.messages.isEmpty());
        QVERIFY(rig.settled());
    }

    // A line whose interface answers at once gets one query after the
    // settling wait and the set-up command, and is left alone while a silent
    // line is retried; the desk reader needs no answer; lines without a COM
    // port count as fine and stay closed.
    void eachLineIsOpenedOnceAndRetriesLeaveOpenLinesAlone()
    {
        Rig rig;
        rig.assign(8, 7);
        rig.interfaceOn(1, 3, 1);
        rig.interfaceOn(9, 11, 0);
        rig.initAndRun();
        test::FakeSerialPort& line1 = rig.port(1);
        QCOMPARE(line1.openedOn, QList<int>{3});
        QCOMPARE(line1.written, interfacePresenceQuery() + interfaceSetupCommand());
        QVERIFY(!line1.dtr && !line1.rts && line1.isOpen());
        QCOMPARE(rig.queryTimes.first(), 500);
        test::FakeSerialPort& desk = rig.port(8);
        QCOMPARE(desk.openedOn, QList<int>{7});
        QCOMPARE(desk.written, interfacePresenceQuery());
        QVERIFY(desk.dtr && !desk.rts);
        QVERIFY(rig.opener.portOk(8));
        QCOMPARE(rig.port(9).openAttempts, 5);
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY(rig.messages[0].second.text.startsWith("COM-11 belegt oder kein Interface"));
        QCOMPARE(rig.protocolLines().size(), 1);
        QVERIFY(rig.protocolLines()[0].startsWith("HLV:BUS-Strang 9: COM-11 "));
        for (const int n : {2, 7, 10, 16}) {
            QVERIFY(rig.opener.portOk(n));
            QCOMPARE(rig.port(n).openAttempts, 0);
        }
        QVERIFY(rig.settled());
    }

    // The answer came in time but the program was busy elsewhere and has not
    // read it yet: it is read before the time-out is declared.
    void answerWaitingInThePortIsNotTakenForSilence()
    {
        Rig rig;
        rig.interfaceOn(1, 3, 1);
        rig.port(1).holdReplies = true;
        rig.initAndRun();
        QVERIFY(rig.opener.portOk(1));
        QCOMPARE(rig.port(1).written, interfacePresenceQuery() + interfaceSetupCommand());
        QVERIFY(rig.messages.isEmpty());
    }

    void messageSaysWhyThePortWouldNotOpen_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("logged");  // the reason in the daily protocol
        const QString busy = "COM-12 belegt oder kein Interface angeschlossen!\r\n";
        const QString check = "\r\n\r\nÜberprüfen Sie die angegebene Schnittstelle und starten Sie das Programm erneut!";
        QTest::newRow("no permission, a group would help")
            << 3 << int(PortFailure::PermissionDenied) << "uucp"
            << busy + "Keine Zugriffsberechtigung für /dev/fake12 - das Benutzerkonto muss Mitglied der Gruppe "
                   "uucp sein." + check
            << "keine Zugriffsberechtigung";
        QTest::newRow("no permission, no group would help")
            << 3 << int(PortFailure::PermissionDenied) << ""
            << busy + "Keine Zugriffsberechtigung für /dev/fake12." + check << "keine Zugriffsberechtigung";
        QTest::newRow("no such device") << 3 << int(PortFailure::NotFound) << ""
                                        << busy + "Das Gerät /dev/fake12 ist nicht vorhanden." + check
                                        << "Gerät nicht vorhanden";
        QTest::newRow("held by another program")
            << 3 << int(PortFailure::Busy) << ""
            << busy + "Das Gerät /dev/fake12 wird bereits von einem anderen Programm verwendet." + check
            << "von einem anderen Programm belegt";
        QTest::newRow("desk reader, no permission")
            << 8 << int(PortFailure::PermissionDenied) << "dialout"
            << "COM-12 belegt!\r\nKeine Zugriffsberechtigung für /dev/fake12 - das Benutzerkonto muss Mitglied der "
               "Gruppe dialout sein."
            << "keine Zugriffsberechtigung";
    }

    void messageSaysWhyThePortWouldNotOpen()
    {
        QFETCH(int, line);
        QFETCH(int, failure);
        QFETCH(QString, group);
        QFETCH(QString, text);
        QFETCH(QString, logged);
        Rig rig;
        rig.assign(line, 12);
        rig.port(line).refuseWith = PortFailure(failure);
        rig.port(line).refuseGroup = group;
        rig.initAndRun();
        QCOMPARE(rig.port(line).openAttempts, 5);
        QCOMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.messages[0].second.text, text);
        QCOMPARE(rig.protocolLines().size(), 1);
        const QString entry = rig.protocolLines()[0];
        QVERIFY2(entry.endsWith("12) nach 5 Versuchen nicht geöffnet: " + logged), qPrintable(entry));
    }

    void timeBusOkIsRepaired_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("used");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("empty") << "" << 3 << "3";
        QTest::newRow("0") << "0" << 3 << "3";
        QTest::newRow("61") << "61" << 3 << "3";
        QTest::newRow("1") << "1" << 1 << "1";
        QTest::newRow("60") << "60" << 60 << "60";
        QTest::newRow("leading digits") << "7s" << 7 << "7s";
    }

    void timeBusOkIsRepaired()
    {
        QFETCH(QString, stored);
        QFETCH(int, used);
        QFETCH(QString, afterwards);
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Config", "TimeBusOk", stored);
        QCOMPARE(readTimeBusOk(config), used);
        QCOMPARE(config.readValue("Config", "TimeBusOk"), afterwards);
    }

    void portPulledOutIsReportedOnceAndReopenedWhenItReturns()
    {
        Rig rig(2);
        rig.interfaceOn(1, 3, 1);
        rig.interfaceOn(4, 5, 1);
        rig.initAndRun();
        QVERIFY(rig.opener.portOk(1));

        rig.port(1).refuseWith = PortFailure::NotFound;
        rig.port(1).pullOut();
        QVERIFY(!rig.opener.portOk(1));
        QCOMPARE(rig.opener.state(), PortOpener::State::RecoveryPause);
        rig.runFor(60'000);  // far more than five attempts
        QVERIFY(rig.port(1).openAttempts > 10);
        QVERIFY(rig.messages.isEmpty());
        const QString lost = "HLV:BUS-Strang 1: COM-3 (/dev/fake3) ausgefallen - die Verbindung wird automatisch "
                             "wiederhergestellt, sobald die Schnittstelle zurück ist";
        QCOMPARE(rig.protocolLines(), QStringList{lost});

        rig.port(1).refuseWith = PortFailure::None;
        rig.runFor(60'000);
        QVERIFY(rig.opener.portOk(1));
        QVERIFY(rig.port(1).isOpen());
        QVERIFY(rig.settled());
        QCOMPARE(rig.port(1).written.count(interfaceSetupCommand()), 2);
        QCOMPARE(rig.port(4).openAttempts, 1);  // the other line never noticed
        QCOMPARE(rig.protocolLines(),
                 QStringList({lost, "HLV:BUS-Strang 1: COM-3 (/dev/fake3) wieder geöffnet"}));
    }

    void newAssignmentTakesEffectEvenWhileRetrying()
    {
        Rig rig;
        rig.interfaceOn(1, 3, 1);
        rig.interfaceOn(2, 4, 0);
        rig.opener.InitPorts();
        while (!rig.opener.retryPending())
            rig.clock.advanceMSecs(*rig.opener.tick());
        rig.clock.advanceMSecs(*rig.opener.tick());  // the second run is on its way
        QCOMPARE(rig.opener.portRetriesLeft(), 4);

        rig.assign(1, 9);
        rig.assign(2, 0);
        rig.opener.InitPorts();  // while a line is being opened: follows at once
        rig.runFor(600'000);
        QCOMPARE(rig.port(1).openedOn, (QList<int>{3, 9}));
        QVERIFY(rig.port(1).isOpen());
        QVERIFY(!rig.port(2).isOpen());
        QVERIFY(rig.opener.allPortsOk());
        QVERIFY(rig.settled());
        QVERIFY(rig.messages.isEmpty());
    }

    void unreadableProjectIsReportedOnce()
    {
        Rig rig;
        rig.workCopy = rig.home.file("projekte/~hlvGone.tmp");
        rig.initAndRun();
        QCOMPARE(rig.messages.size(), 1);
        QCOMPARE(rig.messages[0].second.title, QString("Datenbankfehler"));
        QVERIFY(!rig.opener.allPortsOk());
        QCOMPARE(rig.opener.state(), PortOpener::State::Idle);
    }

    void storedAndReadBack()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        ComAssignment ports{};
        ports[0] = 3;
        ports[7] = 9;  // the desk reader
        ports[15] = 255;
        QVERIFY(SaveComAssignment(path, ports).isOk());
        QCOMPARE(readComAssignment(path), ports);
        // Rows above 16 are not touched; line 99 has no row.
        for (const auto& [line, com] : { std::pair { 1, 3 }, { 8, 9 }, { 2, 0 }, { 17, 0 }, { 99, 0 } })
            QCOMPARE(GetBusComPort(path, line), com);
    }

    void duplicatePortStoresNothing_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("two bus lines") << 0 << 14;
        QTest::newRow("desk reader and a bus line") << 7 << 9;
        QTest::newRow("bus line and the desk reader") << 2 << 7;
    }

    void duplicatePortStoresNothing()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        test::ProjectFixture p;
        const QString path = p.path();
        ComAssignment ports{};
        ports[size_t(first)] = 5;
        ports[size_t(second)] = 5;
        ports[4] = 6;
        QCOMPARE(SaveComAssignment(path, ports).message(),
                 test::message("Diese COM-Schnittstelle wurde bereits einem anderen Bus-Strang zugeordnet!\r\n"
                          "Bitte ändern Sie Ihre Eintragungen dementsprechend!",
                          "Bezeichnung fehlt", MessageIcon::Exclamation, QString("CmbComBus%1").arg(second)));
        QCOMPARE(readComAssignment(path), ComAssignment{});
    }

    void missingRowIsAdded()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        p.exec("DELETE FROM HLV_BUS WHERE BusID = 12");
        ComAssignment ports{};
        ports[11] = 42;
        QVERIFY(SaveComAssignment(path, ports).isOk());
        QCOMPARE(GetBusComPort(path, 12), 42);
    }

    void unwritableProjectGivesTheDatabaseMessage()
    {
        test::TempHome home;
        QCOMPARE(SaveComAssignment(home.file("missing.tmp"), ComAssignment{}).message().title, QString("Datenbankfehler"));
    }

    void comPortsResolveThroughThePortsSection()
    {
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        config.writeValue("Ports", "COM3", "/dev/serial/by-id/usb-line1");
        QCOMPARE(deviceForComPort(config, 3), QString("/dev/serial/by-id/usb-line1"));
        QCOMPARE(deviceForComPort(config, 1), QString("/dev/ttyS0"));
        QCOMPARE(deviceForComPort(config, 255), QString("/dev/ttyS254"));
    }
};

QTEST_GUILESS_MAIN(TestPortOpener)
#include "tst_portopener.moc"
