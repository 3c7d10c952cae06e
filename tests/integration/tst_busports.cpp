// The port layer over real pseudo-terminals, against varnox-bussim. It must
// hold on a loaded machine: it waits on events (a state, a message, a line
// in the simulator's log) with generous limits, never for a time in which
// something should have happened, and its only timing check is a lower bound
// in the simulator's own clock. An interface that answers is given all the
// time a loaded machine may need; only where no interface answers is the
// wait short, since nothing can arrive late there.
#include "BusSimProcess.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/bus/Telegram.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Session.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/connections/ConnectionsPage.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

using namespace varnox;

namespace {

constexpr int kLong = 60'000;

PortTimings answering()
{
    PortTimings t;
    t.settleMs = t.deskSettleMs = 100;
    t.presenceMs = 20'000;  // the answer wakes the opener at once
    return t;
}

PortTimings silent()
{
    PortTimings t = answering();
    t.presenceMs = 300;
    return t;
}

// The program's side: a project, the configuration file and the bus.
struct Program {
    test::ProjectFixture project;
    const test::TempHome& home = project.home();
    QString workCopy = project.path();
    ConfigFile config{ProgramFolder::configFile()};
    DailyProtocol protocol{SystemClock::instance()};
    EventSink events;
    Session session;
    AppServices services{session, config, protocol, SystemClock::instance(), events};
    QtSerialPortFactory factory{ProgramFolder::configFile()};
    std::unique_ptr<BusSystem> bus;
    QList<QPair<QTime, Message>> messages;

    explicit Program(PortTimings timings = answering())
    {
        protocol.setSwitches({255, false});
        config.writeValue("Config", "TimeBusOk", "1");
        bus = std::make_unique<BusSystem>(factory, SystemClock::instance(), config, protocol, events,
                                          [this] { return workCopy; }, timings);
        QObject::connect(&events, &EventSink::messageRaised,
                         [this](const Message& m) { messages.append({QTime::currentTime(), m}); });
    }
    ~Program() { bus->shutdown(); }

    void assign(int line, int com) { project.assignComPort(line, com); }

    // Starts the simulator, takes its devices into [Ports] and puts each of
    // `lines` on the COM port of the same number.
    bool install(test::BusSimProcess& sim, const QStringList& arguments, const QList<int>& lines)
    {
        if (!sim.start(arguments))
            return false;
        sim.writePortsInto(config);
        for (const int line : lines)
            assign(line, line);
        return true;
    }
    PortOpener& opener() { return bus->opener(); }
    bool settled() { return opener().state() == PortOpener::State::Idle; }
};

}  // namespace

class TestBusPorts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void portsOpenWithOneQueryAndOneSetup()
    {
        Program program;
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, {"--line", "1", "--line", "2", "--desk", "--reader", "1:1234:10"}, {1, 2, 8}));
        program.bus->InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(program.settled(), kLong);
        QVERIFY(program.opener().allPortsOk());
        // Settled, the opener sends nothing more: once the last of it is in
        // the simulator's log, the counts are final.
        for (const int line : {1, 2}) {
            QTRY_COMPARE_WITH_TIMEOUT(sim.count(line, "rx .3F"), 1, kLong);
            QCOMPARE(sim.count(line, "rx (01"), 1);
        }
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(8, "rx (01"), 1, kLong);
        QVERIFY(program.messages.isEmpty());

        // Telegrams go both ways through the opened port.
        QVERIFY(program.bus->ports().SendTelegram("580B", 1));
        QTRY_VERIFY_WITH_TIMEOUT(program.bus->reception().keyRequest(1).ready, kLong);
        QCOMPARE(program.bus->reception().keyRequest(1).text, QString("%0004D20A"));
        program.bus->protocolList().clear();
        sim.command("key 1 10 443322116655");
        QTRY_COMPARE_WITH_TIMEOUT(program.bus->protocolList().count(), 2, kLong);
        QVERIFY(program.bus->protocolList().at(0).endsWith(" A01: $A00A5566"));
        QVERIFY(program.bus->protocolList().at(1).endsWith(" Q01: %11223344"));
    }

    // Five attempts TimeBusOk apart, then one message and one protocol line.
    void silentInterfaceGetsFiveAttemptsAndOneMessage()
    {
        Program program(silent());
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, {"--line", "3", "--silent-interface", "3"}, {3}));
        program.bus->InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(!program.messages.isEmpty() && program.settled(), 4 * kLong);
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(3, "rx (01"), 5, kLong);
        const QList<QTime> queries = sim.times(3, "rx (01");
        QVERIFY2(queries.first().msecsTo(queries.last()) >= 4 * 1000, "the attempts must be TimeBusOk apart");
        QCOMPARE(program.messages.size(), 1);
        QVERIFY(program.messages[0].second.text.startsWith("COM-3 belegt"));
        const QStringList logged = test::protocolTexts(QDate::currentDate());
        const QRegularExpression failed("^HLV:BUS-Strang 3: COM-3 \\(.*line03\\) nach 5 Versuchen nicht geöffnet");
        QCOMPARE(logged.filter(failed).size(), 1);
        QCOMPARE(sim.count(3, "rx .3F"), 0);
    }

    // A line whose device is missing at the start opens at a later attempt,
    // without a message, once the device is there.
    void lineWhoseDeviceComesLateOpensAtALaterAttempt()
    {
        Program program;
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, {"--line", "4", "--line", "5"}, {4, 5}));
        sim.command("unplug 4");
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(sim.device(4)), kLong);
        program.config.writeValue("Config", "TimeBusOk", "2");  // time enough for the simulator to plug it in
        program.bus->InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(program.opener().portRetriesLeft() <= 4, kLong);
        QVERIFY(program.opener().portOk(5));
        sim.command("replug 4");
        QTRY_VERIFY_WITH_TIMEOUT(program.settled(), 4 * kLong);
        QVERIFY(program.opener().allPortsOk());
        QVERIFY(program.messages.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(4, "rx .3F"), 1, kLong);
        QCOMPARE(sim.count(4, "rx (01"), 1);
        QCOMPARE(sim.count(5, "rx (01"), 1);  // the other line was left alone
    }

    void deviceThatDisappearsAndComesBackRecovers()
    {
        Program program;
        test::BusSimProcess sim;
        QVERIFY(program.install(sim, {"--line", "5", "--line", "6", "--reader", "5:77:3"}, {5, 6}));
        program.bus->InitPorts();
        QTRY_VERIFY_WITH_TIMEOUT(program.settled() && program.opener().allPortsOk(), kLong);

        sim.command("unplug 5");
        QTRY_VERIFY_WITH_TIMEOUT(!program.opener().portOk(5), kLong);
        sim.command("replug 5");
        QTRY_VERIFY_WITH_TIMEOUT(program.opener().portOk(5), kLong);
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(5, "rx .3F"), 2, kLong);
        QCOMPARE(sim.count(6, "rx (01"), 1);  // the other line never noticed
        QVERIFY(program.messages.isEmpty());
        QCOMPARE(test::protocolTexts(QDate::currentDate()).filter(QRegularExpression("COM-5 \\(.*line05\\) wieder geöffnet$")).size(), 1);

        program.bus->reception().keyRequest(5).clear();
        QVERIFY(program.bus->ports().SendTelegram(telegram::systemTest(77), 5));
        QTRY_VERIFY_WITH_TIMEOUT(program.bus->reception().keyRequest(5).ready, kLong);
    }

    void connectionPageRefusesADuplicateAndOpensASavedAssignment()
    {
        Program program;
        test::BusSimProcess sim;
        QVERIFY(sim.start({"--line", "7", "--line", "9"}));
        sim.writePortsInto(program.config);
        ConnectionsPage page(program.services);
        page.setWorkCopy([&program] { return program.workCopy; });
        bool changed = false;
        QObject::connect(&page, &ConnectionsPage::projectChanged, [&changed] { changed = true; });
        QObject::connect(&page, &ConnectionsPage::initPortsRequested, program.bus.get(), &BusSystem::InitPorts);
        page.FillComPortLists();
        page.ShowComAssignment();
        MessageBox::setUnattended(true);
        MessageBox::clearShown();

        page.list(6)->setCurrentIndex(7);
        page.list(8)->setCurrentIndex(7);
        MessageBox::queueAnswer(Answer::Ok);
        QTest::mouseClick(page.findChild<QPushButton*>("CmdComSave"), Qt::LeftButton);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(page.focusWidget(), page.list(8));  // the second of the two lists
        QVERIFY(!changed);

        page.list(8)->setCurrentIndex(9);
        QTest::mouseClick(page.findChild<QPushButton*>("CmdComSave"), Qt::LeftButton);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(changed);
        QTRY_VERIFY_WITH_TIMEOUT(program.opener().portOk(7) && program.opener().portOk(9) && program.settled(), kLong);
        QTRY_COMPARE_WITH_TIMEOUT(sim.count(9, "rx .3F"), 1, kLong);
        QCOMPARE(sim.count(9, "rx (01"), 1);
    }
};

QTEST_MAIN(TestBusPorts)
#include "tst_busports.moc"
