// Key requests decided over real pseudo-terminals, against varnox-bussim:
// what the simulated readers see on the wire and what the program records.
// Every wait has a generous limit, so that a loaded machine makes the test
// slower, never wrong.
#include "BusSimProcess.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/Texts.h"
#include "core/online/OnlineEvaluation.h"
#include "core/online/TimeRecord.h"
#include "core/shell/Clock.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"

#include <QTest>

using namespace varnox;

namespace {

constexpr int kLong = 60'000;

bool logged(const QString& text)
{
    return test::protocolTexts(QDate::currentDate()).contains(text);
}

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void keysAreDecidedOnTheBus()
    {
        test::ProjectFixture project;
        project.addReader("Haupteingang", "1234", 1, 10);
        project.addReader("Kommen", "1235", 1, 11);
        project.exec("UPDATE Leser SET Zeiterfassung = 1 WHERE Seriennr = '1235'");
        project.addProfile("P");
        project.addFunction("Tür", 0, "110A", 1);
        project.linkToProfile("1234", "Tür");
        project.linkToProfile("1235", "Tür");
        project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('443322116655', 'Anna', 0)");
        project.exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES ('443322116655', 'P')");

        ConfigFile config(ProgramFolder::configFile());
        DailyProtocol protocol(SystemClock::instance());
        protocol.setSwitches({ 255, false });
        EventSink events;
        QtSerialPortFactory factory(ProgramFolder::configFile());
        const auto workCopy = [&project] { return project.path(); };
        PortTimings generous;
        generous.presenceMs = 1500;
        BusSystem bus(factory, SystemClock::instance(), config, protocol, events, workCopy, generous);
        OnlineEvaluation online(bus, SystemClock::instance(), protocol, events, workCopy);

        test::BusSimProcess sim;
        QVERIFY(sim.start({ "--line", "1", "--reader", "1:1234:10", "--reader", "1:1235:11" }));
        sim.writePortsInto(config);
        project.assignComPort(1, 1);
        bus.InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(bus.opener().state() == PortOpener::State::Idle, kLong);
        QVERIFY(bus.opener().allPortsOk());

        // Granted: the door function, then the grant reply to the reader's
        // address, which the reader acknowledges.
        sim.command("key 1 10 443322116655");
        QTRY_VERIFY_WITH_TIMEOUT(
            logged("Schlüsselbezeichnung: Anna - Anfrage am Leser HAUPTEINGANG - Funktion TÜR ausgeführt"), kLong);
        QCOMPARE(sim.count(1, "rx  110A"), 1);
        QCOMPARE(sim.count(1, "rx  A10A"), 1);
        QVERIFY(sim.times(1, "rx  110A").first() <= sim.times(1, "rx  A10A").first());
        QCOMPARE(online.monitorList().count(), 1);

        // Refused: nothing goes to the reader.
        const int received = int(sim.log().count(QLatin1String(" L01 rx ")));
        sim.command("key 1 10 0000000000FF");
        QTRY_VERIFY_WITH_TIMEOUT(
            logged("Schlüsselnr.: 0000000000FF - unbekannter Schlüssel am Leser Haupteingang - kein Zutritt"), kLong);
        QCOMPARE(int(sim.log().count(QLatin1String(" L01 rx "))), received);

        // A reader that records time: the record of the day.
        sim.command("key 1 11 443322116655");
        QTRY_VERIFY_WITH_TIMEOUT(
            logged("Schlüsselbezeichnung: Anna - Anfrage am Leser KOMMEN - Funktion TÜR ausgeführt"), kLong);
        QCOMPARE(sim.count(1, "rx  A10B"), 1);
        QVERIFY(readTimeRecord(QDate::currentDate(), "Anna").endsWith(QLatin1Char(';')));
        bus.shutdown();
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
