// The evaluation of key requests against varnox-bussim over pseudo-terminals,
// in a project of 960 readers and 20,000 keys, with the program's own bus and
// evaluation code. Prints
//   (a) the latency from the EOT of a "Q" telegram arriving at its port to the
//       function telegram handed to its port, p50 / p99 / max over granted
//       requests one at a time (targets p50 <= 5 ms, p99 <= 20 ms), with the
//       same seen from the simulator's end of the wire;
//   (b) the steady rates of granted requests spread over 15 lines, and how
//       many each loses to the 3-second age rule;
//   (c) the CPU the program (build/varnox with that project) uses while idle
//       with 15 lines open.
//   QT_QPA_PLATFORM=offscreen build/bench/varnox-bench-evaluation [requests] [seconds per rate] [idle seconds]
#include "../tests/integration/BusSimProcess.h"
#include "LargeProject.h"
#include "ProjectFixture.h"
#include "core/bus/BusSystem.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/online/OnlineEvaluation.h"
#include "core/shell/Clock.h"
#include "core/shell/EventSink.h"
#include "core/shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <numeric>
#include <unistd.h>

using namespace varnox;

namespace {

QElapsedTimer g_clock;

// A real port that notes when a telegram is handed to it.
class TimedPort final : public SerialPort {
public:
    TimedPort(const QString& config, QObject* parent)
        : SerialPort(parent)
        , m_port(config, this)
    {
        m_port.setReceiver([this](char ch) { deliver(QByteArray(1, ch)); });
        connect(&m_port, &SerialPort::lost, this, &SerialPort::lost);
    }
    bool open() override
    {
        m_port.setPortNumber(portNumber());
        const bool ok = m_port.open();
        setFailure(m_port.lastFailure());
        return ok;
    }
    void close() override { m_port.close(); }
    bool isOpen() const override { return m_port.isOpen(); }
    void setDtr(bool on) override { m_port.setDtr(on); }
    void setRts(bool on) override { m_port.setRts(on); }
    void write(const QByteArray& bytes) override
    {
        if (onWrite)
            onWrite(bytes);
        m_port.write(bytes);
    }
    QString deviceName() const override { return m_port.deviceName(); }

    std::function<void(const QByteArray&)> onWrite;

private:
    QtSerialPort m_port;
};

class TimedPortFactory final : public SerialPortFactory {
public:
    SerialPort* create(int line, QObject* parent) override
    {
        return ports[line] = new TimedPort(ProgramFolder::configFile(), parent);
    }
    QMap<int, TimedPort*> ports;
};

// Runs the event loop until `done` holds or `ms` pass; looks every millisecond.
bool waitUntil(const std::function<bool()>& done, int ms)
{
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || waited.elapsed() > ms)
            loop.quit();
    });
    poll.start(1);
    if (!done())
        loop.exec();
    return done();
}

struct Grant {
    QString key;
    int line;
    int address;
    QString serial;
};

// Key, reader pairs that are granted: every assignment's zone made the
// always-zone, and its function "Tür auf" a door opener on line 1.
QList<Grant> prepare(const QString& path)
{
    bench::fillProject(path, {});
    Database db(path);
    db.sql().exec("UPDATE Zuleser SET Zeitzone = 'Immer'");
    db.sql().exec("INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES ('Tür auf', 0, '1100', 1)");
    SQLite::Statement q(db.sql(),
        "SELECT z.Schluessel, l.BusID, l.AS_adr, l.Seriennr FROM Zuschluessel z "
        "JOIN Zuleser r ON r.Profil = z.Profil JOIN Leser l ON l.Seriennr = r.Leser "
        "ORDER BY z.rowid LIMIT 4000");
    QList<Grant> grants;
    while (q.executeStep())
        grants.append({ QString::fromStdString(q.getColumn(0).getString()), q.getColumn(1).getInt(),
            q.getColumn(2).getInt(), QString::fromStdString(q.getColumn(3).getString()) });
    // Round the lines in turn.
    std::stable_sort(grants.begin(), grants.end(), [](const Grant& a, const Grant& b) { return a.line < b.line; });
    QList<Grant> mixed;
    for (int i = 0; mixed.size() < grants.size(); ++i)
        for (int l = 0; l < 15 && mixed.size() < grants.size(); ++l)
            mixed << grants[(l * grants.size() / 15 + i) % grants.size()];
    return mixed;
}

QString keyCommand(const Grant& g)
{
    return QStringLiteral("key %1 %2 %3").arg(g.line).arg(g.address).arg(g.key);
}

QString qTelegram(const QString& k)
{
    return QLatin1Char('%') + k.mid(6, 2) + k.mid(4, 2) + k.mid(2, 2) + k.mid(0, 2);
}

// From the simulator's log: for each " 1100" it received, the time since
// the last "%" telegram it sent (the request's second half).
QList<double> wireLatencies(const QString& log)
{
    QList<double> out;
    QTime sent;
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        const QTime at = QTime::fromString(line.left(12), QStringLiteral("HH:mm:ss.zzz"));
        if (line.mid(17).startsWith(QLatin1String("tx %")))
            sent = at;
        else if (line.mid(17) == QLatin1String("rx  1100") && sent.isValid()) {
            out << sent.msecsTo(at);
            sent = QTime();
        }
    }
    return out;
}

double percentile(QList<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[qMin(v.size() - 1, qsizetype(p * double(v.size() - 1) + 0.5))];
}

// The CPU seconds of process `pid`, all its threads, those that ended
// included, as the kernel counts them (user + system, in clock ticks).
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> f = stat.readAll().split(')').last().trimmed().split(' ');
    return (f.value(11).toDouble() + f.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitTexts();
    const int requests = argc > 1 ? atoi(argv[1]) : 1000;
    const int secondsPerRate = argc > 2 ? atoi(argv[2]) : 90;
    const int idleSeconds = argc > 3 ? atoi(argv[3]) : 30;
    g_clock.start();

    test::ProjectFixture project;
    const QList<Grant> grants = prepare(project.path());
    ConfigFile config(ProgramFolder::configFile());
    DailyProtocol protocol(SystemClock::instance());
    protocol.setSwitches({ 255, true });
    EventSink events;
    TimedPortFactory factory;
    const auto workCopy = [&project] { return project.path(); };
    BusSystem bus(factory, SystemClock::instance(), config, protocol, events, workCopy);
    OnlineEvaluation online(bus, SystemClock::instance(), protocol, events, workCopy);

    QStringList simArgs;
    for (const int line : busLineNumbers())
        simArgs << "--line" << QString::number(line);
    QSet<QString> readers;
    for (const Grant& g : grants)
        if (!readers.contains(g.serial)) {
            readers.insert(g.serial);
            simArgs << "--reader" << QStringLiteral("%1:%2:%3").arg(g.line).arg(g.serial).arg(g.address);
        }
    test::BusSimProcess sim;
    if (!sim.start(simArgs)) {
        std::fprintf(stderr, "varnox-bussim did not start\n");
        return 1;
    }
    sim.writePortsInto(config);
    for (const int line : busLineNumbers())
        project.assignComPort(line, line);
    bus.InitPorts();
    if (!waitUntil([&] { return bus.opener().state() == PortOpener::State::Idle; }, 120'000)
        || !bus.opener().allPortsOk()) {
        std::fprintf(stderr, "the 15 lines did not open\n");
        return 1;
    }
    QFile load(QStringLiteral("/proc/loadavg"));
    load.open(QIODevice::ReadOnly);
    std::printf("%d readers in the simulator, %lld granted pairs, 15 lines open; load average %s", int(readers.size()),
        qlonglong(grants.size()), load.readLine().constData());

    // (a) One granted request at a time.
    qint64 qAt = -1;
    QString expectedQ;
    QList<double> latencies;
    QList<double> held; // from the "Q" telegram to the request's monitor entry
    qint64 requestAt = -1;
    int decided = 0;
    QObject::connect(&online.monitorList(), &QAbstractItemModel::rowsInserted, [&] {
        ++decided;
        if (requestAt >= 0)
            held << (g_clock.nsecsElapsed() - requestAt) / 1e6;
        requestAt = -1;
    });
    QObject::connect(&bus.reception(), &Reception::telegramFiled, [&](int, SlotKind kind, const QString& t) {
        if (kind == SlotKind::KeyRequest && t == expectedQ && qAt < 0)
            qAt = requestAt = g_clock.nsecsElapsed();
    });
    factory.ports[1]->onWrite = [&](const QByteArray& bytes) {
        if (bytes == "\x01 1100\x04" && qAt >= 0) {
            latencies << (g_clock.nsecsElapsed() - qAt) / 1e6;
            qAt = -1;
            expectedQ.clear();
        }
    };
    for (int i = 0; i < requests; ++i) {
        waitUntil([&] { return !bus.evaluation().running && requestAt < 0; }, 10'000);
        const Grant& g = grants[i % grants.size()];
        expectedQ = qTelegram(g.key);
        qAt = -1;
        sim.command(keyCommand(g));
        const int before = int(latencies.size());
        waitUntil([&] { return latencies.size() > before; }, 10'000);
    }
    std::printf("(a) latency Q received -> function telegram written, %lld of %d granted requests:\n"
                "    p50 %.2f ms  p99 %.2f ms  max %.2f ms  (targets p50 <= 5, p99 <= 20)\n",
        qlonglong(latencies.size()), requests, percentile(latencies, 0.5), percentile(latencies, 0.99),
        percentile(latencies, 1.0));

    const QList<double> wire = wireLatencies(sim.log());
    std::printf("    seen by the simulator, its \"%%\" sent to \" 1100\" received (1 ms stamps, both pty crossings):\n"
                "    p50 %.0f ms  p99 %.0f ms  max %.0f ms\n",
        percentile(wire, 0.5), percentile(wire, 0.99), percentile(wire, 1.0));
    const double mean = std::accumulate(held.begin(), held.end(), 0.0) / qMax<qsizetype>(1, held.size());
    std::printf(
        "    a granted request holds the evaluation %.1f ms on average (p99 %.1f ms): at most %.2f requests/s\n", mean,
        percentile(held, 0.99), 1000.0 / mean);
    std::fflush(stdout);

    // (b) Steady rates over 15 lines.
    expectedQ.clear();
    std::printf("(b) steady rate of granted requests over 15 lines, %d s each:\n", secondsPerRate);
    int next = requests;
    for (const double rate : { 1.0, 1.5, 1.8, 1.9, 1.95, 2.0, 2.1, 2.5 }) {
        waitUntil([&] { return !bus.evaluation().running && bus.protocolList().count() < 2; }, 10'000);
        const int before = decided;
        const int total = int(rate * secondsPerRate);
        QElapsedTimer run;
        run.start();
        for (int i = 0; i < total; ++i) {
            const qint64 due = qint64(i * 1000.0 / rate);
            waitUntil([&] { return run.elapsed() >= due; }, 100'000);
            sim.command(keyCommand(grants[next++ % grants.size()]));
        }
        // Whatever is still waiting is decided or dropped by age within seconds.
        waitUntil([&] { return decided - before >= total; }, 8000);
        const int done = decided - before;
        std::printf("    %.2f requests/s: %d sent, %d decided, %d lost\n", rate, total, done, total - done);
        std::fflush(stdout);
        if (total - done > total / 10)
            break;
    }
    bus.shutdown();

    // (c) The program itself, idle with the 15 lines open.
    QFile::copy(project.path(), ProgramFolder::projectsDir() + QStringLiteral("/bench.mdb"));
    const int setUp = int(sim.log().count(QLatin1String(" rx .3F")));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VARNOX_UNATTENDED", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(VARNOX_BINARY_DIR "/varnox"), { "bench.mdb" });
    if (!program.waitForStarted(30'000)
        || !waitUntil([&] { return sim.log().count(QLatin1String(" rx .3F")) >= setUp + 15; }, 120'000)) {
        std::fprintf(stderr, "the program did not open its 15 lines\n");
        return 1;
    }
    waitUntil([] { return false; }, 3000); // let it settle
    const double before = cpuSeconds(program.processId());
    QElapsedTimer idle;
    idle.start();
    waitUntil([] { return false; }, idleSeconds * 1000);
    const double used = cpuSeconds(program.processId()) - before;
    std::printf("(c) build/varnox idle with 15 lines open: %.2f s CPU in %.1f s = %.3f %% of one core"
                " (counted in ticks of %.0f ms)\n",
        used, idle.elapsed() / 1000.0, 100.0 * used / (idle.elapsed() / 1000.0), 1000.0 / double(sysconf(_SC_CLK_TCK)));
    ::kill(pid_t(program.processId()), SIGTERM);
    program.waitForFinished(30'000);
    return 0;
}
