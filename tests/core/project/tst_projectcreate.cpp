#include "ProjectWorld.h"
#include "core/project/FileTimes.h"
#include "core/project/SaveState.h"

#include <QSignalSpy>
#include <QTest>

using namespace varnox;
using test::ProjectWorld;

namespace {

const QString kForbidden = QStringLiteral("Ein Projektname darf keines der folgenden Zeichen enthalten:\r\n"
                                          "       \\  /  :  *  ?  \"  <  >  |");

}  // namespace

class TestProjectCreate : public QObject {
    Q_OBJECT

private slots:
    void namesThatAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << ""
                               << "Geben Sie bitte dem Projekt einen Namen!"
                               << "Name fehlt";
        QTest::newRow("blanks") << "   "
                                << "Geben Sie bitte dem Projekt einen Namen!"
                                << "Name fehlt";
        for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|", "\t"})
            QTest::addRow("with %s", c) << QStringLiteral("Anlage%1Nord").arg(QLatin1String(c)) << kForbidden
                                        << "Umbennen";
        QTest::newRow("existing, other case of extension") << "Alt"
                                                           << "Der Projektname existiert bereits!"
                                                           << "Umbennen";
    }

    void namesThatAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, title);
        ProjectWorld w;
        test::writeProject(w.projectFile("Alt.MDB"), test::Layout::Version8);
        QCOMPARE(w.creator.CreateProject(name), DialogStep::Stay);
        QCOMPARE(w.op.texts(), QStringList {text});
        QCOMPARE(w.op.asked().first().message.title, title);
        QCOMPARE(ProjectWorld::projectFolder(), QStringList {"Alt.MDB"});
        if (name != "Alt") {  // the same rules hold for a new name under which to save
            w.openProject("Anlage");
            QCOMPARE(w.creator.SaveAs(name), DialogStep::Stay);
            QCOMPARE(w.op.texts().last(), text);
        }
    }

    void newProjectComesFromTheTemplate()
    {
        ProjectWorld w;  // without a template: creating writes it first
        w.openProject("Anlage");
        w.change();
        w.session.failedLogins = 1;
        QSignalSpy saved(&SaveState::instance(), &SaveState::savedChanged);
        w.op.then(Answer::No);
        QCOMPARE(w.creator.CreateProject("Nord'Süd"), DialogStep::Done);
        QCOMPARE(w.op.texts(), QStringList {"Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?"});
        QCOMPARE(w.session.workCopyName, QString("~hlvNord'Süd.tmp"));
        QCOMPARE(test::projectDigest(w.projectFile("Nord'Süd.mdb")),
                 test::projectDigest(ProgramFolder::templateFile()));
        QVERIFY(!IsModified(w.session.workCopyName));
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "Nord'Süd.mdb", "~hlvNord'Süd.tmp"}));
        QCOMPARE(w.protocolTexts(),
                 QStringList({"Anmeldung 1 mal fehlgeschlagen", "Anmeldung im Konfigurationsmodus"}));
        QCOMPARE(w.host.calls, QStringList({"closeLoginDialog", "fillMainWindow", "startSupervision"}));
        QCOMPARE(saved.size(), 1);
    }

    void failedCreationOffersARetry_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<DialogStep>("step");
        QTest::newRow("retry") << Answer::Yes << DialogStep::SelectName;
        QTest::newRow("give up") << Answer::No << DialogStep::Close;
    }

    void failedCreationOffersARetry()
    {
        QFETCH(Answer, answer);
        QFETCH(DialogStep, step);
        ProjectWorld w;
        test::writeProject(ProgramFolder::templateFile(), test::Layout::Version8);
        test::execSql(ProgramFolder::templateFile(), "UPDATE Einstellungen SET Versionsnummer = 12");
        w.op.then(Answer::Ok).then(answer);
        QCOMPARE(w.creator.CreateProject("Neu"), step);
        QCOMPARE(w.op.texts().last(),
                 QString("Bei der Erstellung der neuen Projektdatei ist ein Fehler aufgetreten!\r\n"
                         "Möchten Sie den Vorgang wiederholen?"));
        QCOMPARE(w.op.texts().size(), 2);
        QVERIFY(ProjectWorld::projectFolder().isEmpty());
        QVERIFY(w.session.workCopyName.isEmpty());
    }

    void cancellingTheNewProjectDialog()
    {
        ProjectWorld w;
        QVERIFY(w.creator.cancelNewProject(false));
        QVERIFY(w.op.asked().isEmpty());
        w.op.then(Answer::No).then(Answer::Yes);
        QVERIFY(!w.creator.cancelNewProject(true));
        QVERIFY(w.host.calls.isEmpty());
        QVERIFY(w.creator.cancelNewProject(true));
        QCOMPARE(w.op.texts().first(),
                 QString("Möchten Sie kein neues Projekt erstellen\r\nund damit das Programm beenden?"));
        QCOMPARE(w.op.asked().first().message.title, QString("Achtung"));
        QCOMPARE(w.host.calls, QStringList {"terminate"});
    }

    void saveAsWithAndWithoutChanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("changed");
        QTest::newRow("plain name") << "Kopie"
                                    << "Kopie.mdb" << false;
        QTest::newRow("extension in capitals") << "Kopie.MDB"
                                               << "Kopie.MDB" << true;
    }

    void saveAsWithAndWithoutChanges()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(bool, changed);
        ProjectWorld w;
        w.openProject("Anlage");
        const QByteArray original = test::projectDigest(w.projectFile("Anlage.mdb"));
        if (changed)
            w.change();
        const QByteArray edited = w.workCopyDigest();
        QCOMPARE(w.creator.SaveAs(name), DialogStep::Done);
        QVERIFY(w.op.asked().isEmpty());
        QCOMPARE(w.session.workCopyName, QString("~hlvKopie.tmp"));
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", file, "~hlvKopie.tmp"}));
        QCOMPARE(test::projectDigest(w.projectFile(file)), edited);
        // The old project receives the unsaved changes as well.
        QCOMPARE(test::projectDigest(w.projectFile("Anlage.mdb")), changed ? edited : original);
        QVERIFY(!IsModified(w.session.workCopyName));
        QCOMPARE(w.protocolTexts(), QStringList {"Anmeldung im Konfigurationsmodus"});
        QCOMPARE(w.host.calls, QStringList({"additionalSave(~hlvKopie.tmp)", "fillMainWindow"}));
    }

    void saveAsOntoAnExistingFileAsksFirst()
    {
        ProjectWorld w;
        const QString old = w.openProject("Anlage");
        w.change();
        test::writeProject(w.projectFile("Zweig.mdb"), test::Layout::Version8);
        const QByteArray other = test::fileBytes(w.projectFile("Zweig.mdb"));
        w.op.then(Answer::No);
        QCOMPARE(w.creator.SaveAs("Zweig"), DialogStep::Stay);
        QCOMPARE(w.op.texts(),
                 QStringList {"Die Projektdatei \"Zweig.mdb\" besteht bereits!\r\nMöchten Sie sie ersetzen?"});
        QCOMPARE(w.op.asked().first().message.title, QString("Projekt speichern unter"));
        QCOMPARE(test::fileBytes(w.projectFile("Zweig.mdb")), other);
        QCOMPARE(w.session.workCopyName, old);

        w.op.then(Answer::Yes);
        QCOMPARE(w.creator.SaveAs("Zweig.mdb"), DialogStep::Done);
        QCOMPARE(test::projectDigest(w.projectFile("Zweig.mdb")), test::projectDigest(workCopyPath("~hlvZweig.tmp")));
        QCOMPARE(w.session.workCopyName, QString("~hlvZweig.tmp"));
    }

    void saveAsUnderItsOwnNameSavesInPlace()
    {
        ProjectWorld w;
        const QString open = w.openProject("Anlage");
        w.change();
        w.op.then(Answer::Yes);
        QCOMPARE(w.creator.SaveAs("Anlage"), DialogStep::Done);
        QCOMPARE(w.session.workCopyName, open);
        QVERIFY(QFileInfo::exists(workCopyPath(open)));
        QVERIFY(!IsModified(open));
        QCOMPARE(test::projectDigest(w.projectFile("Anlage.mdb")), w.workCopyDigest());
    }
};

QTEST_GUILESS_MAIN(TestProjectCreate)
#include "tst_projectcreate.moc"
