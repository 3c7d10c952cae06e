// varnox-bussim: a simulated installation on pseudo-terminals. See the
// section "The installation simulator" of the README.
#include "Simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace varnox::bussim;

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

bool parse(QCoreApplication& app, SimOptions& o, QString* error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("A simulated access-control installation on pseudo-terminals."));
    p.addHelpOption();
    p.addVersionOption();
    p.addOptions({
        {"line", "Simulate bus line <n> (1..16 without 8); may be repeated. Default: line 1.", "n"},
        {"reader", "A reader on a line: <line:serial:as[:em|mifare[:zentral|dezentral]]>.", "reader"},
        {"desk", "Simulate the desk reader too (line 8)."},
        {"silent-interface", "The interface of line <n> never answers.", "n"},
        {"answer-from", "The interface of a line answers the presence query from the k-th on: <n:k>.", "n:k"},
        {"delay", "Milliseconds before an answer (default 5).", "ms", "5"},
        {"dir", "Folder for the device links (default: a new temporary folder).", "dir"},
        {"ports-file", "Write the [Ports] entries for VARNOXCF.INI to <file>.", "file"},
        {"com-offset", "Offer line n as COM n+k (default 0).", "k", "0"},
        {"log", "Write the telegram log to <file> instead of standard output.", "file"},
        {"auto-key", "Hold <line:as:key> to a reader now and then, on its own; may be repeated.", "line:as:key"},
        {"auto-every", "Seconds between two automatic keys (default 5).", "s", "5"},
    });
    p.process(app);
    for (const QString& n : p.values("line"))
        o.lines << n.toInt();
    if (o.lines.isEmpty())
        o.lines << 1;
    for (const QString& n : p.values("silent-interface"))
        o.answerFrom.insert(n.toInt(), 0);
    for (const QString& entry : p.values("answer-from"))
        o.answerFrom.insert(entry.section(':', 0, 0).toInt(), qMax(1, entry.section(':', 1, 1).toInt()));
    for (const QString& entry : p.values("reader")) {
        const auto reader = parseReader(entry);
        if (!reader) {
            *error = QStringLiteral("not a reader: ") + entry;
            return false;
        }
        o.readers << *reader;
    }
    for (const QString& entry : p.values("auto-key")) {
        const auto key = parseAutoKey(entry);
        if (!key) {
            *error = QStringLiteral("not an automatic key: ") + entry;
            return false;
        }
        o.autoKeys << *key;
    }
    bool secondsOk = false;
    const double seconds = p.value("auto-every").toDouble(&secondsOk);
    if (!secondsOk || seconds < 0.1 || seconds > 3600) {
        *error = QStringLiteral("--auto-every takes 0.1 to 3600 seconds");
        return false;
    }
    o.autoEveryMs = int(seconds * 1000);
    for (const int n : o.lines) {
        if (n < 1 || n > 16 || n == 8) {
            *error = QStringLiteral("no bus line %1 (1..16 without 8; --desk for the desk reader)").arg(n);
            return false;
        }
    }
    if (p.isSet("desk"))
        o.lines << 8;
    o.delayMs = qMax(0, p.value("delay").toInt());
    o.comOffset = qMax(0, p.value("com-offset").toInt());
    o.dir = p.value("dir");
    o.portsFile = p.value("ports-file");
    o.logFile = p.value("log");
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnox-bussim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNOX_VERSION));
    SimOptions options;
    QString error;
    if (!parse(app, options, &error)) {
        std::fprintf(stderr, "varnox-bussim: %s\n", qPrintable(error));
        return 2;
    }
    QTemporaryDir ownDir(QDir::tempPath() + QStringLiteral("/varnox-bussim-XXXXXX"));
    if (options.dir.isEmpty())
        options.dir = ownDir.path();
    QDir().mkpath(options.dir);

    Simulator sim(options);
    QObject::connect(&sim, &Simulator::quitRequested, &app, &QCoreApplication::quit);
    if (!sim.start(&error)) {
        std::fprintf(stderr, "varnox-bussim: %s\n", qPrintable(error));
        return 1;
    }

    // SIGINT and SIGTERM end the run cleanly, so that the device links go.
    if (::pipe(g_signalPipe) == 0) {
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
        auto* signalNotifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {  // end of input: run on until a signal ends us
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, int(n));
        for (qsizetype eol; (eol = pending.indexOf('\n')) >= 0; pending.remove(0, eol + 1)) {
            const QString line = QString::fromUtf8(pending.left(eol)).trimmed();
            if (!sim.command(line))
                std::fprintf(stderr, "varnox-bussim: not understood: %s\n", qPrintable(line));
        }
    });
    return app.exec();
}
