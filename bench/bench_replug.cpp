// A line is pulled out and plugged in again while the other lines carry
// heavy reader traffic; its interface answers at once, so it must be open
// again within a few TimeBusOk (1 s here). Prints the time each replug took
// to reopen (or that it did not within 20 s) and the CPU the program used.
// The received telegrams fill the protocol list, shown in a list view as the
// monitor page shows it; each telegram is given a cost of its own (500 µs
// unless told), standing for whatever else the program does with it, so that
// the event loop is as busy as on a slow or loaded PC.
//   QT_QPA_PLATFORM=offscreen build/bench/varnox-bench-replug [replugs [telegrams/s per line [busy lines [µs]]]]
#include "BusSimProcess.h"
#include "ProjectFixture.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTest>

#include <cstdio>
#include <sys/resource.h>

using namespace varnox;

namespace {

constexpr int kReplugLine = 1;
constexpr int kReopenLimitMs = 20'000;

double cpuSeconds()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int replugs = argc > 1 ? qMax(1, atoi(argv[1])) : 6;
    const int rate = argc > 2 ? qMax(0, atoi(argv[2])) : 200;
    const int busy = argc > 3 ? qBound(1, atoi(argv[3]), 14) : 14;
    const int costUs = argc > 4 ? qMax(0, atoi(argv[4])) : 500;
    InitTexts();

    test::ProjectFixture project;
    ConfigFile config(ProgramFolder::configFile());
    config.writeValue("Config", "TimeBusOk", "1");
    DailyProtocol protocol(SystemClock::instance());
    EventSink events;
    QtSerialPortFactory factory(ProgramFolder::configFile());
    const QString workCopy = project.path();
    BusSystem bus(factory, SystemClock::instance(), config, protocol, events, [workCopy] { return workCopy; });
    QListView view;  // as the monitor page shows cboProtIn
    view.setUniformItemSizes(true);
    view.setModel(&bus.protocolList());
    view.resize(600, 110);
    view.show();
    QObject::connect(&bus.reception(), &Reception::telegramFiled, [costUs] {
        QElapsedTimer spent;
        spent.start();
        while (spent.nsecsElapsed() < costUs * 1000LL) {
        }
    });

    QList<int> lines{kReplugLine};
    for (int n = 2; int(lines.size()) <= busy; ++n) {
        if (n != 8)
            lines << n;
    }
    QStringList simArgs;
    for (const int n : lines)
        simArgs << "--line" << QString::number(n) << "--reader" << QStringLiteral("%1:%2:1").arg(n).arg(1000 + n);
    test::BusSimProcess sim;
    if (!sim.start(simArgs)) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    sim.writePortsInto(config);
    for (const int n : lines)
        project.assignComPort(n, n);
    bus.InitPorts();
    if (!QTest::qWaitFor([&] { return bus.opener().state() == PortOpener::State::Idle; }, 60'000)
        || !bus.opener().allPortsOk()) {
        std::fprintf(stderr, "the lines did not open\n");
        return 1;
    }
    for (const int n : lines.mid(1))
        sim.command(QStringLiteral("traffic %1 %2").arg(n).arg(rate));
    std::printf("%d busy lines, %d reader telegrams a second each, %d µs each; line %d replugged %d times "
                "(TimeBusOk 1 s)\n",
                busy, rate, costUs, kReplugLine, replugs);

    int reopened = 0;
    QElapsedTimer wall;
    wall.start();
    const double cpuAtStart = cpuSeconds();
    for (int r = 1; r <= replugs; ++r) {
        sim.command(QStringLiteral("unplug %1").arg(kReplugLine));
        if (!QTest::qWaitFor([&] { return !bus.opener().portOk(kReplugLine); }, kReopenLimitMs)) {
            std::printf("replug %d: the program did not notice the unplugging\n", r);
            continue;
        }
        QTest::qWait(500);
        sim.command(QStringLiteral("replug %1").arg(kReplugLine));
        QElapsedTimer t;
        t.start();
        const bool back = QTest::qWaitFor([&] { return bus.opener().portOk(kReplugLine); }, kReopenLimitMs);
        reopened += back;
        if (back)
            std::printf("replug %d: open again after %5.2f s   (protocol list %d lines)\n", r, t.elapsed() / 1000.0,
                        bus.protocolList().count());
        else
            std::printf("replug %d: NOT open again within %d s   (protocol list %d lines)\n", r, kReopenLimitMs / 1000,
                        bus.protocolList().count());
    }
    const double cpu = cpuSeconds() - cpuAtStart;
    std::printf("%d of %d replugs open again within %d s; the program used %.0f%% of one core\n", reopened, replugs,
                kReopenLimitMs / 1000, 100.0 * cpu / (wall.elapsed() / 1000.0));
    for (const int n : lines.mid(1))
        sim.command(QStringLiteral("traffic %1 0").arg(n));
    bus.shutdown();
    return reopened == replugs ? 0 : 2;
}
