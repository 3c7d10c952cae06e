// The real program, started as a process on a fresh program folder.
#include "ProjectFiles.h"
#include "ReadOnlyFolder.h"
#include "SmallDisk.h"
#include "core/online/DayFileReader.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/Scramble.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace varnox;

namespace {

const QString kBinary = QStringLiteral(VARNOX_BINARY_DIR "/varnox");

class Program {
public:
    // `configHome`: where the per-user settings go; below `home` unless given.
    explicit Program(const QString& home, const QString& configHome = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VARNOX_HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   configHome.isEmpty() ? home + QStringLiteral("/.config") : configHome);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VARNOX_UNATTENDED"), QStringLiteral("1"));
        m_process.setProcessEnvironment(env);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QProcess& process() { return m_process; }
    QString errorOutput() { return QString::fromUtf8(m_process.readAllStandardError()); }
    // Files of the program may grow only to `bytes`, as on a nearly full disk.
    void limitFileSize(rlim_t bytes)
    {
        m_process.setChildProcessModifier([bytes] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {bytes, bytes};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    bool start(const QStringList& args = {})
    {
        m_process.start(kBinary, args);
        return m_process.waitForStarted();
    }
    // Sends `number` and waits for the end: true for a clean exit with code 0.
    bool endWith(int number)
    {
        return ::kill(pid_t(m_process.processId()), number) == 0 && m_process.waitForFinished(30000)
            && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

// The day files of the log folder, oldest first, joined (a run may pass midnight).
QByteArray protocol(const QString& home)
{
    QDir log(home + QStringLiteral("/log"));
    QByteArray all;
    for (const QString& name : log.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Time | QDir::Reversed)) {
        QFile f(log.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            all += f.readAll();
    }
    return all;
}

QStringList plainLines(const QString& home)
{
    QStringList lines = QString::fromUtf8(protocol(home)).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

bool waitForStartLine(const QString& home)
{
    return QTest::qWaitFor([&home] { return !protocol(home).isEmpty(); }, 30000);
}

void writeConfig(const QTemporaryDir& home, const QByteArray& text)
{
    test::writeBytes(home.filePath(QStringLiteral("VARNOXCF.INI")), text);
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // One run per program folder: a second start ends at once, writing
    // nothing; SIGINT ends the first cleanly, and then a start is welcome
    // again. Encrypt is missing and repaired to 1: the protocol is enciphered.
    void oneRunPerFolderAndSigint()
    {
        QTemporaryDir home;
        writeConfig(home, "[Config]\nRecording=255\n");
        Program first(home.path());
        QVERIFY(first.start());
        QVERIFY(waitForStartLine(home.path()));
        const QByteArray before = protocol(home.path());

        Program second(home.path());
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(30000));
        QCOMPARE(second.process().exitCode(), 1);
        QVERIFY(QString::fromUtf8(second.process().readAllStandardError())
                    .contains(QStringLiteral("Die Anwendung wurde bereits gestartet.")));
        QCOMPARE(protocol(home.path()), before);
        QCOMPARE(first.process().state(), QProcess::Running);
        QVERIFY(first.endWith(SIGINT));

        const QString name = QDir(home.filePath(QStringLiteral("log"))).entryList({QStringLiteral("*.log")}).first();
        const QDate day = QDate::fromString(name.left(8), QStringLiteral("ddMMyyyy"));
        const auto entries = [&] { return readDayFile(protocol(home.path()), LineCipher(programKeyText()), day); };
        QCOMPARE(entries().size(), 2);
        QCOMPARE(entries().first().text(), QStringLiteral("Programm gestartet"));
        QCOMPARE(entries().last().text(), QStringLiteral("Programm beendet"));
        QVERIFY(entries().first().sound() && entries().last().sound());
        Program third(home.path());
        QVERIFY(third.start());
        QTRY_VERIFY_WITH_TIMEOUT(entries().size() == 3, 30000);
        QVERIFY(third.endWith(SIGTERM));
    }

    // A monitoring PC's start: the project on the command line opens without
    // a login; SIGTERM ends the program cleanly and leaves the work copy to
    // be taken up at the next start.
    void projectOnTheCommandLineAndSigterm()
    {
        QTemporaryDir home;
        writeConfig(home, "[Config]\nRecording=255\nEncrypt=0\n");
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("projekte"))));
        QVERIFY(writeProjectTemplate(home.filePath(QStringLiteral("projekte/Leitstand.mdb"))));
        Program program(home.path());
        QVERIFY(program.start({QStringLiteral("Leitstand.mdb")}));
        QTRY_VERIFY_WITH_TIMEOUT(plainLines(home.path()).size() == 2, 30000);
        QVERIFY(program.endWith(SIGTERM));

        QStringList texts;
        for (const QString& line : plainLines(home.path()))
            texts << line.section(QLatin1Char('\t'), 1);
        QCOMPARE(texts, QStringList({"Programm gestartet", "Ohne Anmeldung --> Beobachtungsmodus", "Programm beendet"}));
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("projekte/~hlvLeitstand.tmp"))));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral(".varnox.lock"))));
    }

    void helpAndVersionNeedNoScreen()
    {
        QTemporaryDir home;
        Program program(home.path());
        QProcessEnvironment env = program.process().processEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // no display: windows would fail
        env.remove(QStringLiteral("DISPLAY"));
        program.process().setProcessEnvironment(env);
        const auto answer = [&program](const QString& option) {
            const bool ran = program.start({option}) && program.process().waitForFinished(30000);
            return ran && program.process().exitCode() == 0 ? program.process().readAllStandardOutput() : QByteArray();
        };
        QVERIFY(answer("--help").contains("--version"));
        QVERIFY(answer("--version").startsWith("Varnox "));

        // A mistake comes first too, in the language chosen last, before the
        // language dialog that the operator wants at every start.
        test::writeBytes(
            home.filePath(QStringLiteral(".config/varnox/varnox.ini")), "[MultiLang]\nLangId=1033\nShowDialog=true\n");
        QVERIFY(program.start({"-platform", "xcb", "--bogus"}) && program.process().waitForFinished(30000));
        QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process().exitCode(), 2);
        QVERIFY(program.errorOutput().startsWith("Unknown option: --bogus\n"));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("log"))));
    }

    // A program folder that cannot hold the program's files ends the start
    // with the reason, and writes nothing: no lock, no protocol, no template,
    // the settings file as it was.
    void unusableProgramFolder_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("cannot be made") << "Der Ordner ist nicht vorhanden und kann nicht angelegt werden.";
        QTest::newRow("not writable") << "Der Zugriff wurde verweigert.";
        QTest::newRow("disk full") << "Der Datenträger ist voll.";
    }

    void unusableProgramFolder()
    {
        const QString cause = QTest::currentDataTag();
        QFETCH(QString, reason);
        QTemporaryDir base;
        QString home = base.filePath(QStringLiteral("varnox"));
        const QByteArray ini = "; Leitstand\n[Config]\nRecording=255\n";  // Encrypt would be added
        std::optional<test::SmallDisk> disk;
        std::optional<test::ReadOnlyFolder> readOnly;
        if (cause == "cannot be made") {
            test::writeBytes(base.filePath(QStringLiteral("datei")), "a file, not a folder");
            home = base.filePath(QStringLiteral("datei/varnox"));
        } else {
            QVERIFY(QDir().mkpath(home));
            if (cause == "disk full" && !disk.emplace(home).mounted())
                QSKIP("no file system can be mounted here");
            test::writeBytes(home + QStringLiteral("/VARNOXCF.INI"), ini);
            if (disk)
                disk->fill();
            if (cause == "not writable" && !readOnly.emplace(home).active())
                QSKIP("the folder cannot be made read-only here");
        }
        const QStringList before = filesIn(home);
        Program program(home, base.filePath(QStringLiteral("config")));
        QVERIFY(program.start());
        QVERIFY(program.process().waitForFinished(30000));
        QCOMPARE(program.process().exitCode(), 1);
        const QString said = program.errorOutput();
        QVERIFY2(said.contains("Der Programmordner " + home + " kann nicht benutzt werden.\r\n" + reason), qPrintable(said));
        QVERIFY(said.contains("\r\nDas Programm wird beendet."));
        QCOMPARE(filesIn(home), before);
        if (cause != "cannot be made") {
            QCOMPARE(test::fileBytes(home + QStringLiteral("/VARNOXCF.INI")), ini);
        }
    }

    // Files may grow only so far (the limit stands in for a nearly full
    // disk): the template for new projects cannot be written, which is said
    // at start, and nothing half-written stays; the program runs on.
    void templateThatCannotBeWrittenIsSaid()
    {
        QTemporaryDir home;
        writeConfig(home, "[Config]\nRecording=255\nEncrypt=0\n");
        Program program(home.path());
        program.limitFileSize(16 * 1024);
        QVERIFY(program.start());
        QVERIFY(waitForStartLine(home.path()));
        QVERIFY(program.endWith(SIGTERM));
        const QString said = program.errorOutput();
        QVERIFY2(said.contains("Die Vorlage für neue Projekte (" + home.filePath("default.$$$")
                               + ") kann nicht geschrieben werden.\r\nDie Datei überschreitet die zulässige Dateigröße."),
                 qPrintable(said));
        QVERIFY(filesIn(home.path()).filter(QStringLiteral("default")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
