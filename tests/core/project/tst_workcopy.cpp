#include "DiskFull.h"
#include "ProjectFiles.h"
#include "ProjectFixture.h"
#include "ReadOnlyFolder.h"
#include "ScriptedOperator.h"
#include "core/project/FileTimes.h"
#include "core/project/ReadersToTransfer.h"
#include "core/project/WorkCopy.h"


#include <utime.h>

using namespace varnox;

namespace {

const QString kWorkCopy = QStringLiteral("~hlvAnlage.tmp");

QString project()
{
    QDir().mkpath(ProgramFolder::projectsDir());
    return ProgramFolder::projectsDir() + QStringLiteral("/Anlage.mdb");
}

void setModified(const QString& path, qint64 secondsSinceEpoch)
{
    utimbuf times {secondsSinceEpoch, secondsSinceEpoch};
    QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
}

}  // namespace

class TestWorkCopy : public QObject {
    Q_OBJECT

private slots:
    void copyKeepsTheProjectTimeAndChangesShow()
    {
        test::TempHome home;
        test::writeProject(project(), test::Layout::Version8);
        setModified(project(), 1700000000);
        test::ScriptedOperator op;
        const WorkCopy copy = MakeWorkCopy(QStringLiteral("Anlage.mdb"), op);
        QCOMPARE(copy.name, kWorkCopy);
        QVERIFY(!copy.resumed);
        QCOMPARE(LastWriteTime(workCopyPath(kWorkCopy)), QDateTime::fromSecsSinceEpoch(1700000000));
        QVERIFY(!IsModified(kWorkCopy));
        // Saved at the start of this very second; the change follows within it.
        const qint64 second = QDateTime::currentSecsSinceEpoch();
        setModified(project(), second);
        setModified(workCopyPath(kWorkCopy), second);
        QVERIFY(!IsModified(kWorkCopy));
        test::addProfile(workCopyPath(kWorkCopy));
        QVERIFY(IsModified(kWorkCopy));
    }

    void leftBehindWorkCopy_data()
    {
        QTest::addColumn<Answer>("answer");  // Cancel: the copy equals the project, nothing to ask
        QTest::newRow("keep the changes") << Answer::Yes;
        QTest::newRow("drop the changes") << Answer::No;
        QTest::newRow("identical copy") << Answer::Cancel;
    }

    void leftBehindWorkCopy()
    {
        QFETCH(Answer, answer);
        test::TempHome home;
        test::writeProject(project(), test::Layout::Version8);
        test::ScriptedOperator first;
        QCOMPARE(MakeWorkCopy(QStringLiteral("Anlage.mdb"), first).name, kWorkCopy);
        // The program ended without closing the project; a stale journal lies beside its copy.
        if (answer != Answer::Cancel) {
            test::addProfile(workCopyPath(kWorkCopy));
            QFile::copy(project(), workCopyPath(kWorkCopy) + QStringLiteral("-journal"));
        }

        test::ScriptedOperator op;
        op.then(answer);
        const WorkCopy copy = MakeWorkCopy(QStringLiteral("Anlage.mdb"), op);
        QCOMPARE(copy.name, kWorkCopy);
        QCOMPARE(copy.resumed, answer == Answer::Yes);
        const QString journal = workCopyPath(kWorkCopy) + QStringLiteral("-journal");
        QCOMPARE(QFile::exists(journal), answer == Answer::Yes);  // a resumed copy keeps it for the engine
        if (answer == Answer::Cancel) {
            QVERIFY(op.asked().isEmpty());
            QVERIFY(!IsModified(kWorkCopy));
            return;
        }
        QCOMPARE(op.texts(),
                 QStringList {"Zur Projektdatei \"Anlage.mdb\" liegt noch eine Arbeitskopie mit nicht "
                              "gespeicherten Änderungen vor.\r\n"
                              "Möchten Sie mit diesen Änderungen weiterarbeiten?\r\n"
                              "Bei Nein werden die Änderungen verworfen."});
        QCOMPARE(op.asked().first().buttons, Buttons::YesNo);
        if (answer == Answer::Yes && QFile::remove(journal))
            QCOMPARE(test::profileCount(workCopyPath(kWorkCopy)), 1);
        else
            QCOMPARE(test::fileBytes(workCopyPath(kWorkCopy)), test::fileBytes(project()));
    }

    void filesThatCannotBeCopied_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("dangling link") << "link";
        QTest::newRow("unreadable") << "unreadable";
        QTest::newRow("read-only project folder") << "read-only folder";
    }

    void filesThatCannotBeCopied()
    {
        QFETCH(QString, kind);
        test::TempHome home;
        const QByteArray path = QFile::encodeName(project());
        if (kind == "folder")
            QVERIFY(QDir().mkpath(project()));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        else if (kind == "link")
            QCOMPARE(::symlink("/nowhere/Anlage.mdb", path.constData()), 0);
        else
            test::writeProject(project(), test::Layout::Version8);
        if (kind == "unreadable") {
            ::chmod(path.constData(), 0);
            if (::access(path.constData(), R_OK) == 0)
                QSKIP("this user reads files regardless of their permissions");
        }
        std::optional<test::ReadOnlyFolder> readOnly;
        if (kind == "read-only folder" && !readOnly.emplace(ProgramFolder::projectsDir()).active())
            QSKIP("the project folder cannot be made read-only here");

        test::ScriptedOperator op;
        QVERIFY(MakeWorkCopy(QStringLiteral("Anlage.mdb"), op).name.isEmpty());
        QCOMPARE(op.asked().size(), 1);
        QCOMPARE(op.asked().first().message, accessDeniedMessage());
        QCOMPARE(op.texts().first(),
                 QString("Die ausgewählte Projektdatei kann nicht geöffnet werden.\r\n"
                         "Der Zugriff wurde verweigert.\r\n\r\n"
                         "Es besteht die Möglichkeit, daß die Datei bereits von\r\n"
                         "einem anderen Programm benutzt wird und damit für jedes\r\n"
                         "weitere Programm gesperrt wurde. Sie kann auch schreib-\r\n"
                         "geschützt sein bzw. sich auf einem schreibgeschützten\r\n"
                         "Datenträger befinden oder Sie haben keine ausreichende\r\n"
                         "Zugriffsberechtigung!"));
        QVERIFY(!QFileInfo::exists(workCopyPath(kWorkCopy)));
    }

    // No room for the work copy (the size limit stands in for a full disk):
    // the operator is told so, not that access was denied, and no piece of a
    // copy stays behind.
    void noRoomForTheWorkCopy()
    {
        test::TempHome home;
        test::writeProject(project(), test::Layout::Version8);
        test::addKeys(project(), 2000);
        test::ScriptedOperator op;
        {
            test::DiskFull full(8192);
            QVERIFY(MakeWorkCopy(QStringLiteral("Anlage.mdb"), op).name.isEmpty());
        }
        QCOMPARE(op.asked().size(), 1);
        QVERIFY2(op.texts().first().startsWith("Die ausgewählte Projektdatei kann nicht geöffnet werden.\r\n"
                                               "Die Datei überschreitet die zulässige Dateigröße."),
                 qPrintable(op.texts().first()));
        QCOMPARE(op.asked().first().message.icon, MessageIcon::Critical);
        QVERIFY(!QFileInfo::exists(workCopyPath(kWorkCopy)));
    }

    void discardRemovesTheEngineSideFiles()
    {
        test::TempHome home;
        test::writeProject(project(), test::Layout::Version8);
        test::ScriptedOperator op;
        MakeWorkCopy(QStringLiteral("Anlage.mdb"), op);
        home.writeFile(QStringLiteral("projekte/~hlvAnlage.tmp-journal"), "stale");
        DiscardWorkCopy(kWorkCopy);
        QCOMPARE(QDir(ProgramFolder::projectsDir()).entryList(QDir::Files), QStringList {"Anlage.mdb"});
    }

    void projectFileFoundWhateverTheCaseOfItsExtension()
    {
        test::TempHome home;
        test::writeProject(ProgramFolder::projectsDir() + QStringLiteral("/Alt.MDB"), test::Layout::Version8);
        QCOMPARE(projectFileName(QStringLiteral("~hlvAlt.tmp")), QString("Alt.MDB"));
        QCOMPARE(projectFileName(QStringLiteral("~hlvNeu.tmp")), QString("Neu.mdb"));
        QCOMPARE(workCopyNameFor(QStringLiteral("Alt.MDB")), QString("~hlvAlt.tmp"));
    }

    // Readers marked for transfer in a work copy; none without a project,
    // no answer for a copy that cannot be read.
    void readersToTransferAreCounted()
    {
        test::ProjectFixture p;
        p.addReader("A", "100", 1, -1, true, 0, true);
        p.addReader("B", "101", 1, -1, true, 0, false);
        p.addReader("C", "102", 1, -1, false, 0, true);
        QCOMPARE(readersToTransfer(test::ProjectFixture::workCopyName()), std::optional<int>(2));
        QCOMPARE(readersToTransfer(QString()), std::optional<int>(0));
        QCOMPARE(readersToTransfer("~hlvfehlt.tmp"), std::optional<int>());
        p.home().writeFile("projekte/~hlvkaputt.tmp", "no database at all");
        QCOMPARE(readersToTransfer("~hlvkaputt.tmp"), std::optional<int>());
    }
};

QTEST_GUILESS_MAIN(TestWorkCopy)
#include "tst_workcopy.moc"
