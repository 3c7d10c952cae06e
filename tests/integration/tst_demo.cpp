// The demo that ./scripts/run starts: its program folder, made once and
// kept as the user changed it, and the headless run that shows key requests
// being decided and ends both the program and the simulator on Ctrl-C.
#include "../ctl/CtlRun.h"
#include "ProjectFiles.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/PasswordStore.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace varnox;
using namespace varnox::test;

namespace {

int setUp(const QString& home)
{
    return QProcess::execute(QStringLiteral("bash"),
        { QStringLiteral(VARNOX_SOURCE_DIR "/scripts/demo-setup"), home, QStringLiteral(VARNOX_BINARY_DIR) });
}

// The rows of a CSV listing without its header, the fields of each.
QList<QStringList> csvRows(const QString& home, const QString& kind)
{
    QList<QStringList> rows;
    const QStringList lines = runCtl(home, { "list", kind, "Demo", "--format", "csv" })
                                  .out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1))
        rows << line.split(',');
    return rows;
}

// The values of an option in the simulator's argument file.
QStringList simValues(const QString& home, const QString& option)
{
    const QStringList args = QString::fromUtf8(fileBytes(home + "/bussim.args")).split('\n');
    QStringList values;
    for (qsizetype i = 0; i + 1 < args.size(); ++i)
        if (args[i] == option)
            values << args[i + 1];
    return values;
}

// Processes (other than this test) whose command line or environment names `path`.
QStringList processesNaming(const QString& path)
{
    QStringList found;
    const QByteArray needle = QFile::encodeName(path);
    for (QDirIterator it("/proc", QDir::Dirs | QDir::NoDotAndDotDot); it.hasNext();) {
        const QString dir = it.next();
        bool isPid = false;
        const int pid = it.fileName().toInt(&isPid);
        if (!isPid || pid == ::getpid())
            continue;
        const QByteArray cmdline = fileBytes(dir + "/cmdline");
        if (cmdline.contains(needle) || fileBytes(dir + "/environ").contains(needle))
            found << QString::number(pid) + ' ' + QString::fromLocal8Bit(cmdline).replace(QChar(0), ' ');
    }
    return found;
}

} // namespace

class TestDemo : public QObject {
    Q_OBJECT

private slots:
    void setUpMakesTheDemoInstallation()
    {
        QTemporaryDir dir;
        const QString home = dir.filePath("demo-home");
        QCOMPARE(setUp(home), 0);

        ConfigFile config(home + "/VARNOXCF.INI");
        QCOMPARE(config.readValue("Config", "Recording"), QString("255"));
        QCOMPARE(config.readValue("Ports", "COM1"), home + "/bus/line01");
        QCOMPARE(config.readValue("Ports", "COM2"), home + "/bus/line02");
        QCOMPARE(config.readValue("Ports", "COM8"), home + "/bus/desk");
        QVERIFY(PasswordStore(config).verify(Mode::Konfiguration, "demo"));
        QStringList ports;
        for (const QStringList& row : csvRows(home, "ports"))
            if (row.value(1) != "0")
                ports << row.value(0) + ':' + row.value(1);
        QCOMPARE(ports, QStringList({ "1:1", "2:2", "8:8" }));

        // The simulator simulates the readers of the project, and holds its
        // keys to readers it has, known keys and an unknown one.
        QStringList projectReaders;
        for (const QStringList& r : csvRows(home, "readers"))
            projectReaders << QStringList { r[3], r[0], r[4], r[2], r[5] == "central" ? "zentral" : "dezentral" }.join(':');
        QStringList simReaders = simValues(home, "--reader");
        projectReaders.sort();
        simReaders.sort();
        QCOMPARE(simReaders, projectReaders);
        QSet<QString> keys;
        for (const QStringList& k : csvRows(home, "keys"))
            keys << k[0];
        QCOMPARE(keys.size(), 12);
        int known = 0;
        int unknown = 0;
        for (const QString& autoKey : simValues(home, "--auto-key")) {
            const QStringList parts = autoKey.split(':');
            const QString at = parts[0] + ':' + parts[1];
            QVERIFY2(std::any_of(simReaders.begin(), simReaders.end(),
                         [&](const QString& r) { return r.section(':', 0, 0) + ':' + r.section(':', 2, 2) == at; }),
                qPrintable(autoKey));
            (keys.contains(parts[2].rightJustified(12, '0')) ? known : unknown)++;
        }
        QVERIFY(known >= 10 && unknown >= 1);
    }

    void aSecondSetUpKeepsTheChangedDemo()
    {
        QTemporaryDir dir;
        const QString home = dir.filePath("demo-home");
        QCOMPARE(setUp(home), 0);
        QCOMPARE(runCtl(home, { "add", "key", "Demo", "--number", "B001", "--name", "Neu" }).status, 0);
        const QByteArray project = fileBytes(home + "/projekte/Demo.mdb");
        const QByteArray config = fileBytes(home + "/VARNOXCF.INI");
        QCOMPARE(setUp(home), 0);
        QCOMPARE(fileBytes(home + "/projekte/Demo.mdb"), project);
        QCOMPARE(fileBytes(home + "/VARNOXCF.INI"), config);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "demo-home" });
    }

    void headlessDemoShowsRequestsAndEndsOnCtrlC()
    {
        QTemporaryDir dir;
        const QString home = dir.filePath("demo-home");
        QCOMPARE(setUp(home), 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VARNOX_HOME" })
            env.remove(name);
        env.insert("VARNOX_DEMO_HOME", home);
        env.insert("VARNOX_BIN", VARNOX_BINARY_DIR);
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        QProcess demo;
        demo.setProcessEnvironment(env);
        demo.start("bash", { VARNOX_SOURCE_DIR "/scripts/demo" });
        QVERIFY(demo.waitForStarted(30000));
        demo.closeWriteChannel();

        static const QRegularExpression granted("^\\d\\d:\\d\\d:\\d\\d\\t.* - Funktion .*(?<!nicht) ausgeführt",
            QRegularExpression::MultilineOption);
        static const QRegularExpression refused(
            "^\\d\\d:\\d\\d:\\d\\d\\t.* - kein Zutritt$", QRegularExpression::MultilineOption);
        QString shown;
        QDeadlineTimer deadline(60000);
        while (!(shown.contains(granted) && shown.contains(refused)) && !deadline.hasExpired()
            && demo.state() == QProcess::Running) {
            demo.waitForReadyRead(200);
            shown += QString::fromUtf8(demo.readAllStandardOutput());
        }
        QVERIFY2(shown.contains(granted) && shown.contains(refused), qPrintable(shown));

        ::kill(pid_t(demo.processId()), SIGINT);
        QVERIFY(demo.waitForFinished(60000));
        shown += QString::fromUtf8(demo.readAllStandardOutput());
        QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(demo.exitCode(), 0);
        // The program ended as it ends on a signal, and its last line was still shown.
        QVERIFY2(shown.contains("\tProgramm beendet\n"), qPrintable(shown));
        QCOMPARE(processesNaming(home), QStringList());
        QVERIFY(!QFileInfo(home + "/bus/line01").isSymLink()); // the simulator took its links along
        QVERIFY(!fileBytes(home + "/bussim.log").contains("!! invalid frame"));
    }
};

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
