// The windows of the supervision: what "Sicherheit" and "Fernwartung" show
// and save, the address field of the backup PC, the network watchdog's
// error window, and the supervision in a whole program run.
#include "FakeSerialPort.h"
#include "PageServices.h"
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "ScriptedOperator.h"
#include "core/lang/Texts.h"
#include "core/project/SaveState.h"
#include "core/supervision/SupervisionSettings.h"
#include "ui/main/FrmMain.h"
#include "ui/supervision/FrmErrMessage.h"
#include "ui/supervision/FrmFernWartung.h"
#include "ui/supervision/FrmSheit.h"
#include "ui/supervision/SupervisionWindows.h"

#include <QTabWidget>

using namespace varnox;
using namespace varnox::test;

namespace {

struct Rig {
    PageServices env;
    FakePortFactory ports;
    FrmMain window { env.services, ports };
    ScriptedOperator op;
    SupervisionWindows supervision { window, env.services, op };

    Rig()
    {
        env.protocol.setSwitches({ 255, false });
        env.project.addFunction("Sirene", 2, "AB12", 1);
        env.project.addFunction("Puls", 2, "CD34", 1);
        supervision.core().network().setPort(0);
        MessageBox::clearShown();
    }
    void store(const char* name, int on, int interval, const QString& text) const
    {
        env.project.exec("UPDATE Einstellungen SET Wert = ?, Zeitintervall = ?, Funktion = ? WHERE Bezeichnung = ?", on,
            interval, text, name);
    }
    QString row(const char* name) const
    {
        return env.project.value("SELECT Wert || '|' || coalesce(Zeitintervall, '') || '|' || coalesce(Funktion, '') "
                                 "FROM Einstellungen WHERE Bezeichnung = ?",
            name);
    }
    QStringList titles() const
    {
        QStringList out;
        for (const Message& m : MessageBox::shown())
            out << m.title;
        return out;
    }
};

} // namespace

class TestSupervisionWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTexts();
        MessageBox::setUnattended(true);
    }
    void cleanup() { QCOMPARE(MessageBox::queuedAnswers(), 0); }

    // Each tab shows what is stored and says what it cannot show (a time
    // not offered, a function deleted since) when it is first shown; saving
    // a tab marks the project changed and starts its features afresh.
    void securitySettingsShowAndSave()
    {
        Rig rig;
        rig.store("Anlagentest", 1, 15, "SIRENE");
        rig.store("Watchdog", 0, 20, "Gelöscht");
        rig.store("ErrorMesBUS", 1, 0, "Hupe");
        rig.store("DubbleSave", 1, 0, rig.env.project.home().path());
        SetSaved(true);
        FrmSheit dialog(rig.env.workCopy, rig.supervision.core());
        QVERIFY(showActive(&dialog));
        QTRY_COMPARE(rig.titles(), QStringList({ "Fehler!", "Fehler!" }));
        QVERIFY(MessageBox::shown()[0].text.contains("15 Sekunden beim Anlagentest"));
        QVERIFY(MessageBox::shown()[1].text.contains("Gelöscht beim Watchdog existiert"));
        QCOMPARE(values(&dialog, { "CheckAT", "CmbATZeit", "CmbATFkt", "CheckWD", "CmbWDZeit", "CmbWDFkt" }),
            QStringList({ "[x]", "", "Sirene", "[ ]", "20", "" }));

        clickExpectingMessage(&dialog, "CmdSheitSave");
        QCOMPARE(MessageBox::shown().last().title, QString("Zeitintervall fehlt"));
        choose(&dialog, "CmbATZeit", "30");
        control<QCheckBox>(&dialog, "CheckWD")->setChecked(true);
        choose(&dialog, "CmbWDFkt", "Puls");
        press(&dialog, "CmdSheitSave");
        QCOMPARE(rig.row("Anlagentest"), QString("1|30|Sirene"));
        QCOMPARE(rig.row("Watchdog"), QString("1|20|Puls"));
        QVERIFY(!SaveState::instance().isSaved());
        QVERIFY(rig.supervision.core().watchdog().running());
        QCOMPARE(rig.supervision.core().systemTest().state(), SystemTest::State::NextReader);

        dialog.tabs().setCurrentIndex(1);
        QCOMPARE(MessageBox::shown().size(), 4);
        QVERIFY(MessageBox::shown().last().text.startsWith("Die gespeicherte Funktion Hupe, die im Fehlerfall auf "));
        dialog.tabs().setCurrentIndex(2);
        QCOMPARE(control<QLineEdit>(&dialog, "txtDblSave")->text(), rig.env.project.home().path());
        dialog.tabs().setCurrentIndex(0);
        QCOMPARE(MessageBox::shown().size(), 4); // said once per opening
    }

    // The address field takes digits, points and commas only; Enter checks
    // the address there and presses no button of the window.
    void addressOfTheBackupPc()
    {
        Rig rig;
        FrmSheit dialog(rig.env.workCopy, rig.supervision.core());
        dialog.tabs().setCurrentIndex(1);
        QVERIFY(showActive(&dialog));
        auto* address = control<QLineEdit>(&dialog, "txtIPAddress");
        address->setFocus();
        QTest::keyClicks(address, "192.168.a0.1x");
        QCOMPARE(address->text(), QString("192.168.0.1"));
        MessageBox::queueAnswer(Answer::Ok);
        QTest::keyClick(address, Qt::Key_Return);
        QCOMPARE(MessageBox::shown().last(),
            Message({ "IP-Adresse=192.168.0.1 ist in Ordnung!", "IP-Check", MessageIcon::Information, {}, false }));
        address->clear();
        QTest::keyClicks(address, "10.0.300.1");
        const qsizetype before = MessageBox::shown().size();
        QTest::keyClick(address, Qt::Key_Enter);
        QCOMPARE(MessageBox::shown().size(), before);
        QCOMPARE(address->selectedText(), QString("10.0.300.1"));
        QVERIFY(dialog.isVisible());
    }

    // The failure message comes up without blocking and not while another
    // window of the program is open; the protocol line is written anyway.
    // Data from the peer closes it; its OK counts the silence afresh.
    void errorWindowOfTheNetworkWatchdog()
    {
        Rig rig;
        rig.store("WatchdogNW", 1, 5, {});
        rig.store("ErrorMesTxt", 1, 0, "PC 2 <b>schweigt</b>");
        rig.supervision.startSupervision();
        NetworkWatchdog& network = rig.supervision.core().network();
        QVERIFY(network.listeningPort() != 0);
        const auto silence = [&] {
            for (int i = 0; i < 2; ++i) {
                rig.env.clock.advanceSecs(5);
                network.receptionCheck().tick();
            }
        };
        FrmErrMessage& window = rig.supervision.errorWindow();
        silence();
        QVERIFY(window.isVisible() && !window.isModal());
        QCOMPARE(window.text(), QString("PC 2 <b>schweigt</b>"));
        press(&window, "OkButton");
        QVERIFY(!window.isVisible());
        QVERIFY(!network.receptionPending());

        QDialog other;
        other.show();
        silence();
        QVERIFY(!window.isVisible());
        QCOMPARE(test::protocolTexts(rig.env.clock.now().date())
                     .count("*** Watchdog über Netzwerk: Kein Empfang vom anderen PC."),
            2);
        other.hide();
        silence();
        QVERIFY(window.isVisible());
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, network.listeningPort());
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 30'000);
    }

    // A whole run: opening the project starts its supervision, the menu
    // items open the windows, and a save whose additional copy fails still
    // saves the project.
    void supervisionInAProgramRun()
    {
        ProgramRunRig r;
        const QString project = r.addProject();
        test::execSql(project,
            "UPDATE Einstellungen SET Wert = 1, Zeitintervall = 10, Funktion = 'Fehlt' "
            "WHERE Bezeichnung = 'Watchdog'");
        test::execSql(project,
            QStringLiteral("UPDATE Einstellungen SET Wert = 1, Funktion = '%1' "
                           "WHERE Bezeichnung = 'DubbleSave'")
                .arg(r.home.file("gone")));
        r.start();
        r.logInAndOpen(Mode::Konfiguration);
        const QString gone = "*** Watchdog: auszuführende Funktion nicht mehr vorhanden!";
        QTRY_VERIFY_WITH_TIMEOUT(r.entries().contains(gone), 30'000);

        whenModal<FrmSheit>([](FrmSheit* d) { press(d, "CmdSheitCancel"); });
        r.window().menuItem("Sicherheit")->trigger();
        whenModal<FrmFernWartung>([](FrmFernWartung* d) { press(d, "CmdFWCancel"); });
        r.window().menuItem("Fernwartung")->trigger();

        test::addProfile(r.home.file("projekte/~hlvAnlage.tmp"));
        SetSaved(false);
        MessageBox::clearShown();
        MessageBox::queueAnswer(Answer::Yes);
        r.window().menuItem("Speichern")->trigger();
        QCOMPARE(MessageBox::shown().size(), 2);
        QCOMPARE(MessageBox::shown().last().title, QString("Zusätzliche Speicherung"));
        QCOMPARE(test::profileCount(project), 1);
    }
};

QTEST_MAIN(TestSupervisionWindows)
#include "tst_supervisionwindows.moc"
