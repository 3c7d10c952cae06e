// varnoxctl's add, change and remove: the pages' checks and outcomes, each
// kind of refusal with its own exit status, and what a change leaves as it
// was stored.
#include "CtlProject.h"

#include <QRegularExpression>
#include <QTest>

using namespace varnox::test;

class TestCtlEdit : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // the start of standard error
        const auto row = [](const char* name, QStringList command, int status, const char* message) {
            command.insert(2, QStringLiteral("P"));
            QTest::newRow(name) << command << status << QString::fromUtf8(message);
        };
        row("reader without type", { "add", "reader", "--name", "X", "--serial", "5" }, 6,
            "Es muss ein Typ für den Leser ausgewählt werden!");
        row("serial taken by value",
            { "add", "reader", "--type", "em", "--name", "X", "--serial", "0100", "--bus", "2", "--address", "1",
                "--mode", "central" },
            7, "Die eingegebene Seriennummer existiert bereits");
        row("address taken",
            { "add", "reader", "--type", "em", "--name", "X", "--serial", "5", "--bus", "1", "--address", "2", "--mode",
                "central" },
            7, "Die AS-Adresse 2 ist auf Bus 01 bereits vergeben.");
        row("bus line 8",
            { "add", "reader", "--type", "em", "--name", "X", "--serial", "5", "--bus", "8", "--address", "2", "--mode",
                "central" },
            6, "Es muss ein HLV:BUS ausgewählt werden!");
        row("mifare decentral",
            { "add", "reader", "--type", "mifare", "--name", "X", "--serial", "5", "--bus", "2", "--address", "2",
                "--mode", "decentral", "--function", "control" },
            6, "Ein Mifare-Leser arbeitet immer im Zentralmodus.");
        row("decentral to central", { "change", "reader", "--serial", "100", "--mode", "central" }, 6,
            "Das Wechseln des Modus von dezentral auf zentral");
        row("switch asks first",
            { "change", "reader", "--serial", "200", "--mode", "decentral", "--function", "door-opener" }, 12,
            "Im dezentralen Modus gilt ein Leser");
        row("reader in use", { "remove", "reader", "--serial", "100" }, 8,
            "Es ist im Augenblick nicht möglich den Leser");
        row("no such reader", { "remove", "reader", "--serial", "999" }, 9,
            "Der zu löschende Leser wurde nicht gefunden!");
        row("function name too long",
            { "add", "function", "--name", QString(51, 'f'), "--bus", "1", "--kind", "free", "--length", "short",
                "--content", "AB12" },
            6, "Die Bezeichnung der Funktion ist zu lang!");
        row("function in use", { "remove", "function", "--name", "tür" }, 8, "Die ausgewählte Funktion ist mindestens");
        row("reserved zone", { "add", "zone", "--name", "Immer", "--mo1", "08:00-12:00" }, 6,
            "Diese Bezeichnung ist reserviert");
        row("overlap", { "add", "zone", "--name", "Z", "--mo1", "08:00-12:00", "--mo2", "11:45-16:00" }, 6,
            "Zeitraum 1 und 2 vom Montag dürfen sich nicht überschneiden!");
        row("end without start", { "add", "zone", "--name", "Z", "--di3", "-12:00" }, 6,
            "Sie haben eine Endzeit eingetragen, ohne eine Startzeit anzugeben.");
        row("profile twice", { "add", "profile", "--name", "büro" }, 7,
            "Die eingegebene Bezeichnung existiert bereits");
        row("profile in use", { "remove", "profile", "--name", "Lager" }, 8,
            "Das ausgewählte Zutrittsprofil ist mindestens");
        row("profile name too long", { "add", "profile", "--name", QString(51, 'p') }, 6,
            "Die Bezeichnung ist zu lang!");
        row("assigned already", { "add", "assignment", "--profile", "Büro", "--reader", "100" }, 7,
            "Der Leser ist diesem Zutrittsprofil bereits zugeordnet.");
        row("unknown zone", { "change", "assignment", "--profile", "Büro", "--reader", "200", "--zone", "Nachts" }, 9,
            "Die Zeitzone \"Nachts\" gibt es in der Projektdatei nicht.");
        row("decentral assignment",
            { "change", "assignment", "--profile", "Büro", "--reader", "100", "--zone", "Immer" }, 6,
            "Der von Ihnen ausgewählte Leser arbeitet im dezentralen Modus.");
        row("key without name", { "add", "key", "--number", "1" }, 6, "Geben Sie dem Schlüssel eine Bezeichnung!");
        row("unknown profile", { "add", "key", "--number", "1", "--name", "A", "--profile", "X" }, 9,
            "Das Zutrittsprofil \"X\" gibt es in der Projektdatei nicht.");
        row("no such key", { "remove", "key", "--number", "77" }, 9,
            "Der zu löschende Schlüssel wurde nicht gefunden!");
        row("unknown option", { "add", "profile", "--name", "A", "--colour", "red" }, 2,
            "varnoxctl: Unbekannte Option für diesen Befehl: --colour");
        row("value of a list", { "add", "reader", "--mode", "both" }, 2,
            "varnoxctl: \"both\" ist keine gültige Angabe für --mode.");
        row("time off the list", { "add", "zone", "--name", "Z", "--mo1", "08:10-12:00" }, 2,
            "varnoxctl: \"08:10-12:00\" ist keine gültige Angabe für --mo1.");
        row("missing field", { "remove", "profile" }, 2, "varnoxctl: Es fehlt: --name");
    }

    void refusals()
    {
        QFETCH(QStringList, command);
        QFETCH(int, status);
        QFETCH(QString, message);
        static const CtlHome ctl;
        static const bool made = makeProject(ctl, "P");
        QVERIFY(made);
        const QByteArray before = fileBytes(ctl.project("P"));
        const CtlResult r = ctl(command);
        QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
        QCOMPARE(r.status, status);
        QCOMPARE(fileBytes(ctl.project("P")), before);
    }

    // A change takes what the command line gives and keeps what it leaves out.
    void changesKeepWhatIsNotGiven()
    {
        const CtlHome ctl;
        QVERIFY(makeProject(ctl, "P"));
        QCOMPARE(ctl({ "add", "key", "P", "--number", "ab", "--name", "Anna", "--short-name", "A", "--profile", "Büro",
                         "--start", "2027-01-04T07:30", "--end", "2027-03-01 18:00" })
                     .status,
            0);
        QCOMPARE(ctl({ "change", "key", "P", "--number", "AB", "--name", "Anna Meier" }).status, 0);
        QCOMPARE(ctl({ "export", "keys", "P" }).out.split("\r\n")[1],
            QStringLiteral("0000000000AB,Anna Meier,A,Büro,2027-01-04T07:30:00,2027-03-01T18:00:00"));
        QCOMPARE(ctl({ "change", "key", "P", "--number", "AB", "--drop-profile", "--no-period" }).status, 0);
        QCOMPARE(ctl({ "export", "keys", "P" }).out.split("\r\n")[1], QStringLiteral("0000000000AB,Anna Meier,A,,,"));

        QCOMPARE(
            ctl({ "change", "reader", "P", "--serial", "200", "--name", "Foyer", "--relay-time", "10" }).status, 0);
        QCOMPARE(
            ctl({ "add", "zone", "P", "--name", "Werktag", "--mo1", "07:00-24:00", "--fr2", "00:00-06:15" }).status, 0);
        QCOMPARE(
            ctl({ "change", "zone", "P", "--name", "werktag", "--new-name", "Arbeitstag", "--mo1", "-" }).status, 0);
        const QString zones = ctl({ "list", "zones", "P", "--format", "json" }).out;
        QVERIFY(zones.contains("\"fr2\": \"00:00-06:15\"") && zones.contains("\"mo1\": \"\""));
        QCOMPARE(
            ctl({ "change", "assignment", "P", "--profile", "Büro", "--reader", "200", "--zone", "Arbeitstag" }).status,
            0);
        QVERIFY(ctl({ "list", "assignments", "P" })
                    .out.contains(QRegularExpression("Büro +200 +Foyer +Arbeitstag +Tür\n")));

        // The switch to decentral replaces that choice: asked first, done with --yes.
        const QStringList decentral
            = { "change", "reader", "P", "--serial", "200", "--mode", "decentral", "--function", "control" };
        QCOMPARE(ctl(decentral).status, 12);
        QCOMPARE(ctl(decentral + QStringList { "--yes" }).status, 0);
        const QString readers = ctl({ "list", "readers", "P", "--format", "csv" }).out;
        QVERIFY2(readers.contains("\r\n200,Foyer,em,1,2,decentral,control,0,yes,10,yes,yes,yes,none\r\n"),
            qPrintable(readers));
        QVERIFY(ctl({ "list", "assignments", "P" }).out.contains(QRegularExpression("Büro +200 +Foyer +IMMER *\n")));
    }
};

QTEST_MAIN(TestCtlEdit)
#include "tst_ctledit.moc"
