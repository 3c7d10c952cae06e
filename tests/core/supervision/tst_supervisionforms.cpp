// The settings windows of the supervision, without windows: what a save
// checks and writes, what showing the stored settings has to say, and the
// check of the backup PC's address.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/supervision/SupervisionForms.h"
#include "core/supervision/SupervisionSettings.h"

#include <QTest>

using namespace varnox;

namespace {

QString rowOf(const test::ProjectFixture& p, const char* name)
{
    return p.value("SELECT Wert || '|' || coalesce(Zeitintervall, 'null') || '|' || coalesce(Funktion, 'null') "
                   "FROM Einstellungen WHERE Bezeichnung = ?",
        name);
}

const QString kChooseTime
    = "Wählen Sie aus der Auswahlbox eine der Standardzeiten aus\r\nund Speichern Sie sie erneut ab.";
const QString kChooseFunction
    = "Wählen Sie aus der Auswahlbox eine der vorhandenen Funktionen aus\r\nund Speichern Sie sie erneut ab.";

} // namespace

class TestSupervisionForms : public QObject {
    Q_OBJECT

private slots:
    // A feature switched on stores its choices; switched off it keeps them.
    // A refused save writes nothing, the rows checked before it included.
    void savesWriteTheRowsOrNothing()
    {
        test::ProjectFixture p;
        QVERIFY(saveBusTab(p.path(), { { true, 20, "Sirene" }, { true, 60, "Puls" } }));
        QVERIFY(saveNetworkTab(p.path(), { true, 25, true, "Sirene", true, "PC 2 schweigt" }));
        QVERIFY(saveRemoteMaintenance(p.path(), { true, 15, "/srv/Anlage.mdb" }));
        QVERIFY(saveBusTab(p.path(), { { false, 0, {} }, { true, 10, "Puls" } }));
        QVERIFY(saveNetworkTab(p.path(), { false, 0, false, {}, false, {} }));
        QVERIFY(saveRemoteMaintenance(p.path(), { false, 0, {} }));
        QCOMPARE(rowOf(p, "Anlagentest"), QString("0|20|Sirene"));
        QCOMPARE(rowOf(p, "Watchdog"), QString("1|10|Puls"));
        QCOMPARE(rowOf(p, "WatchdogNW"), QString("0|25|null"));
        QCOMPARE(rowOf(p, "ErrorMesTxt"), QString("1|null|PC 2 schweigt")); // the tab switched off leaves them
        QCOMPARE(rowOf(p, "Fernwartung"), QString("0|15|/srv/Anlage.mdb"));

        QVERIFY(!saveNetworkTab(p.path(), { true, 5, false, {}, true, {} }));
        QCOMPARE(rowOf(p, "ErrorMesBUS"), QString("1|null|Sirene"));
        QCOMPARE(rowOf(p, "WatchdogNW"), QString("0|25|null"));

        // Null reads as 0 and empty; a project that lacks a row gets it.
        p.exec("UPDATE Einstellungen SET Zeitintervall = NULL, Funktion = NULL WHERE Bezeichnung = 'Watchdog'");
        p.exec("DELETE FROM Einstellungen WHERE Bezeichnung = 'DubbleSave'");
        SupervisionSettings s;
        QVERIFY(readSupervisionSettings(p.path(), s));
        QVERIFY(s.watchdog.on && s.watchdog.interval == 0 && s.watchdog.text.isEmpty() && !s.additionalSave.on);
        QVERIFY(saveAdditionalSaveTab(p.path(), { true, p.home().path() }));
        QCOMPARE(rowOf(p, "DubbleSave"), QString("1|0|") + p.home().path());
    }

    void refusals_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<Message>("expected");
        const auto missing = [](const QString& text, const QString& title, const char* field, bool selectAll = false) {
            return test::message(text, title, MessageIcon::Exclamation, field, selectAll);
        };
        QTest::newRow("system test without interval")
            << 0 << missing("Es muss ein Zeitintervall ausgewählt werden!", "Zeitintervall fehlt", "CmbATZeit");
        QTest::newRow("watchdog without function")
            << 1 << missing("Es muss eine Funktion ausgewählt werden!", "Funktion fehlt", "CmbWDFkt");
        QTest::newRow("network without delay")
            << 2 << missing("Es muss eine Meldeverzögerung ausgewählt werden!", "Zeit fehlt", "CmbWDoNWZeit");
        QTest::newRow("network function without name")
            << 3 << missing("Es muss eine Funktion ausgewählt werden!", "Funktion fehlt", "CmbWDoNWFkt");
        QTest::newRow("network message without text")
            << 4 << missing("Es muss ein Text eingetragen werden!", "Text fehlt", "txtWDoNWMsgBox");
        QTest::newRow("additional save without folder")
            << 5
            << missing("Es muss ein Ort für die zusätzliche Speicherung eingetragen werden!", "Verzeichnis fehlt",
                   "txtDblSave");
        QTest::newRow("additional save to a missing folder")
            << 6
            << missing("Kein Zugriff auf das eingetragene Verzeichnis oder es existiert nicht!",
                   "Verzeichnispfad falsch", "txtDblSave", true);
        QTest::newRow("remote maintenance without file")
            << 7 << missing("Es muss ein Dateipfad ausgewählt werden!", "Dateipfad fehlt", "TxtFWPfad");
    }

    void refusals()
    {
        QFETCH(int, window);
        QFETCH(Message, expected);
        test::ProjectFixture p;
        const QString w = p.path();
        const Outcome outcomes[] = {
            saveBusTab(w, { { true, 0, "F" }, {} }),
            saveBusTab(w, { { true, 10, "F" }, { true, 10, {} } }),
            saveNetworkTab(w, { true, 0, true, {}, true, {} }),
            saveNetworkTab(w, { true, 5, true, {}, true, {} }),
            saveNetworkTab(w, { true, 5, false, {}, true, {} }),
            saveAdditionalSaveTab(w, { true, {} }),
            saveAdditionalSaveTab(w, { true, p.home().file("gone") }),
            saveRemoteMaintenance(w, { true, 1, {} }),
        };
        QVERIFY(!outcomes[window]);
        QCOMPARE(outcomes[window].message(), expected);
    }

    // Nothing stored is no fault; a time not offered or a function that is
    // gone (a deleted or renamed one) is told, by its name.
    void storedSettingsThatCannotBeShown()
    {
        const QStringList functions { "Sirene", "Puls" };
        SupervisionSettings s;
        QVERIFY(busTabWarnings(s, functions).isEmpty());
        QVERIFY(networkTabWarnings(s, functions).isEmpty());
        QVERIFY(!remoteMaintenanceWarning(s));

        s.systemTest = { true, 15, "SIRENE" };
        s.watchdog = { false, 60, "Hupe" };
        s.errorBus = { true, 0, "Blinklicht" };
        s.networkWatchdog = { true, 7, {} };
        s.remoteMaintenance = { true, 7, "x" };
        const auto critical = [](const QString& text) { return test::message(text, "Fehler!", MessageIcon::Critical); };
        QCOMPARE(busTabWarnings(s, functions),
            QList<Message>(
                { critical("Die eingetragene Zeit von 15 Sekunden beim Anlagentest ist falsch!\r\n" + kChooseTime),
                    critical("Die eingetragene Funktion Hupe beim Watchdog existiert\r\n"
                             " nicht mehr in der Projektdatei!\r\n"
                        + kChooseFunction) }));
        QCOMPARE(networkTabWarnings(s, functions),
            QList<Message>(
                { critical("Die gespeicherte Funktion Blinklicht, die im Fehlerfall auf \r\n"
                           "dem HLV:BUS gesendet werden sollte, existiert nicht mehr in der Projektdatei!\r\n"
                      + kChooseFunction),
                    critical("Die für den Watchdog über TCP/IP gespeicherte\r\n Meldeverzögerung ist falsch!\r\n"
                        + kChooseTime) }));
        QCOMPARE(*remoteMaintenanceWarning(s),
            critical("Die eingetragene Zeit von 7 Minuten bei der Fernwartung ist falsch!\r\n" + kChooseTime));
    }

    void ipAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("accepted");
        // Fifteen characters at most; four parts of up to three digits, none above 255.
        for (const char* accepted : { "192.168.1.20", "255.255.255.255" })
            QTest::newRow(accepted) << QString(accepted) << QString(accepted);
        for (const char* refused : { "192.168.1.256", "1.2.3.0004", "10.0.1", "1..3.4", "1,2.3.4.5", "" })
            QTest::addRow("'%s'", refused) << QString(refused) << QString();
    }

    void ipAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, accepted);
        QCOMPARE(checkIpAddress(typed).value_or(QString()), accepted);
    }
};

QTEST_GUILESS_MAIN(TestSupervisionForms)
#include "tst_supervisionforms.moc"
