#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/ReaderOperations.h"
#include "core/model/ReaderQueries.h"


using namespace varnox;

namespace {

const QString kWrongSerial = QStringLiteral(
    "Sie haben eine falsche Seriennummer angegeben! Der Eintrag darf nur einen Wert zwischen 0 und 999999 erhalten.");

ReaderForm completeForm(const QString& serial = QStringLiteral("4711"))
{
    ReaderForm f;
    f.type = 0;
    f.name = QStringLiteral("Haupteingang");
    f.serial = serial;
    f.busPosition = 0;
    f.address = 5;
    f.mode = ReaderMode::Central;
    return f;
}

// The reader of that name, as a click on it in the list loads it.
Reader loaded(const test::ProjectFixture& p, const QString& name)
{
    Reader r;
    const Outcome o = ReaderQueries(p.path()).load(p.value("SELECT Seriennr FROM Leser WHERE Lname = ?", name), r);
    if (!o)
        qWarning("%s", qPrintable(o.message().text));
    return r;
}

// The form a stored reader shows when it is loaded.
ReaderForm formOf(const test::ProjectFixture& p, const QString& name)
{
    const Reader r = loaded(p, name);
    ReaderForm f;
    f.type = r.type;
    f.name = r.name;
    f.serial = r.serial;
    f.busPosition = BusLineList::positionOf(r.busLine);
    f.address = r.address;
    f.mode = r.central ? ReaderMode::Central : ReaderMode::Decentral;
    f.function = r.central ? -1 : r.function - 1;
    f.timeRecording = r.timeRecording;
    f.settings = r.settings;
    return f;
}

}  // namespace

class TestReaderOperations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    // Line 8 is the desk reader's: position 6 is line 7, position 7 line 9.
    void busLinePositionsSkipTheDeskReader()
    {
        QCOMPARE(BusLineList::lineAt(6), 7);
        QCOMPARE(BusLineList::lineAt(7), 9);
        QCOMPARE(BusLineList::positionOf(16), 14);
        QCOMPARE(BusLineList::positionOf(8), -1);
        QCOMPARE(BusLineList::lineAt(15), -1);
    }

    // Filling the page from the top, each step shows the next check's message.
    void createChecksComeInTheirOrder()
    {
        struct Step {
            std::function<void(ReaderForm&)> fill;
            QString text, title, focus;
            bool selectAll;
        };
        const QList<Step> steps = {
            {[](ReaderForm&) {}, "Es muss ein Typ für den Leser ausgewählt werden!", "Typ fehlt", "CmbLesTyp", false},
            {[](ReaderForm& f) { f.type = 0; }, "Geben Sie dem Leser eine Bezeichnung!", "Bezeichnung fehlt", "TxtLesName", false},
            {[](ReaderForm& f) { f.name = "  "; }, "Geben Sie dem Leser eine Bezeichnung!", "Bezeichnung fehlt", "TxtLesName", false},
            {[](ReaderForm& f) { f.name = "Tor"; }, "Geben Sie dem Leser eine Seriennummer!", "Seriennummer fehlt", "TxtLesSn", false},
            {[](ReaderForm& f) { f.serial = "12a"; }, "Die Seriennummer muss ein nummerischer Wert sein!", "Fehler", "TxtLesSn", true},
            {[](ReaderForm& f) { f.serial = "1000000"; }, kWrongSerial, "Fehler", "TxtLesSn", true},
            {[](ReaderForm& f) { f.serial = "99999999999999999999999"; }, kWrongSerial, "Fehler", "TxtLesSn", true},
            {[](ReaderForm& f) { f.serial = "0"; }, "Es muss ein HLV:BUS ausgewählt werden!", "HLV:BUS fehlt", "CmbLesCom", false},
            {[](ReaderForm& f) { f.busPosition = 7; }, "Es muss eine AS-Adresse zugewiesen werden!", "AS-Adresse fehlt", "CmbLesAs", false},
            {[](ReaderForm& f) { f.address = 0; }, "Sie müssen für den Leser einen Modus angeben!", "Modus fehlt", "OptLesModz", false},
            {[](ReaderForm& f) { f.mode = ReaderMode::Decentral; }, "Geben Sie eine Funktion an!", "Funktion fehlt", "CmbLesFkt", false},
        };
        test::ProjectFixture p;
        ReaderOperations ops(p.path());
        ReaderForm form;
        for (const Step& step : steps) {
            step.fill(form);
            QCOMPARE(ops.create(form).message(),
                     test::message(step.text, step.title, MessageIcon::Exclamation, step.focus, step.selectAll));
        }
        QCOMPARE(p.intValue("SELECT count(*) FROM Leser"), 0);
        form.function = 1;
        QVERIFY(ops.create(form));
        QCOMPARE(p.value("SELECT BusID || ',' || AS_adr || ',' || Seriennr || ',' || Zmodus || ',' || Funktion || ',' || Typ FROM Leser"),
                 QStringLiteral("9,0,0,0,2,0"));
    }

    void newReaderStartsWithNoKeysAndMarkedForTransfer()
    {
        test::ProjectFixture p;
        ReaderForm form = completeForm(QStringLiteral("007"));
        form.timeRecording = 2;
        form.settings = ReaderSettings{0, false, true, false};
        QVERIFY(ReaderOperations(p.path()).create(form));
        const Reader r = loaded(p, QStringLiteral("haupteingang"));
        QCOMPARE(QList<QVariant>({ r.serial, r.keyCount, r.modify, r.central, r.function, r.busLine, r.timeRecording }),
            QList<QVariant>({ "7", 0, true, true, 0, 1, 2 }));
        QCOMPARE(r.settings, (ReaderSettings{0, false, true, false}));

        // The same number written with leading zeros is the same reader.
        QCOMPARE(ReaderOperations(p.path()).create(completeForm(QStringLiteral("0007"))).message(),
            test::message("Die eingegebene Seriennummer existiert bereits in der Projektdatenbank!\r\n"
                          "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte.\r\n"
                          "Das Programm lässt zwei Leser mit der gleichen Seriennummer in einer Anlage nicht zu.",
                "Datenbankfehler", MessageIcon::Critical));
        QCOMPARE(p.intValue("SELECT count(*) FROM Leser"), 1);
    }

    void changeChecksComeInTheirOrder()
    {
        test::ProjectFixture p;
        p.addReader("Zentral", "1", 1, 1, true, 251);
        p.addReader("Dezentral", "2", 1, 2, false, 250);
        p.addReader("Grenze", "3", 3, 1, true, 250);
        ReaderOperations ops(p.path());

        ReaderForm f = formOf(p, "Zentral");
        f.name.clear();
        f.address = -1;
        QCOMPARE(ops.change("1", f).message().title, QStringLiteral("Bezeichnung fehlt"));
        f.name = QStringLiteral("Zentral");
        QCOMPARE(ops.change("1", f).message().title, QStringLiteral("AS-Adresse fehlt"));
        f.address = 1;
        f.mode = ReaderMode::Decentral;
        QCOMPARE(ops.change("1", f).message(),
                 test::message("Der Leser ist mit mehr als 250 Schlüssel verknüpft und\r\n"
                          "kann deshalb nicht in den dezentralen Modus umgeschaltet werden.\r\n"
                          "Falls Sie dies ermöglichen wollen,\r\n"
                          "müssen Sie entsprechend viele Verknüpfungen mit Schlüsseln entfernen!",
                          "Fehler", MessageIcon::Exclamation, "OptLesMods"));

        // 250 keys are not too many: the reader switches and keeps them.
        f = formOf(p, "Grenze");
        f.mode = ReaderMode::Decentral;
        f.function = 0;
        QVERIFY(ops.change("3", f));
        QCOMPARE(p.value("SELECT Zmodus || Modify || Funktion || ',' || Sanzahl FROM Leser WHERE Seriennr = '3'"),
            QStringLiteral("011,250"));

        f = formOf(p, "Dezentral");
        f.mode = ReaderMode::Central;
        QCOMPARE(ops.change("2", f).message(),
            test::message("Das Wechseln des Modus von dezentral auf zentral\r\n"
                          "ist leider im Programm nicht möglich!\r\n"
                          "Löschen Sie den Leser und legen Sie einen neuen Eintrag\r\n"
                          "mit der gleichen Seriennummer an.",
                "Nicht möglich!", MessageIcon::Exclamation, "OptLesModz"));
        f.mode = ReaderMode::Decentral;
        f.function = -1;
        QCOMPARE(ops.change("2", f).message().title, QStringLiteral("Funktion fehlt"));
        f.function = 1;
        QVERIFY(ops.change("2", f));
        QCOMPARE(loaded(p, "Dezentral").function, 2);

        QCOMPARE(ops.change("99", f).message().text, QStringLiteral("Der zu ändernde Leser wurde nicht gefunden!"));

        // Only the switch is refused: a decentral reader that assignments
        // pushed beyond 250 keys can still be renamed.
        p.addReader("Voll", "4", 1, 3, false, 251);
        f = formOf(p, "Voll");
        f.name = QStringLiteral("Voll umbenannt");
        QVERIFY(ops.change("4", f));
        QCOMPARE(p.value("SELECT Lname || ',' || Sanzahl FROM Leser WHERE Seriennr = '4'"),
            QStringLiteral("Voll umbenannt,251"));
    }

    // A decentral reader opens at any time with its own function: the switch
    // brings its assignments to that form with the reader, keeping the keys
    // that reach it; a refused switch leaves them as they were.
    void switchToDecentralBringsTheAssignmentsAlong()
    {
        test::ProjectFixture p;
        p.addReader("R", "1", 1, 1, true, 3, false);
        p.addReader("Andere", "2", 1, 2, true, 3, false);
        p.addAssignment("P", "1", "Werktag", "Tür");
        p.addAssignment("Q", "1", "IMMER", "Licht");
        p.addAssignment("P", "2", "Werktag", "Tür");
        const char* assignments
            = "SELECT group_concat(Leser || ':' || Zeitzone || ':' || coalesce(ZFunktion, ''), ',') "
              "FROM (SELECT * FROM Zuleser ORDER BY rowid)";
        ReaderForm f = formOf(p, "R");
        f.mode = ReaderMode::Decentral;
        f.name.clear();
        QVERIFY(!ReaderOperations(p.path()).change("1", f));
        QCOMPARE(p.value(assignments), QStringLiteral("1:Werktag:Tür,1:IMMER:Licht,2:Werktag:Tür"));
        f.name = QStringLiteral("R");
        f.function = 1;
        QVERIFY(ReaderOperations(p.path()).change("1", f));
        QCOMPARE(p.value(assignments), QStringLiteral("1:IMMER:,1:IMMER:,2:Werktag:Tür"));
        QCOMPARE(p.value("SELECT Zmodus || Funktion || Sanzahl || Modify FROM Leser WHERE Seriennr = '1'"),
            QStringLiteral("0231"));
    }

    // "007" kept from an old file and "7" are one number.
    void serialNumbersAreUniqueByValue()
    {
        test::ProjectFixture p;
        p.addReader("Alt", "007", 1, 1);
        p.addReader("Null", "000", 1, 2);
        p.addReader("Neu", "8", 1, 3);
        ReaderOperations ops(p.path());
        for (const char* taken : { "7", "0" })
            QCOMPARE(ops.create(completeForm(taken)).message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(ops.changeSerial("8", "0007").message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(p.intValue("SELECT count(*) FROM Leser"), 3);
        QVERIFY(ops.changeSerial("007", "7"));
        QVERIFY(ops.create(completeForm("70")));
        QCOMPARE(p.value("SELECT group_concat(Seriennr) FROM (SELECT Seriennr FROM Leser ORDER BY rowid)"),
            QStringLiteral("7,000,8,70"));
    }

    // A serial number stored with leading zeros by an older program names the
    // reader in access profiles as it stands; a change must not rewrite it.
    void changeKeepsTheStoredSerialNumberAsItStands()
    {
        test::ProjectFixture p;
        p.addReader("Alt", "007", 1, 1);
        p.linkToProfile("007");
        ReaderForm f = formOf(p, "Alt");
        f.name = QStringLiteral("Alt umbenannt");
        QVERIFY(ReaderOperations(p.path()).change("007", f));
        QCOMPARE(p.value("SELECT Seriennr FROM Leser"), QStringLiteral("007"));
        QCOMPARE(p.intValue("SELECT count(*) FROM Leser, Zuleser WHERE Seriennr = Leser"), 1);
    }

    void modifyFollowsWhatTheReaderHolds_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<bool>("modify");
        QTest::newRow("name") << 0 << false << false;
        QTest::newRow("bus line") << 1 << false << false;
        QTest::newRow("time recording") << 2 << false << false;
        QTest::newRow("relay time") << 3 << false << true;
        QTest::newRow("address") << 4 << false << true;
        QTest::newRow("programming lock") << 5 << false << true;
        QTest::newRow("door opener signal") << 6 << false << true;
        QTest::newRow("audible signal") << 7 << false << true;
        QTest::newRow("mode") << 8 << false << true;
        // A transfer still to come is not forgotten by a rename.
        QTest::newRow("name, transfer pending") << 0 << true << true;
        QTest::newRow("bus line, transfer pending") << 1 << true << true;
    }

    void modifyFollowsWhatTheReaderHolds()
    {
        QFETCH(int, what);
        QFETCH(bool, pending);
        QFETCH(bool, modify);
        test::ProjectFixture p;
        p.addReader("R", "1", 1, 1, true, 0, pending);
        ReaderForm f = formOf(p, "R");
        switch (what) {
        case 0: f.name = QStringLiteral("Neu"); break;
        case 1: f.busPosition = 9; break;
        case 2: f.timeRecording = 1; break;
        case 3: f.settings.rsz = 4; break;
        case 4: f.address = 2; break;
        case 5: f.settings.progSp = false; break;
        case 6: f.settings.toe = false; break;
        case 7: f.settings.akustik = false; break;
        case 8: f.mode = ReaderMode::Decentral, f.function = 0; break;
        }
        QVERIFY(ReaderOperations(p.path()).change("1", f));
        QCOMPARE(p.modify("1"), int(modify));
        QCOMPARE(p.value("SELECT Sanzahl || Seriennr || Typ FROM Leser"), QStringLiteral("010"));
    }

    void doorOpenersFollowAChangedAddress()
    {
        test::ProjectFixture p;
        p.addReader("R", "1", 2, 5, true, 0, true);
        p.addFunction("Tür", 0, "1105", 2);
        p.addFunction("Andere Linie", 0, "1105", 3);
        p.addFunction("Frei", 2, "1105", 2);
        ReaderForm f = formOf(p, "R");
        f.address = 12;
        QVERIFY(ReaderOperations(p.path()).change("1", f));
        QCOMPARE(p.value("SELECT group_concat(Protokoll, ',') FROM (SELECT Protokoll FROM Funktionen ORDER BY rowid)"),
                 QStringLiteral("110C,1105,1105"));
    }

    void addressListOffersTheOwnAddress()
    {
        test::ProjectFixture p;
        p.addReader("A", "1", 1, 0);
        p.addReader("B", "2", 1, 5);
        p.addReader("C", "3", 1, 63);
        p.addReader("Other line", "4", 9, 7);
        ReaderQueries q(p.path());
        QList<int> expected;
        for (int a = 1; a < 63; ++a)
            expected << a;
        QList<int> free;
        QVERIFY(q.freeAddresses(1, 5, free));
        QCOMPARE(free, expected);
        expected.removeOne(5);
        QVERIFY(q.freeAddresses(1, -1, free));
        QCOMPARE(free, expected);
    }

    // A reader named by an access profile keeps its serial number and its row.
    void newSerialNumberAndDelete()
    {
        test::ProjectFixture p;
        p.addReader("A", "1", 1, 1, true, 0, false);
        p.addReader("B", "2", 1, 2, true, 0, false);
        p.linkToProfile("2");
        ReaderOperations ops(p.path());

        const Outcome o = ops.changeSerial("1", "x1");
        QCOMPARE(o.message().focus, QStringLiteral("TxtLesSnNeu"));
        QVERIFY(o.message().selectAll);
        QCOMPARE(ops.changeSerial("1", QString()).message().title, QStringLiteral("Seriennummer fehlt"));
        QCOMPARE(ops.changeSerial("1", "02").message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(ops.changeSerial("2", "3").message(),
                 test::message("Es ist im Augenblick nicht möglich den Eintrag zu ändern,\r\n"
                          "weil der Leser mit mindestens einem Zutrittsprofil verknüpft ist.\r\n\r\n"
                          "Möchten Sie die Änderung durchführen, müssen sie zuvor\r\n"
                          "die Verknüpfung(en) löschen.",
                          "Datenbankfehler", MessageIcon::Critical));
        QCOMPARE(p.value("SELECT Lname FROM Leser WHERE Seriennr = '2'"), QStringLiteral("B"));

        QVERIFY(ops.changeSerial("1", "00815"));
        QCOMPARE(p.value("SELECT Seriennr || ',' || Modify FROM Leser WHERE Lname = 'A'"), QStringLiteral("815,1"));

        QCOMPARE(ops.remove("3").message(),
                 test::message("Der zu löschende Leser wurde nicht gefunden!", "Fehler", MessageIcon::Exclamation));
        QCOMPARE(ops.remove("2").message(),
                 test::message("Es ist im Augenblick nicht möglich den Leser zu löschen,\r\n"
                               "weil er mit mindestens einem Zutrittsprofil verknüpft ist.\r\n\r\n"
                               "Möchten Sie die Aktion durchführen, müssen sie zuvor\r\n"
                               "die Verknüpfung(en) löschen.",
                               "Datenbankfehler", MessageIcon::Critical));
        QVERIFY(ops.remove("815"));
        QCOMPARE(p.value("SELECT group_concat(Lname) FROM Leser"), QStringLiteral("B"));
    }

    void listMarksDecentralReadersAndNamesMayHoldQuotes()
    {
        test::ProjectFixture p;
        ReaderForm f = completeForm();
        f.name = QStringLiteral("O'Brien's \"Tür\"; DROP TABLE Leser");
        QVERIFY(ReaderOperations(p.path()).create(f));
        p.addReader("Lager", "2", 1, 2, false);
        QList<ReaderListEntry> list;
        QVERIFY(ReaderQueries(p.path()).list(list));
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].name, f.name);
        QVERIFY(list[0].central && !list[1].central);
        QCOMPARE(loaded(p, f.name).serial, QStringLiteral("4711"));
    }

};

QTEST_GUILESS_MAIN(TestReaderOperations)
#include "tst_readeroperations.moc"
