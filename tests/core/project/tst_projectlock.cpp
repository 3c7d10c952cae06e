// The lock of a project: the program holds it from the work copy's making to
// its discarding, and never touches a project whose lock another process
// holds (the command-line tool writing it), neither its work copy nor its file.
#include "MessageCompare.h"
#include "ProjectFiles.h"
#include "ScriptedOperator.h"
#include "TempHome.h"
#include "core/lang/Texts.h"
#include "core/project/ProjectCreator.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/WorkCopy.h"

#include <QLockFile>
#include <QTest>

using namespace varnox;
using namespace varnox::test;

class TestProjectLock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void heldWhileTheWorkCopyLives()
    {
        TempHome home;
        QDir().mkpath(ProgramFolder::projectsDir());
        QVERIFY(writeProjectTemplate(ProgramFolder::projectsDir() + "/Anlage.mdb"));
        ScriptedOperator op;
        const WorkCopy copy = makeCheckedWorkCopy("Anlage.mdb", op);
        QCOMPARE(copy.name, QStringLiteral("~hlvAnlage.tmp"));
        QVERIFY(ProjectLock::isHeld("Anlage"));
        QVERIFY(QFile::exists(ProjectLock::filePath("Anlage")));
        QCOMPARE(ProjectLock::holder("Anlage"), ProjectLock::Holder::Nobody); // this process's own
        DiscardWorkCopy(copy.name);
        QVERIFY(!ProjectLock::isHeld("Anlage"));
        QVERIFY(!QFile::exists(ProjectLock::filePath("Anlage")));
        QVERIFY(op.asked().isEmpty());
    }

    // Another holder, as a tool would be: no work copy is made or replaced,
    // no file saved under the project's name, and the operator is told.
    void anotherHoldersProjectIsLeftAlone()
    {
        TempHome home;
        QDir().mkpath(ProgramFolder::projectsDir());
        const QString file = ProgramFolder::projectsDir() + "/Anlage.mdb";
        QVERIFY(writeProjectTemplate(file));
        const QString workCopy = workCopyPath("~hlvAnlage.tmp");
        QVERIFY(QFile::copy(file, workCopy));
        addProfile(workCopy); // the other holder's changes
        const QByteArray fileBytes = varnox::test::fileBytes(file);
        const QByteArray copyBytes = varnox::test::fileBytes(workCopy);
        QLockFile other(ProjectLock::filePath("Anlage"));
        QVERIFY(other.tryLock(0));

        ScriptedOperator op;
        QVERIFY(makeCheckedWorkCopy("Anlage.mdb", op, LeftBehind::Replace).name.isEmpty());
        QString created;
        QVERIFY(!writeNewProjectFile(file, ProgramFolder::templateFile(), true, op, &created));
        const Message inUse = ProjectLock::inUseMessage("Anlage", ProjectLock::Holder::Program);
        QCOMPARE(op.asked().size(), 2);
        QCOMPARE(op.asked()[0].message, inUse);
        QCOMPARE(op.asked()[1].message, inUse);
        QCOMPARE(varnox::test::fileBytes(file), fileBytes);
        QCOMPARE(varnox::test::fileBytes(workCopy), copyBytes);
        QVERIFY(!ProjectLock::isHeld("Anlage"));

        other.unlock();
        QVERIFY(!makeCheckedWorkCopy("Anlage.mdb", op, LeftBehind::Replace).name.isEmpty());
    }
};

QTEST_MAIN(TestProjectLock)
#include "tst_projectlock.moc"
