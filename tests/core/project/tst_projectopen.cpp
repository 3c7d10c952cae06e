#include "ProjectWorld.h"
#include "core/project/SaveState.h"

#include <QSignalSpy>

using namespace varnox;
using test::ProjectWorld;

namespace {

const QString kSaveQuestion = QStringLiteral("Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?");

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
        QCOMPARE(test::layoutVersion(workCopyPath(w.session.workCopyName)), 8);
        QCOMPARE(w.protocolTexts(), protocol);
        QCOMPARE(w.session.failedLogins, noProjectMessageShown ? failedLogins : 0);
        QVERIFY(!w.session.noProjectMessageShown);
        QCOMPARE(w.host.calls, QStringList({"closeLoginDialog", "fillMainWindow", "startSupervision"}));
        QCOMPARE(saved, QList<QVariantList>({ { true } }));
    }

    void nothingSelected()
    {
        ProjectWorld w;
        QVERIFY(!w.opener.OpenSelected(QString()));
        QCOMPARE(w.op.texts(), QStringList {"Sie müssen eine Datei auswählen,\r\ndie geöffnet werden soll!"});
        QCOMPARE(w.op.asked().first().message.title, QString("Fehler"));
    }

    // Another file that cannot be used, or the open project's own file
    // damaged meanwhile and reopened to drop the changes: the open project
    // stays as it was, changes included.
    void badFileLeavesTheOpenProjectAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("folder");
        const QString damaged = "Das Programm kann die Datei %1 nicht öffnen!\r\n"
                                "Entweder ist sie keine Projektdatei oder sie ist defekt.";
        QTest::newRow("another file") << "Kaputt.mdb" << QStringList {damaged.arg("KAPUTT.MDB")}
                                      << QStringList({"Anlage.mdb", "Kaputt.mdb", "~hlvAnlage.tmp"});
        QTest::newRow("the open one, reopened")
            << "Anlage.mdb" << QStringList({kSaveQuestion, damaged.arg("ANLAGE.MDB")})
            << QStringList({"Anlage.mdb", "~hlvAnlage.tmp"});
    }

    void badFileLeavesTheOpenProjectAsItWas()
    {
        QFETCH(QString, file);
        ProjectWorld w;
        const QString open = w.openProject("Anlage");
        w.change();
        const QByteArray edited = w.workCopyDigest();
        w.home.writeFile("projekte/" + file, QByteArray(5000, '\x7f'));
        w.op.then(Answer::No);
        QVERIFY(!w.opener.OpenSelected(file));
        QTEST(w.op.texts(), "texts");
        QCOMPARE(w.session.workCopyName, open);
        QCOMPARE(w.workCopyDigest(), edited);
        QTEST(ProjectWorld::projectFolder(), "folder");
        QVERIFY(w.host.calls.isEmpty());
    }

    // Names that differ only in the case of the extension would share one
    // work copy: only the file the project name leads to is opened, so that
    // neither is ever saved over the other.
    void extensionsDifferingInCaseAreNotOneProject()
    {
        ProjectWorld w;
        test::writeProject(w.projectFile("Anlage.mdb"), test::Layout::Version8);
        test::writeProject(w.projectFile("Anlage.MDB"), test::Layout::Version8);
        test::addProfile(w.projectFile("Anlage.MDB"), "Nur hier");
        const QByteArray other = test::fileBytes(w.projectFile("Anlage.MDB"));
        const QString refused = "Die Projektdatei \"Anlage.MDB\" kann nicht geöffnet werden.\r\n"
                                "Die Datei \"Anlage.mdb\" im Projektordner trägt denselben Projektnamen; beim "
                                "Speichern würde eine die andere überschreiben.\r\n"
                                "Benennen Sie eine der beiden Dateien um.";
        QVERIFY(!w.opener.OpenSelected("Anlage.MDB"));
        QCOMPARE(w.op.texts(), QStringList {refused});
        QVERIFY(w.session.workCopyName.isEmpty());

        QVERIFY(w.opener.OpenSelected("Anlage.mdb"));
        w.change();
        QVERIFY(!w.opener.OpenSelected("Anlage.MDB"));  // not taken for the open project
        w.op.then(Answer::Yes);
        w.saver.Save();
        QCOMPARE(test::fileBytes(w.projectFile("Anlage.MDB")), other);
        QCOMPARE(test::profileCount(w.projectFile("Anlage.mdb")), 1);
        QCOMPARE(w.op.texts(), QStringList({refused, refused, kSaveQuestion}));
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
        QCOMPARE(test::layoutVersion(workCopyPath(open)), 8);
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
