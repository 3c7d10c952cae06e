// The system test and the watchdog over real pseudo-terminals, against
// varnox-bussim: a reader that falls silent is written to the daily
// protocol and the failure function reaches the bus. Waits are generous.
#include "BusSimProcess.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "ScriptedOperator.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"
#include "core/supervision/Supervision.h"

#include <QTest>

using namespace varnox;

namespace {

constexpr int kLong = 60'000;

struct Program {
    test::ProjectFixture project;
    ConfigFile config { ProgramFolder::configFile() };
    DailyProtocol protocol { SystemClock::instance() };
    EventSink events;
    test::ScriptedOperator op;
    QtSerialPortFactory factory { ProgramFolder::configFile() };
    std::unique_ptr<BusSystem> bus;
    std::unique_ptr<Supervision> supervision;

    Program()
    {
        protocol.setSwitches({ 255, false });
        config.writeValue("Config", "TimeBusOk", "1");
        PortTimings generous;
        generous.presenceMs = 1500;
        const auto workCopy = [this] { return project.path(); };
        bus = std::make_unique<BusSystem>(
            factory, SystemClock::instance(), config, protocol, events, workCopy, generous);
        supervision = std::make_unique<Supervision>(
            bus->ports(), bus->reception(), protocol, op, SystemClock::instance(), workCopy);
    }
    ~Program()
    {
        supervision->shutdown();
        bus->shutdown();
    }
    QStringList entries() const { return test::protocolTexts(QDate::currentDate()); }
};

} // namespace

class TestSupervision : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void silencedReaderIsReportedAndTheAlarmSent()
    {
        Program program;
        test::BusSimProcess sim;
        QVERIFY(sim.start({ "--line", "1", "--reader", "1:1234:10", "--reader", "1:4711:11" }));
        sim.writePortsInto(program.config);
        program.project.assignComPort(1, 1);
        program.project.addReader("Haupteingang", "1234", 1, 10);
        program.project.addReader("Lager", "4711", 1, 11);
        program.project.addFunction("Alarm", 2, "AB12", 1);
        program.project.addFunction("Puls", 2, "CD34", 1);
        // One second between two readers: not a choice the window offers, but
        // the test need not wait the ten seconds of the shortest.
        program.project.exec("UPDATE Einstellungen SET Wert = 1, Zeitintervall = 1, Funktion = 'Alarm' "
                             "WHERE Bezeichnung = 'Anlagentest'");
        program.project.exec("UPDATE Einstellungen SET Wert = 1, Zeitintervall = 1, Funktion = 'Puls' "
                             "WHERE Bezeichnung = 'Watchdog'");
        program.bus->InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(program.bus->opener().state() == PortOpener::State::Idle, kLong);
        QVERIFY(program.bus->opener().allPortsOk());

        sim.command("silence 1 4711 on");
        program.supervision->StartSupervision();
        const QString lager = "*** Anlagentest: Keine Antwort vom Leser LAGER.";
        QTRY_VERIFY_WITH_TIMEOUT(program.entries().contains(lager), kLong);
        QTRY_VERIFY_WITH_TIMEOUT(sim.count(1, "-- free telegram AB12") == 1, kLong);
        QVERIFY(sim.count(1, "rx  5004D280") >= 1); // the other reader was asked and answered
        QVERIFY(sim.count(1, "rx  50126780") >= 3); // the silent one three times before the report
        QVERIFY(!program.entries().join('\n').contains("HAUPTEINGANG"));
        QVERIFY(sim.count(1, "-- free telegram CD34") >= 2); // the watchdog each second
    }
};

QTEST_GUILESS_MAIN(TestSupervision)
#include "tst_supervision.moc"
