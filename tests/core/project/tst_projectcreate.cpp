// Creating a project, saving it and saving it under another name: the name
// rules with their messages, what the files hold afterwards, and a save that
// fails leaving the project file as it was.
#include "DiskFull.h"
#include "ProjectWorld.h"
#include "ReadOnlyFolder.h"
#include "core/project/FileTimes.h"
#include "core/project/SafeWrite.h"
#include "core/project/SaveState.h"

#include <QSignalSpy>

using namespace varnox;
using test::ProjectWorld;

namespace {

const QString kForbidden = QStringLiteral("Ein Projektname darf keines der folgenden Zeichen enthalten:\r\n"
                                          "       \\  /  :  *  ?  \"  <  >  |");

const QString kWorkCopy = QStringLiteral("~hlvAnlage.tmp");

const QString kSaveQuestion = QStringLiteral("Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?");
}  // namespace

class TestProjectCreate : public QObject {
    Q_OBJECT

private slots:
    void namesThatAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << "" << "Geben Sie bitte dem Projekt einen Namen!" << "Name fehlt";
        QTest::newRow("blanks") << "   " << "Geben Sie bitte dem Projekt einen Namen!" << "Name fehlt";
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

    // At the very first start there is nothing behind the dialog: giving up
    // the retry asks whether the program should end.
    void failedCreationOffersARetry_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<DialogStep>("step");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("retry") << false << QList {Answer::Yes} << DialogStep::SelectName << QStringList();
        QTest::newRow("give up") << false << QList {Answer::No} << DialogStep::Close << QStringList();
        QTest::newRow("give up at start, end") << true << QList {Answer::No, Answer::Yes} << DialogStep::Close
                                               << QStringList {"terminate"};
        QTest::newRow("give up at start, stay") << true << QList {Answer::No, Answer::No} << DialogStep::Stay
                                                << QStringList();
    }

    void failedCreationOffersARetry()
    {
        QFETCH(bool, atStart);
        QFETCH(QList<Answer>, answers);
        QFETCH(DialogStep, step);
        ProjectWorld w;
        test::writeProject(ProgramFolder::templateFile(), test::Layout::Version8);
        test::execSql(ProgramFolder::templateFile(), "UPDATE Einstellungen SET Versionsnummer = 12");
        w.op.then(Answer::Ok);
        for (const Answer a : answers)
            w.op.then(a);
        QCOMPARE(w.creator.CreateProject("Neu", atStart), step);
        QCOMPARE(w.op.texts().at(1),
                 QString("Bei der Erstellung der neuen Projektdatei ist ein Fehler aufgetreten!\r\n"
                         "Möchten Sie den Vorgang wiederholen?"));
        QCOMPARE(w.op.texts().size(), 1 + answers.size());
        QTEST(w.host.calls, "calls");
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
        QTest::newRow("plain name") << "Kopie" << "Kopie.mdb" << false;
        QTest::newRow("extension in capitals") << "Kopie.MDB" << "Kopie.MDB" << true;
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

        // Typed with the extension in capitals, the name still leads to that file, and the question says so.
        w.op.then(Answer::Yes);
        QCOMPARE(w.creator.SaveAs("Zweig.MDB"), DialogStep::Done);
        QCOMPARE(w.op.texts().last(), w.op.texts().first());
        QCOMPARE(test::projectDigest(w.projectFile("Zweig.mdb")), test::projectDigest(workCopyPath("~hlvZweig.tmp")));
        QCOMPARE(w.session.workCopyName, QString("~hlvZweig.tmp"));
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "Zweig.mdb", "~hlvZweig.tmp"}));
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
        QVERIFY(!IsModified(kWorkCopy));
        QCOMPARE(w.host.calls, QStringList {"additionalSave(~hlvAnlage.tmp)"});
        QCOMPARE(saved, QList<QVariantList>({ { true } }));
        QCOMPARE(ProjectWorld::projectFolder(), QStringList({"Anlage.mdb", "~hlvAnlage.tmp"}));
    }

    // The reason is given in the operator's language; the system's own words
    // may follow it.
    void failedSaveLeavesTheProjectFileAsItWas_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << "disk full"
                                   << "Die Datei überschreitet die zulässige Dateigröße.";  // the limit stands in for it
        QTest::newRow("read-only folder") << "read-only folder" << QString("Der Zugriff wurde verweigert.");
        QTest::newRow("write-protected file") << "write-protected file" << QString("Der Zugriff wurde verweigert.");
        QTest::newRow("folder in the way")
            << "folder in the way" << QString("An der Stelle der Datei liegt ein Ordner.");
    }

    void failedSaveLeavesTheProjectFileAsItWas()
    {
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        ProjectWorld w;
        w.openProject("Anlage");
        test::addKeys(workCopyPath(kWorkCopy), 3000);
        const QString target = w.projectFile("Anlage.mdb");
        const QByteArray before = test::fileBytes(target);
        std::optional<test::DiskFull> diskFull;
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
        QVERIFY2(failure.text.section("\r\n", 1, 1).startsWith(reason), qPrintable(failure.text));
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

QTEST_GUILESS_MAIN(TestProjectCreate)
#include "tst_projectcreate.moc"
