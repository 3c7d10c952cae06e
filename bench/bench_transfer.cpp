// A transfer of 250 keys into a decentral reader: the time it takes against
// the sum of its schedule's own intervals (2,040 bytes up to the empty
// record, about 425 s). Target: ratio at most 1.02.
//   build/bench/varnox-bench-transfer            real time, over pseudo-terminals to varnox-bussim
//   build/bench/varnox-bench-transfer --fast     the same schedule on a fake clock (the arithmetic only)
//   build/bench/varnox-bench-transfer --keys N   another number of keys
#include "BusSimProcess.h"
#include "ProjectFixture.h"
#include "ScriptedOperator.h"
#include "TransferRig.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/bus/transfer/TransferTimers.h"
#include "core/lang/Texts.h"
#include "core/shell/EventSink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <cstdlib>

using namespace varnox;

namespace {

QString load()
{
    double avg[3] = {};
    if (getloadavg(avg, 3) != 3)
        return QStringLiteral("?");
    return QStringLiteral("%1 %2 %3").arg(avg[0], 0, 'f', 2).arg(avg[1], 0, 'f', 2).arg(avg[2], 0, 'f', 2);
}

void report(const char* how, qint64 measured, qint64 scheduled, int bytes, bool ok)
{
    std::printf("%s: %d bytes, measured %.3f s, schedule %.3f s, ratio %.4f (target <= 1.02)%s\n", how, bytes,
        measured / 1000.0, scheduled / 1000.0, double(measured) / double(qMax<qint64>(1, scheduled)),
        ok ? "" : "  -- THE TRANSFER FAILED");
}

void linkKeys(test::ProjectFixture& project, int keys)
{
    project.addProfile(QStringLiteral("P"));
    project.linkToProfile(QStringLiteral("4711"));
    if (keys > 0)
        project.addKeys(QStringLiteral("P"), keys);
}

int fast(int keys)
{
    test::TransferRig rig;
    rig.addReader(QStringLiteral("Tor"), 4711, false);
    linkKeys(rig.project, keys);
    if (!rig.start(4711, QStringLiteral("Tor")))
        return 1;
    rig.run();
    const bool ok = rig.project.modify(QStringLiteral("4711")) == 0
        && rig.reader.eeprom.left(rig.transfer.image().end())
            == rig.transfer.image().bytes().left(rig.transfer.image().end());
    report("fake clock", rig.times(QStringLiteral("5100")).value(0, -1), rig.transfer.scheduledMs(),
        rig.transfer.image().end(), ok);
    return ok ? 0 : 1;
}

int realTime(int keys)
{
    test::ProjectFixture project;
    project.addReader(QStringLiteral("Tor"), QStringLiteral("4711"), 1, 5, false, 0, true, 1);
    linkKeys(project, keys);
    project.assignComPort(1, 1);
    ConfigFile config(ProgramFolder::configFile());
    DailyProtocol protocol(SystemClock::instance());
    protocol.setSwitches({ 255, false });
    EventSink events;
    test::BusSimProcess sim;
    if (!sim.start({ "--line", "1", "--reader", "1:4711:5:em:dezentral" })) {
        std::fprintf(stderr, "varnox-bussim did not start\n");
        return 2;
    }
    sim.writePortsInto(config);
    QtSerialPortFactory factory(ProgramFolder::configFile());
    const QString workCopy = project.path();
    BusSystem bus(factory, SystemClock::instance(), config, protocol, events, [workCopy] { return workCopy; });
    test::ScriptedOperator op;
    DataTransfer transfer(bus.ports(), bus.reception(), protocol, op, [workCopy] { return workCopy; });
    TransferTimers timers(transfer);
    bus.InitPorts();
    QElapsedTimer opening;
    opening.start();
    while (!bus.opener().portOk(1) && opening.elapsed() < 30'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!bus.opener().portOk(1)) {
        std::fprintf(stderr, "the simulated line did not open\n");
        return 2;
    }

    std::printf("load before: %s\n", qPrintable(load()));
    std::fflush(stdout);
    QEventLoop loop;
    bool success = false;
    QObject::connect(&transfer, &DataTransfer::ended, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    QElapsedTimer measured;
    measured.start();
    if (!transfer.start(QStringLiteral("4711"), QStringLiteral("Tor")))
        return 1;
    loop.exec();
    const qint64 ms = measured.elapsed();
    std::printf("load after:  %s\n", qPrintable(load()));
    const int end = transfer.image().end();
    const bool same = sim.eeprom(1, 4711, end) == transfer.image().bytes().left(end);
    report("pseudo-terminals", ms, transfer.scheduledMs(), end, success && same);
    if (!same)
        std::printf("the simulated EEPROM differs from the image\n");
    bus.shutdown();
    return success && same ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitTexts();
    const QStringList args = app.arguments();
    int keys = 250;
    if (const qsizetype i = args.indexOf(QStringLiteral("--keys")); i > 0 && i + 1 < args.size())
        keys = qBound(0, args[i + 1].toInt(), 252);
    return args.contains(QStringLiteral("--fast")) ? fast(keys) : realTime(keys);
}
