// varnoxctl and the project file as a whole: check and upgrade, a project
// the program has open, a work copy with unsaved changes, and the daily
// protocol with a damaged record.
#include "CtlProject.h"
#include "FakeClock.h"
#include "ProjectFiles.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/ProjectLock.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

using namespace varnox;
using namespace varnox::test;

namespace {

QString terminal(const Message& m)
{
    return QString(m.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + '\n';
}

const QDate kDay(2026, 12, 5);

// Five entries of the day in an enciphered file; the bytes of the file.
QByteArray writeDay(const QStringList& texts)
{
    FakeClock clock(QDateTime(kDay, QTime(8, 0)));
    DailyProtocol protocol(clock);
    protocol.setSwitches({ 255, true });
    for (const QString& text : texts) {
        protocol.write(text);
        clock.advanceSecs(61);
    }
    return fileBytes(DailyProtocol::filePath(kDay));
}

} // namespace

class TestCtlProject : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void checkRefusesATruncatedFile()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        QCOMPARE(ctl({ "check", "P" }).out, QStringLiteral("Die Projektdatei \"P.mdb\" ist in Ordnung (Version 8).\n"));
        const QByteArray whole = fileBytes(ctl.project("P"));
        writeBytes(ctl.project("P"), whole.left(whole.size() / 2 + 100));
        const CtlResult r = ctl({ "check", "P" });
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, terminal(notAProjectFileMessage(QStringLiteral("P.MDB"))));
        QCOMPARE(ctl({ "list", "keys", "P" }).status, 3);
    }

    // An older file is sound; writes wait until it was upgraded on purpose.
    void upgradeOnlyWhenAskedFor()
    {
        const CtlHome ctl;
        QDir().mkpath(ctl.path() + "/projekte");
        writeProject(ctl.project("Alt"), Layout::Version5);
        const QByteArray before = fileBytes(ctl.project("Alt"));
        const CtlResult checked = ctl({ "check", "Alt" });
        QCOMPARE(checked.status, 0);
        QVERIFY(checked.out.contains(QStringLiteral("älteren Programmversion (Version 5)")));
        QCOMPARE(ctl({ "list", "readers", "Alt" }).status, 0);
        QCOMPARE(ctl({ "add", "profile", "Alt", "--name", "Neu" }).status, 3);
        QCOMPARE(fileBytes(ctl.project("Alt")), before);

        QCOMPARE(ctl({ "check", "Alt", "--upgrade" }).status, 0);
        QVERIFY(ctl({ "info", "Alt" }).out.contains(QStringLiteral("Version: 8\n")));
        QCOMPARE(ctl({ "add", "profile", "Alt", "--name", "Neu" }).status, 0);
        QVERIFY(ctl({ "list", "profiles", "Alt" }).out.contains(QStringLiteral("Neu")));
    }

    // While the program has the project open, varnoxctl reads it but
    // writes nothing; once the program is gone, it writes again.
    void theProgramsLockIsHonoured()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        QProcess program;
        program.setProcessEnvironment(programEnvironment(ctl.path()));
        program.start(QStringLiteral(VARNOX_BINARY_DIR "/varnox"), { QStringLiteral("P.mdb") });
        QVERIFY(program.waitForStarted(30000));
        const auto cleanup = qScopeGuard([&] {
            program.kill();
            program.waitForFinished();
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ProjectLock::filePath("P")), 30000);
        const QByteArray before = fileBytes(ctl.project("P"));
        const CtlResult refused = ctl({ "add", "profile", "P", "--name", "Neu" });
        QCOMPARE(refused.status, 4);
        QCOMPARE(refused.err, terminal(ProjectLock::inUseMessage("P", ProjectLock::Holder::Program)));
        QCOMPARE(
            ctl({ "import", "keys", "P", "-" }, "number,name,short_name,profile,start,end\r\n1,A,,,,\r\n").status, 4);
        QCOMPARE(fileBytes(ctl.project("P")), before);
        QCOMPARE(ctl({ "list", "profiles", "P" }).status, 0);
        QVERIFY(ctl({ "info", "P" }).out.contains(QStringLiteral("Im Programm geöffnet: ja\n")));

        QVERIFY(::kill(pid_t(program.processId()), SIGTERM) == 0 && program.waitForFinished(30000));
        QVERIFY(QFile::exists(ctl.path() + "/projekte/~hlvP.tmp")); // left for the next start, unchanged
        QCOMPARE(ctl({ "add", "profile", "P", "--name", "Neu" }).status, 0);
        QVERIFY(!QFile::exists(ctl.path() + "/projekte/~hlvP.tmp"));
    }

    // A save of varnoxctl is a save of the program: the additional copy follows.
    void theAdditionalSaveFollows()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        const QString folder = ctl.path() + "/zweitablage";
        QVERIFY(QDir().mkpath(folder));
        execSql(ctl.project("P"),
            QStringLiteral("UPDATE Einstellungen SET Wert = 1, Funktion = '%1' "
                           "WHERE Bezeichnung = 'DubbleSave'")
                .arg(folder));
        QCOMPARE(ctl({ "add", "profile", "P", "--name", "Neu" }).status, 0);
        QCOMPARE(projectDigest(folder + "/P.mdb"), projectDigest(ctl.project("P")));
        QVERIFY(QDir(folder).removeRecursively());
        const CtlResult failed = ctl({ "add", "profile", "P", "--name", "Neuer" });
        QCOMPARE(failed.status, 10);
        QVERIFY(ctl({ "list", "profiles", "P" }).out.contains("Neuer"));
    }

    // A work copy with changes nobody saved is the program's to offer.
    void unsavedChangesAreNeverTouched()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        const QString workCopy = ctl.path() + "/projekte/~hlvP.tmp";
        QVERIFY(QFile::copy(ctl.project("P"), workCopy));
        addProfile(workCopy, QStringLiteral("Ungespeichert"));
        const QByteArray copy = fileBytes(workCopy);
        const QByteArray file = fileBytes(ctl.project("P"));
        const CtlResult r = ctl({ "remove", "profile", "P", "--name", "Lager" });
        QCOMPARE(r.status, 5);
        QVERIFY(r.err.contains(QStringLiteral("nicht gespeicherten Änderungen")));
        QCOMPARE(ctl({ "check", "P", "--upgrade" }).status, 5);
        QCOMPARE(fileBytes(workCopy), copy);
        QCOMPARE(fileBytes(ctl.project("P")), file);
        QVERIFY(ctl({ "info", "P" })
                    .out.contains(QStringLiteral("Nicht gespeicherte Änderungen in der Arbeitskopie: ja\n")));
    }

    void protocolMarksWhatWasDone_data()
    {
        QTest::addColumn<int>("line"); // of the file, counted from 0
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("mark");
        QTest::newRow("flipped bit") << 4 << false << "08:01:01\tZwei\n\t\tnicht entschlüsselbar\n08:03:03\tVier\n";
        QTest::newRow("record removed") << 4 << true << "08:01:01\tZwei\n08:03:03\tVier\tKette unterbrochen\n";
    }

    void protocolMarksWhatWasDone()
    {
        QFETCH(int, line);
        QFETCH(bool, remove);
        QFETCH(QString, mark);
        const CtlHome ctl;
        const QByteArray day = writeDay({ "Eins", "Zwei", "Drei", "Vier", "Fünf" });
        const CtlResult sound = ctl({ "protocol", "05122026", "--verify" });
        QCOMPARE(sound.status, 0);
        QCOMPARE(sound.out,
            QStringLiteral("08:00:00\tEins\n08:01:01\tZwei\n08:02:02\tDrei\n08:03:03\tVier\n08:04:04\tFünf\n"));

        QList<QByteArray> lines = day.split('\n'); // records and the empty lines after them
        if (remove) {
            lines.removeAt(line);
        } else {
            // One bit of a letter of the sealed text, so that the record still
            // reads as base64 and only its seal gives it away.
            qsizetype at = 70;
            while (!QChar::isLetter(lines[line][at]))
                ++at;
            lines[line][at] = char(lines[line][at] ^ 0x20);
        }
        writeBytes(DailyProtocol::filePath(kDay), lines.join('\n'));
        const CtlResult damaged = ctl({ "protocol", "05122026", "--verify" });
        QCOMPARE(damaged.status, 1);
        QVERIFY2(damaged.out.contains(mark), qPrintable(damaged.out));
        QCOMPARE(ctl({ "protocol", "05122026" }).status, 0);
        QCOMPARE(ctl({ "protocol", "06122026" }).status, 3);
        QCOMPARE(ctl({ "protocol", "32122026" }).status, 2);
    }
};

QTEST_MAIN(TestCtlProject)
#include "tst_ctlproject.moc"
