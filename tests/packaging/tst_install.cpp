// cmake --install into a fresh prefix: the layout a desktop and the Debian
// package rely on, nothing else, and programs that run from there.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll()) };
}

QString textOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void installsTheProgramsAsADesktopProgram()
    {
        QTemporaryDir prefix;
        const Run install = run("cmake", { "--install", VARNOX_BINARY_DIR, "--prefix", prefix.path() });
        QVERIFY2(install.status == 0, qPrintable(install.out));

        QStringList files;
        for (QDirIterator it(prefix.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().mid(prefix.path().size() + 1);
        files.sort();
        QCOMPARE(files,
            QStringList({ "bin/varnox", "bin/varnox-bussim", "bin/varnoxctl", "share/applications/varnox.desktop",
                "share/icons/hicolor/scalable/apps/varnox.svg", "share/man/man1/varnox-bussim.1",
                "share/man/man1/varnox.1", "share/man/man1/varnoxctl.1" }));

        const Run valid = run("desktop-file-validate", { prefix.filePath("share/applications/varnox.desktop") });
        QVERIFY2(valid.status == 0 && valid.out.isEmpty(), qPrintable(valid.out));
        QVERIFY(textOf(prefix.filePath("share/icons/hicolor/scalable/apps/varnox.svg")).contains("<svg"));
        // The program's manual page is its help, in English, with the sections added to it.
        const QString page = textOf(prefix.filePath("share/man/man1/varnox.1"));
        for (const char* part : { ".TH VARNOX", "\\-\\-version", "VARNOX_HOME", "dialout", "varnoxctl" })
            QVERIFY2(page.contains(part), part);

        // The installed programs run from the prefix; the folder they would use is not made by asking.
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VARNOX_HOME", home.filePath("nothing"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        for (const char* program : { "varnox", "varnoxctl" }) {
            const Run version = run(prefix.filePath(QStringLiteral("bin/") + program), { "--version" }, env);
            QVERIFY2(version.status == 0 && version.out.contains("1.0"), qPrintable(version.out));
        }
        QVERIFY(run(prefix.filePath("bin/varnox-bussim"), { "--help" }, env).out.contains("--auto-key"));
        QVERIFY(!QFileInfo::exists(home.filePath("nothing")));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
