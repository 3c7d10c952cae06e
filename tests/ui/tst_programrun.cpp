// One run of the program from its start to its end: the start with a
// project on the command line, the way out with its questions.
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "core/project/SaveState.h"
#include "core/shell/Version.h"
#include "ui/main/MainPages.h"
#include "ui/reports/FrmKeyAll.h"
#include "ui/reports/FrmKeyList.h"
#include "ui/settings/FrmAllgemein.h"

#include <QAction>

using namespace varnox;
using test::ProgramRunRig;

namespace {

void addReaderWaitingForData(const QString& projectFile)
{
    test::execSql(projectFile, "INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, "
                               "Modify, RSZ, ProgSp, TOE, Akustik, Zeiterfassung) "
                               "VALUES (0, '4711', 'Tor', 1, 5, 0, 1, 0, 1, 3, 1, 1, 1, 0)");
}

const QString kPlainQuestion = QStringLiteral("Möchten Sie das Programm wirklich beenden?");
const QString kTransferTitle = QStringLiteral("Datenübertragung nicht vollständig!");

}  // namespace

class TestProgramRun : public QObject {
    Q_OBJECT

private slots:
    void commandLineProjectOpensInObservationWithoutLogin()
    {
        ProgramRunRig r;
        test::writeProject(r.home.file("projekte/anlage nord.mdb"), test::Layout::Version3);
        r.start("anlage nord.mdb");
        QVERIFY(!r.run->loginDialog().isVisible());
        QVERIFY(r.window().isVisible());
        QCOMPARE(r.run->session().mode, Mode::Beobachtung);
        QCOMPARE(r.window().pages().currentIndex(), 9);
        QCOMPARE(r.window().windowTitle(), "Varnox v" + versionText() + " - Projekt ANLAGE NORD");
        QCOMPARE(r.entries(), QStringList({"Programm gestartet", "Ohne Anmeldung --> Beobachtungsmodus"}));
        // Checked and upgraded like every other opening.
        QCOMPARE(test::layoutVersion(r.home.file("projekte/~hlvanlage nord.tmp")), 8);
        QVERIFY(MessageBox::shown().isEmpty());

        // The project stays the one of this run in every mode.
        r.changeMode(Mode::Konfiguration);
        FrmMain& w = r.window();
        for (const char* item : {"Neues_Projekt", "Projekt_oeffnen", "Speichern_unter"})
            QVERIFY2(!w.menuItem(item)->isEnabled(), item);
        QVERIFY(w.menuItem("Leser")->isEnabled());
        QVERIFY(!w.toolbarButton("Neu")->isVisible() && !w.toolbarButton("Oeffnen")->isVisible());
        QVERIFY(w.toolbarButton("Speichern")->isVisible());
        QCOMPARE(w.pages().currentIndex(), 0);
    }

    void commandLineFileThatFailsGoesOnToTheLogin()
    {
        ProgramRunRig r;
        r.home.writeFile("projekte/kaputt.mdb", "no database at all");
        MessageBox::queueAnswer(Answer::Ok);
        r.start("kaputt.mdb");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(!QFileInfo::exists(r.home.file("projekte/~hlvkaputt.tmp")));
        QVERIFY(r.run->loginDialog().isVisible());
        QVERIFY(!r.window().isVisible());
        QCOMPARE(r.run->session().mode, Mode::None);
        QVERIFY(r.run->session().workCopyName.isEmpty());
    }

    void leftBehindWorkCopyIsKeptWithoutAQuestion()
    {
        ProgramRunRig r;
        const QString project = r.addProject();
        const QString workCopy = r.home.file("projekte/~hlvAnlage.tmp");
        QVERIFY(QFile::copy(project, workCopy));
        test::addProfile(workCopy, "Nachtschicht");
        r.start("Anlage.mdb");
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(r.window().isVisible());
        QCOMPARE(test::profileCount(workCopy, "Nachtschicht"), 1);
        QVERIFY(!SaveState::instance().isSaved());
        QCOMPARE(r.entries(),
                 QStringList({"Programm gestartet", "Nicht gespeicherte Änderungen der Arbeitskopie übernommen: Anlage.mdb",
                              "Ohne Anmeldung --> Beobachtungsmodus"}));
    }

    // Beobachtungsmodus asks plainly although a reader waits for its data;
    // outside it the warning comes first; a confirmed end offers to save.
    void exitQuestionsAndSavingOnTheWayOut()
    {
        ProgramRunRig r;
        addReaderWaitingForData(r.addProject());
        r.start("Anlage.mdb");
        MessageBox::queueAnswer(Answer::No);
        QVERIFY(!r.window().close());
        QCOMPARE(MessageBox::shown().last().text, kPlainQuestion);

        r.changeMode(Mode::Standard);
        MessageBox::queueAnswer(Answer::No);
        r.window().menuItem("Beenden")->trigger();
        QCOMPARE(MessageBox::shown().last().title, kTransferTitle);
        QVERIFY(r.window().isVisible());
        QCOMPARE(r.ends, 0);

        const QString workCopy = r.home.file("projekte/~hlvAnlage.tmp");
        test::addProfile(workCopy, "Reinigung");
        MessageBox::queueAnswer(Answer::Yes);  // end
        MessageBox::queueAnswer(Answer::Yes);  // save
        r.window().toolbarButton("Ende")->trigger();
        QCOMPARE(MessageBox::shown().last().text, QString("Möchten Sie die Änderungen in \"Anlage.mdb\" speichern?"));
        QCOMPARE(r.ends, 1);
        QVERIFY(!r.window().isVisible());
        QCOMPARE(test::profileCount(r.home.file("projekte/Anlage.mdb"), "Reinigung"), 1);
        QVERIFY(!QFileInfo::exists(workCopy));
        QCOMPARE(r.entries().last(), QString("Programm beendet"));
    }

    // The first project cannot be made (a damaged template): giving up the
    // retry at the very first start ends the program cleanly when the
    // operator confirms, instead of leaving it running without a window.
    void firstProjectThatCannotBeMadeEndsTheProgram()
    {
        ProgramRunRig r;
        r.home.writeFile("default.$$$", "no database at all");
        r.start();
        MessageBox::queueAnswer(Answer::No);  // no retry
        MessageBox::queueAnswer(Answer::Yes);  // end the program
        test::whenModal<QDialog>([](QDialog* d) {
            QTest::keyClicks(test::control<QLineEdit>(d, "TxtNewFile"), "Erste");
            test::click(d, "CmdNewFileS");
        });
        test::logIn(&r.run->loginDialog(), Mode::Konfiguration, {});
        QCOMPARE(MessageBox::queuedAnswers(), 0);
        QCOMPARE(r.ends, 1);
        QCOMPARE(r.entries().last(), QString("Programm beendet"));
    }

    void messagesAndCommandsOfTheMenus()
    {
        ProgramRunRig r;
        r.startWithProject(Mode::Konfiguration);
        // A port that failed in the background is reported once the event loop runs.
        const Message portFailed{.text = "COM-3 belegt", .title = "Schnittstellenfehler",
                                 .icon = MessageIcon::Critical, .focus = {}, .selectAll = false};
        emit r.run->services().events.messageRaised(portFailed);
        QVERIFY(MessageBox::shown().isEmpty());
        QTRY_COMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().last(), portFailed);

        test::whenModal<FrmKeyAll>([](FrmKeyAll* window) { window->accept(); });
        r.window().menuItem("Keyliste_drucken")->trigger();
        QCOMPARE(r.entries().last(), QString("Menü 'Schlüsselliste drucken' aufgerufen"));
        test::whenModal<FrmKeyList>([](FrmKeyList* window) { window->accept(); });
        r.window().menuItem("Schluesseluebersicht")->trigger();
        // The monitoring page's print button, with a plain protocol: asked first.
        MessageBox::queueAnswer(Answer::No);
        emit r.window().pages().printRequested();
        QCOMPARE(MessageBox::shown().last().text, QString("Möchten Sie das Tagesprotokoll vom 05.12.2026 drucken?"));
        r.window().menuItem("Info_ueber")->trigger();
        QCOMPARE(MessageBox::shown().last().text,
                 "Varnox\r\nProgramm für Zutrittskontrolle\r\n\r\nVersion: " + versionText());
    }

    // A program that runs for months keeps only the last messages it showed.
    void theRecordOfMessagesIsBounded()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
        for (int i = 0; i < 10 * MessageBox::kRecorded; ++i) {
            MessageBox::queueAnswer(Answer::Ok);
            MessageBox::show(nullptr, {.text = QString::number(i), .title = {}, .icon = MessageIcon::None, .focus = {},
                                       .selectAll = false});
        }
        QCOMPARE(MessageBox::shown().size(), MessageBox::kRecorded);
        QCOMPARE(MessageBox::shown().last().text, QString::number(10 * MessageBox::kRecorded - 1));
    }

    void generalSettingsSwitchTheProtocol()
    {
        ProgramRunRig r;
        r.start();
        FrmAllgemein dialog(r.run->config(), r.run->protocol());
        auto* chkLog = test::control<QCheckBox>(&dialog, "chkLog");
        QVERIFY(chkLog->isChecked());
        chkLog->setChecked(false);
        test::press(&dialog, "cmdCancel");
        QVERIFY(r.run->protocol().recording());
        chkLog->setChecked(false);
        test::press(&dialog, "cmdSave");
        QVERIFY(!r.run->protocol().recording());
        QCOMPARE(r.run->config().readValue("Config", "Recording"), QStringLiteral("0"));
        QCOMPARE(r.entries().last(), QStringLiteral("Protokollierung deaktiviert"));
    }
};

QTEST_MAIN(TestProgramRun)
#include "tst_programrun.moc"
