// Transfers over real pseudo-terminals into varnox-bussim's readers, and a
// key number from its desk reader in a whole program run. Every wait has a
// generous limit, so that a loaded machine makes the test slower, never wrong.
#include "BusSimProcess.h"
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "ProjectFixture.h"
#include "ScriptedOperator.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/bus/transfer/TransferTimers.h"
#include "core/lang/Texts.h"
#include "ui/main/MainPages.h"

using namespace varnox;

namespace {

constexpr int kLong = 120'000;

// The program's side: a project, the bus on real ports and the transfer.
struct Program {
    test::ProjectFixture project;
    ConfigFile config { ProgramFolder::configFile() };
    DailyProtocol protocol { SystemClock::instance() };
    EventSink events;
    QtSerialPortFactory factory { ProgramFolder::configFile() };
    std::unique_ptr<BusSystem> bus;
    test::ScriptedOperator op;
    std::unique_ptr<DataTransfer> transfer;
    std::unique_ptr<TransferTimers> timers;

    Program()
    {
        protocol.setSwitches({ 255, false });
        config.writeValue("Config", "TimeBusOk", "1");
        PortTimings generous;
        generous.presenceMs = 1500;
        const QString workCopy = project.path();
        bus = std::make_unique<BusSystem>(
            factory, SystemClock::instance(), config, protocol, events, [workCopy] { return workCopy; }, generous);
        transfer = std::make_unique<DataTransfer>(
            bus->ports(), bus->reception(), protocol, op, [workCopy] { return workCopy; });
        timers = std::make_unique<TransferTimers>(*transfer);
        project.assignComPort(1, 1);
    }
    ~Program() { bus->shutdown(); }

    bool install(test::BusSimProcess& sim, const QStringList& readers)
    {
        QStringList args { "--line", "1" };
        for (const QString& r : readers)
            args << "--reader" << r;
        if (!sim.start(args))
            return false;
        sim.writePortsInto(config);
        bus->InitPorts();
        return QTest::qWaitFor([this] { return bus->opener().portOk(1); }, kLong);
    }

    bool transferTo(const QString& serial)
    {
        return transfer->start(serial, project.value("SELECT Lname FROM Leser WHERE Seriennr = ?", serial));
    }
    QString lastTold() const { return op.asked().isEmpty() ? QString() : op.asked().last().message.text; }
};

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void keyImageLandsInTheSimulatedEeprom()
    {
        Program program;
        program.project.addReader("Tor", "4711", 1, 5, false, 0, true, 1);
        program.project.addProfile("P");
        program.project.linkToProfile("4711");
        program.project.exec(
            "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('0A1B2C3D4E5F', 'K', 0)");
        program.project.exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES ('0A1B2C3D4E5F', 'P')");
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, { "1:4711:5:em:dezentral" }));
        QVERIFY(program.transferTo("4711"));
        const QByteArray image = program.transfer->image().bytes().left(program.transfer->image().end());
        QTRY_VERIFY_WITH_TIMEOUT(!program.transfer->isRunning(), kLong);
        QCOMPARE(program.lastTold(), QString("Daten wurden vollständig übertragen!"));
        QCOMPARE(image.size(), 48);
        QCOMPARE(sim.eeprom(1, 4711, 48), image);
        QCOMPARE(program.project.modify("4711"), 0);

        sim.command("key 1 5 0A1B2C3D4E5F"); // the reader now decides by itself
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().contains("reader 4711 decides itself: key 0A1B2C3D4E5F granted"), kLong);
    }

    void aCorruptedReadBackIsWrittenAgain()
    {
        Program program;
        program.project.addReader("Tor", "4711", 1, 5, true, 0, true);
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, { "1:4711:5" }));
        sim.command("readback 1 4711 1");
        QVERIFY(program.transferTo("4711"));
        QTRY_VERIFY_WITH_TIMEOUT(!program.transfer->isRunning(), kLong);
        QCOMPARE(program.lastTold(), QString("Daten wurden vollständig übertragen!"));
        QCOMPARE(sim.count(1, "rx  82000005"), 2);
        QCOMPARE(sim.eeprom(1, 4711, 8), QByteArray::fromHex("000503FF02E18000"));
        QCOMPARE(program.project.modify("4711"), 0);
    }

    void aSilentReaderStopsTheTransfer()
    {
        Program program;
        program.project.addReader("Tor", "4711", 1, 5, true, 0, true);
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, { "1:4711:5", "1:4712:6" })); // the other one answers the search
        sim.command("silence 1 4711 on");
        QVERIFY(program.transferTo("4711"));
        QTRY_VERIFY_WITH_TIMEOUT(!program.transfer->isRunning(), kLong);
        QCOMPARE(program.lastTold(), QString("Keine Antwort vom Leser, Übertragung abgebrochen!"));
        QCOMPARE(program.project.modify("4711"), 1);
    }

    void aLostPortStopsTheTransfer()
    {
        Program program;
        program.project.addReader("Tor", "4711", 1, 5, true, 0, true);
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, { "1:4711:5" }));
        QVERIFY(program.transferTo("4711"));
        QTRY_VERIFY_WITH_TIMEOUT(sim.count(1, "rx  8800") == 1, kLong);
        sim.command("unplug 1");
        QTRY_VERIFY_WITH_TIMEOUT(!program.transfer->isRunning(), kLong);
        QCOMPARE(program.lastTold(),
            QString("Die Schnittstelle des HLV:BUS-Strangs ist nicht verfügbar, Übertragung abgebrochen!"));
        QVERIFY(test::protocolTexts(QDate::currentDate())
                    .contains("Datenübertragung abgebrochen - Schnittstelle nicht verfügbar!"));
        QCOMPARE(program.project.modify("4711"), 1);
    }

    // The whole program: a transfer from its page fills the simulated
    // reader, and a number from the desk reader lands on the key page.
    void programTransfersAndLearnsKeys()
    {
        test::TempHome home;
        home.writeFile("VARNOXCF.INI", "[Config]\nRecording=255\nEncrypt=0\nTimeBusOk=1\n");
        QDir().mkpath(home.file("projekte"));
        const QString project = home.file("projekte/Anlage.mdb");
        QVERIFY(writeProjectTemplate(project));
        test::execSql(project, "UPDATE HLV_BUS SET ComPort = BusID WHERE BusID IN (1, 8)");
        test::execSql(project,
            "INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, "
            "Modify, RSZ, ProgSp, TOE, Akustik, Zeiterfassung) "
            "VALUES (1, '4711', 'Tor', 1, 5, 1, 0, 0, 1, 3, 1, 1, 1, 0)");
        test::BusSimProcess sim;
        QVERIFY(sim.start({ "--line", "1", "--desk", "--reader", "1:4711:5:mifare" }));
        ConfigFile config(ProgramFolder::configFile());
        sim.writePortsInto(config);
        MessageBox::setUnattended(true);
        ProgramRun run(SystemClock::instance());
        run.endProcess = [] {};
        run.start();
        test::chooseProject("Anlage.mdb");
        test::logIn(&run.loginDialog(), Mode::Konfiguration, {});
        PortOpener& opener = run.mainWindow().bus().opener();
        QTRY_VERIFY_WITH_TIMEOUT(opener.portOk(1) && opener.portOk(8), kLong);

        run.mainWindow().selectPage(8);
        test::press(&run.mainWindow(), "CmdDatBtn");
        QTRY_COMPARE_WITH_TIMEOUT(
            test::items(test::control<QListWidget>(&run.mainWindow(), "ListViewDat2")), QStringList { "Tor" }, kLong);
        QCOMPARE(sim.eeprom(1, 4711, 8), QByteArray::fromHex("000503C600E180C7"));

        sim.command("desk 00000000ABCD");
        auto* number = test::control<QLineEdit>(&run.mainWindow(), "TxtKeyNr");
        QTRY_COMPARE_WITH_TIMEOUT(number->text(), QString("00000000ABCD"), kLong);
        QVERIFY(number->isEnabled());
        QCOMPARE(run.mainWindow().pages().currentIndex(), 6);
        run.finish();
    }
};

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
