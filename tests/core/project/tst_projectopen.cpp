#include "ProjectWorld.h"
#include "core/project/Database.h"
#include "core/project/SaveState.h"

#include <QSignalSpy>

using namespace varnox;
using test::ProjectWorld;

namespace {

int version(const QString& path)
{
    Database db(path, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), "SELECT Versionsnummer FROM Einstellungen WHERE Bezeichnung = 'Version'");
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

}  // namespace

class TestProjectOpen : public QObject {
    Q_OBJECT

private slots:
    void startPaths_data()
    {
        QTest::addColumn<bool>("givenAtStart");
        QTest::addColumn<bool>("anyProject");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("protocol");
        QTest::newRow("command line") << true << true << Mode::Beobachtung
                                      << QStringList {"fillMainWindow", "startSupervision"}
                                      << QStringList {"Ohne Anmeldung --> Beobachtungsmodus"};
        QTest::newRow("projects, standard") << false << true << Mode::Standard
                                            << QStringList {"hideLoginDialog", "showProjectDialog(0)"} << QStringList();
        QTest::newRow("projects, configuration")
            << false << true << Mode::Konfiguration << QStringList {"hideLoginDialog", "showProjectDialog(1)"}
            << QStringList();
        QTest::newRow("none, configuration")
            << false << false << Mode::Konfiguration << QStringList {"hideLoginDialog", "showNewProjectDialog(1)"}
            << QStringList();
        QTest::newRow("none, monitoring") << false << false << Mode::Beobachtung << QStringList() << QStringList();
    }

    void startPaths()
    {
        QFETCH(bool, givenAtStart);
        QFETCH(bool, anyProject);
        QFETCH(Mode, mode);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, protocol);
        ProjectWorld w;
        QDir(ProgramFolder::projectsDir()).removeRecursively();
        if (anyProject)
            test::writeProject(w.projectFile("Anlage.mdb"), test::Layout::Version8);
        w.session.mode = mode;
        w.session.projectGivenAtStart = givenAtStart;
        w.opener.OpenProjectStart();
        QVERIFY(QFileInfo(ProgramFolder::projectsDir()).isDir());
        QCOMPARE(w.host.calls, calls);
        QCOMPARE(w.protocolTexts(), protocol);
        const bool noProjectMessage = !anyProject && mode != Mode::Konfiguration;
        QCOMPARE(w.session.noProjectMessageShown, noProjectMessage);
        QCOMPARE(w.op.texts(),
                 noProjectMessage ? QStringList {"Es ist keine Projektdatei vorhanden. Sie müssen ein "
                                                 "neues Projekt erstellen,\r\n"
                                                 "um mit dem Programm arbeiten zu können!\r\n"
                                                 "Dies ist jedoch nur im Konfigurationsmodus möglich!"}
                                  : QStringList());
    }

    void firstOpeningWritesTheLogin_data()
    {
        QTest::addColumn<int>("failedLogins");
        QTest::addColumn<bool>("noProjectMessageShown");
        QTest::addColumn<QStringList>("protocol");
        QTest::newRow("first attempt") << 0 << false << QStringList {"Anmeldung im Standardmodus"};
        QTest::newRow("after two failures")
            << 2 << false << QStringList({"Anmeldung 2 mal fehlgeschlagen", "Anmeldung im Standardmodus"});
        QTest::newRow("after the no-project message") << 0 << true << QStringList();
    }

    void firstOpeningWritesTheLogin()
    {
        QFETCH(int, failedLogins);
        QFETCH(bool, noProjectMessageShown);
        QFETCH(QStringList, protocol);
        ProjectWorld w;
        w.session.mode = Mode::Standard;
        w.session.failedLogins = failedLogins;
        w.session.noProjectMessageShown = noProjectMessageShown;
        test::writeProject(w.projectFile("Anlage.mdb"), test::Layout::Version5);
        QSignalSpy saved(&SaveState::instance(), &SaveState::savedChanged);
        QVERIFY(w.opener.OpenSelected("Anlage.mdb"));
        QCOMPARE(w.session.workCopyName, QString("~hlvAnlage.tmp"));
        QCOMPARE(version(workCopyPath(w.session.workCopyName)), 8);
        QCOMPARE(w.protocolTexts(), protocol);
        QCOMPARE(w.session.failedLogins, noProjectMessageShown ? failedLogins : 0);
        QVERIFY(!w.session.noProjectMessageShown);
        QCOMPARE(w.host.calls, QStringList({"closeLoginDialog", "fillMainWindow", "startSupervision"}));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().first().toBool(), true);
    }

    void nothingSelected()
    {
        ProjectWorld w;
        QVERIFY(!w.opener.OpenSelected(QString()));
        QCOMPARE(w.op.texts(), QStringList {"Sie müssen eine Datei auswählen,\r\ndie geöffnet werden soll!"});
        QCOMPARE(w.op.asked().first().message.title, QString("Fehler"));
    }

    void badFileLeavesTheOpenProjectAsItWas()
    {
        ProjectWorld w;
        const QString open = w.openProject("Anlage");
        w.change();
        const QByteArray edited = w.workCopyDigest();
        w.home.writeFile("projekte/Kaputt.mdb", QByteArray(5000, '\x7f'));
        QVERIFY(!w.opener.OpenSelected("Kaputt.mdb"));
        QCOMPARE(w.op.texts(),
                 QStringList {"Das Programm kann die Datei KAPUTT.MDB nicht öffnen!\r\n"
                              "Entweder ist sie keine Projektdatei oder sie ist defekt."});
        QCOMPARE(w.session.workCopyName, open);
        QCOMPARE(w.workCopyDigest(), edited);
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "Kaputt.mdb", "~hlvAnlage.tmp"}));
        QVERIFY(w.host.calls.isEmpty());
    }

    void openingAnotherProjectClosesTheOpenOne()
    {
        ProjectWorld w;
        w.openProject("Anlage");
        w.change();
        const QByteArray edited = w.workCopyDigest();
        test::writeProject(w.projectFile("Zweig.mdb"), test::Layout::Version8);
        w.op.then(Answer::Yes);
        QVERIFY(w.opener.OpenSelected("Zweig.mdb"));
        QCOMPARE(w.op.texts(), QStringList {"Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?"});
        QCOMPARE(test::projectDigest(w.projectFile("Anlage.mdb")), edited);
        QCOMPARE(w.session.workCopyName, QString("~hlvZweig.tmp"));
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "Zweig.mdb", "~hlvZweig.tmp"}));
        QCOMPARE(w.host.calls.first(), QString("additionalSave(~hlvAnlage.tmp)"));
    }

    void reopeningAndDroppingTheChanges_data()
    {
        QTest::addColumn<test::Layout>("layout");
        QTest::newRow("current") << test::Layout::Version8;
        QTest::newRow("version 3") << test::Layout::Version3;
    }

    void reopeningAndDroppingTheChanges()
    {
        QFETCH(test::Layout, layout);
        ProjectWorld w;
        test::writeProject(w.projectFile("Anlage.mdb"), layout);
        QVERIFY(w.opener.OpenSelected("Anlage.mdb"));
        const QString open = w.session.workCopyName;
        w.change();
        w.op.then(Answer::No);
        QVERIFY(w.opener.OpenSelected("Anlage.mdb"));
        QCOMPARE(w.session.workCopyName, open);
        QCOMPARE(test::profileCount(workCopyPath(open)), 0);
        QCOMPARE(version(workCopyPath(open)), 8);
    }

    void cancellingTheProjectDialog_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("question");
        const QString open = "Möchten Sie keine Datei öffnen\r\nund damit das Programm beenden?";
        QTest::newRow("monitoring, yes") << Mode::Beobachtung << Answer::Yes << open;
        QTest::newRow("standard, no") << Mode::Standard << Answer::No << open;
        QTest::newRow("configuration, yes")
            << Mode::Konfiguration << Answer::Yes
            << "Möchten Sie keine Datei öffnen bzw. keine neue Datei erstellen\r\nund damit das Programm beenden?";
    }

    void cancellingTheProjectDialog()
    {
        QFETCH(Mode, mode);
        QFETCH(Answer, answer);
        QFETCH(QString, question);
        ProjectWorld w;
        w.session.mode = mode;
        w.op.then(answer);
        QCOMPARE(w.opener.cancelProjectDialog(), answer == Answer::Yes);
        QCOMPARE(w.op.texts(), QStringList {question});
        QCOMPARE(w.op.asked().first().message.title, QString("Achtung"));
        QCOMPARE(w.host.calls, answer == Answer::Yes ? QStringList {"terminate"} : QStringList());

        ProjectWorld open;
        open.openProject("Anlage");
        QVERIFY(open.opener.cancelProjectDialog());
        QVERIFY(open.op.asked().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProjectOpen)
#include "tst_projectopen.moc"
