#include "ProjectWorld.h"
#include "ReadOnlyFolder.h"
#include "core/project/SafeWrite.h"
#include "core/project/SaveState.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnox;
using test::ProjectWorld;

namespace {

const QString kWorkCopy = QStringLiteral("~hlvAnlage.tmp");

const QString kSaveQuestion = QStringLiteral("Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?");

// Writes to files stop at a size limit, as they do on a full disk.
class DiskFull {
public:
    explicit DiskFull(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit low = m_old;
        low.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &low);
    }
    ~DiskFull() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old {};
};

}  // namespace

class TestProjectSave : public QObject {
    Q_OBJECT

private slots:
    // Save asks even without changes; No leaves the file, Yes writes it and
    // clears a snapshot left behind by a save that was killed.
    void saveAsksAndWritesTheProject()
    {
        ProjectWorld w;
        w.openProject("Anlage");
        const QByteArray before = test::fileBytes(w.projectFile("Anlage.mdb"));
        w.op.then(Answer::No).then(Answer::Yes);
        w.saver.Save();
        QCOMPARE(w.op.texts(), QStringList {kSaveQuestion});
        QCOMPARE(w.op.asked().first().message.title, QString("Varnox"));
        QCOMPARE(w.op.asked().first().buttons, Buttons::YesNo);
        QCOMPARE(test::fileBytes(w.projectFile("Anlage.mdb")), before);
        QVERIFY(w.host.calls.isEmpty());

        w.change();
        w.home.writeFile(QStringLiteral("projekte/~hlvAnlage.mdb.sav"), "left behind by a save that was killed");
        QSignalSpy saved(&SaveState::instance(), &SaveState::savedChanged);
        w.saver.Save();
        QCOMPARE(test::projectDigest(w.projectFile("Anlage.mdb")), w.workCopyDigest());
        QCOMPARE(test::integrityCheck(w.projectFile("Anlage.mdb")), QString("ok"));
        QVERIFY(!IsModified(kWorkCopy));
        QCOMPARE(w.host.calls, QStringList {"additionalSave(~hlvAnlage.tmp)"});
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().first().toBool(), true);
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "~hlvAnlage.tmp"}));
    }

    void failedSaveLeavesTheProjectFileAsItWas_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("disk full") << "disk full";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("write-protected file") << "write-protected file";
        QTest::newRow("folder in the way") << "folder in the way";
    }

    void failedSaveLeavesTheProjectFileAsItWas()
    {
        QFETCH(QString, cause);
        ProjectWorld w;
        w.openProject("Anlage");
        test::addKeys(workCopyPath(kWorkCopy), 3000);
        const QString target = w.projectFile("Anlage.mdb");
        const QByteArray before = test::fileBytes(target);
        std::optional<DiskFull> diskFull;
        std::optional<test::ReadOnlyFolder> readOnly;
        if (cause == "disk full") {
            diskFull.emplace(before.size() + 4096);
        } else if (cause == "read-only folder") {
            if (!readOnly.emplace(ProgramFolder::projectsDir()).active())
                QSKIP("the project folder cannot be made read-only here");
        } else if (cause == "write-protected file") {
            ::chmod(QFile::encodeName(target).constData(), 0444);
            if (::access(QFile::encodeName(target).constData(), W_OK) == 0)
                QSKIP("this user writes files regardless of their permissions");
        } else {
            QVERIFY(QFile::rename(target, target + ".old"));
            QVERIFY(QDir().mkpath(target));
        }
        QSignalSpy saved(&SaveState::instance(), &SaveState::savedChanged);
        w.op.then(Answer::Yes);
        w.saver.Save();
        diskFull.reset();
        readOnly.reset();

        QCOMPARE(w.op.asked().size(), 2);
        const Message failure = w.op.asked().last().message;
        QVERIFY(failure.text.startsWith("Die Projektdatei \"Anlage.mdb\" konnte nicht gespeichert werden.\r\n"));
        QVERIFY(failure.text.endsWith("\r\nDie Projektdatei ist unverändert geblieben."));
        QCOMPARE(failure.icon, MessageIcon::Critical);
        if (cause != "folder in the way")
            QCOMPARE(test::fileBytes(target), before);
        QVERIFY(!QFileInfo::exists(snapshotTempPath(target)));
        QVERIFY(IsModified(kWorkCopy));
        QCOMPARE(saved.size(), 0);
        QVERIFY(w.host.calls.isEmpty());
    }

    void closingAsksOnlyWhenChanged_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("unchanged") << false << Answer::Cancel;
        QTest::newRow("changed, not saved") << true << Answer::No;
        QTest::newRow("changed, saved") << true << Answer::Yes;
    }

    void closingAsksOnlyWhenChanged()
    {
        QFETCH(bool, changed);
        QFETCH(Answer, answer);
        ProjectWorld w;
        w.openProject("Anlage");
        const QByteArray before = test::projectDigest(w.projectFile("Anlage.mdb"));
        if (changed) {
            w.change();
            w.op.then(answer);
        }
        const QByteArray edited = w.workCopyDigest();
        QVERIFY(w.saver.AskSaveAndClose());
        QCOMPARE(w.op.texts(), changed ? QStringList {kSaveQuestion} : QStringList());
        QCOMPARE(test::projectDigest(w.projectFile("Anlage.mdb")), answer == Answer::Yes ? edited : before);
        QCOMPARE(w.host.calls, answer == Answer::Yes ? QStringList {"additionalSave(~hlvAnlage.tmp)"} : QStringList());
        QCOMPARE(ProjectWorld::projectFolder(), QStringList {"Anlage.mdb"});
        QVERIFY(w.session.workCopyName.isEmpty());
    }

    void closingKeepsTheChangesWhenTheSaveFails()
    {
        ProjectWorld w;
        w.openProject("Anlage");
        w.change();
        const QString target = w.projectFile("Anlage.mdb");
        QVERIFY(QFile::rename(target, target + ".old"));
        QVERIFY(QDir().mkpath(target));
        w.op.then(Answer::Yes);
        QVERIFY(!w.saver.AskSaveAndClose());
        QVERIFY(w.op.texts().last().endsWith("Ihre Änderungen bleiben in der Arbeitskopie erhalten und werden beim "
                                             "nächsten Öffnen des Projekts angeboten."));
        QVERIFY(QFileInfo::exists(workCopyPath(kWorkCopy)));
        QVERIFY(IsModified(kWorkCopy));
    }
};

QTEST_GUILESS_MAIN(TestProjectSave)
#include "tst_projectsave.moc"
