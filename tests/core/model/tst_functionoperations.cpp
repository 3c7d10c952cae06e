#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/lang/Texts.h"
#include "core/model/FunctionOperations.h"
#include "core/model/FunctionProtocol.h"


using namespace varnox;

namespace {

FunctionForm freeForm(const QString& name, const QString& content)
{
    FunctionForm f;
    f.name = name;
    f.busPosition = 0;
    f.kind = FunctionKind::Free;
    f.length = content.size() == 8 ? ProtocolLength::Long : ProtocolLength::Short;
    f.content = content;
    return f;
}

}  // namespace

class TestFunctionOperations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void telegramTextsAreBuiltAndReadBack()
    {
        for (const auto& [address, text] : { std::pair { 5, "1105" }, { 12, "110C" }, { 0, "1100" }, { 63, "113F" } })
            QCOMPARE(FunctionProtocol::doorOpener(address), text);
        for (const auto& [serial, number, text] :
            { std::tuple { 123456, 3, "61E24003" }, { 0, 1, "60000001" }, { 999999, 200, "6F423FC8" } })
            QCOMPARE(FunctionProtocol::control(serial, number), text);
        QCOMPARE(FunctionProtocol::free("ab12"), "AB12");

        QCOMPARE(FunctionProtocol::doorOpenerAddress("113F"), 63);
        QCOMPARE(FunctionProtocol::controlSerial("6F423FC8"), 999999);
        QCOMPARE(FunctionProtocol::controlNumber("6F423FC8"), 200);
        QCOMPARE(FunctionProtocol::doorOpenerAddress("11"), -1);
        QCOMPARE(FunctionProtocol::controlNumber("61E240ZZ"), -1);
    }

    void checksComeInTheirOrder()
    {
        struct Step {
            std::function<void(FunctionForm&)> fill;
            QString title, focus;
            bool selectAll;
        };
        const QList<Step> steps = {
            {[](FunctionForm&) {}, "Bezeichnung fehlt", "TxtFktName", false},
            {[](FunctionForm& f) { f.name = QString(51, 'x'); }, "Bezeichnung fehlt", "TxtFktName", false},
            {[](FunctionForm& f) { f.name = QString(50, QChar(0x00FC)); }, "HLV:BUS-Nr. fehlt", "CmbFktCom", false},
            {[](FunctionForm& f) { f.busPosition = 14; }, "Funktionstyp fehlt", "OptFktToe", false},
            {[](FunctionForm& f) { f.kind = FunctionKind::DoorOpener; }, "Bezeichnung fehlt", "CmbFktnToe", false},
            {[](FunctionForm& f) { f.kind = FunctionKind::Control; }, "Seriennummer fehlt", "TxtFktSn", false},
            {[](FunctionForm& f) { f.serial = "1e3"; }, "Fehler", "TxtFktSn", true},
            {[](FunctionForm& f) { f.serial = "1000000"; }, "Fehler", "TxtFktSn", true},
            {[](FunctionForm& f) { f.serial = "999999"; }, "Steuerfunktion-Nr. fehlt", "CmbFktStFkt", false},
            {[](FunctionForm& f) { f.kind = FunctionKind::Free; }, "Protokolllänge fehlt", "OptFktFreiK", false},
            {[](FunctionForm& f) { f.length = ProtocolLength::Short, f.content = "ABCDE"; }, "Falsche Protokolllänge", "TxtFktInhalt", true},
            {[](FunctionForm& f) { f.length = ProtocolLength::Long, f.content = "1234567"; }, "Falsche Protokolllänge", "TxtFktInhalt", true},
            {[](FunctionForm& f) { f.length = ProtocolLength::Short, f.content = "AB1G"; }, "Bedienungsfehler", "TxtFktInhalt", true},
        };
        FunctionForm form;
        QStringList texts;
        for (const Step& step : steps) {
            step.fill(form);
            const std::optional<Message> m = FunctionOperations::check(form);
            QVERIFY2(m, qPrintable(step.title));
            const MessageIcon icon
                = step.title == "Bedienungsfehler" ? MessageIcon::Critical : MessageIcon::Exclamation;
            QCOMPARE(*m, test::message(m->text, step.title, icon, step.focus, step.selectAll));
            texts << m->text;
        }
        QCOMPARE(texts[1], "Die Bezeichnung der Funktion ist zu lang!\r\nSie darf maximal 50 Zeichen betragen.");
        QCOMPARE(texts[7], QStringLiteral("Sie haben eine falsche Seriennummer angegeben! Der Eintrag darf nur einen Wert zwischen 0 "
                                          "und 999999 erhalten."));
        QCOMPARE(texts[11], "Die Länge des Protokolls muss genau 8 Zeichen betragen!");
        QCOMPARE(texts[12], "Das freie Protokoll darf nur\r\naus den Zeichen von 0 bis 9 und A bis F bestehen!");
        form.content = "ab12";
        QVERIFY(!FunctionOperations::check(form));
    }

    void eachKindIsStoredAsItsTelegram()
    {
        test::ProjectFixture p;
        p.addReader("Tor", "1", 9, 12);
        FunctionOperations ops(p.path());
        FunctionForm door;
        door.name = "Tor öffnen";
        door.busPosition = 7;
        door.kind = FunctionKind::DoorOpener;
        door.readerSerial = "1";
        QVERIFY(ops.create(door));
        FunctionForm control;
        control.name = "Licht";
        control.busPosition = 0;
        control.kind = FunctionKind::Control;
        control.serial = "0123456";
        control.controlNumber = 2;
        QVERIFY(ops.create(control));
        QVERIFY(ops.create(freeForm("Frei", "ab12")));
        QCOMPARE(p.value("SELECT group_concat(FTyp || ':' || Protokoll || '@' || BusID, ',') FROM (SELECT * FROM Funktionen ORDER BY rowid)"),
                 "0:110C@9,1:61E24003@1,2:AB12@1");

        door.name = "Falsche Linie";
        door.busPosition = 0;  // reader 1 is not on line 1
        QCOMPARE(ops.create(door).message().focus, "CmbFktnToe");

        QCOMPARE(ops.create(freeForm("FREI", "5678")).message(),
                 test::message("Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!\r\n"
                          "Das Programm lässt zwei Funktionen mit der gleichen Bezeichnung in einer Anlage nicht zu.\r\n"
                          "Falls Sie eine bereits vorhandene Funktion ändern wollten, \r\n"
                          "nutzen Sie den Button \"Änderungen übernehmen.\"",
                          "Datenbankfehler", MessageIcon::Critical, "TxtFktName", true));
        QCOMPARE(p.intValue("SELECT count(*) FROM Funktionen"), 3);
    }

    // A function that assignments name keeps its name and its row; its
    // telegram may change. Once free it can be renamed and deleted.
    void functionInUseKeepsItsName()
    {
        test::ProjectFixture p;
        p.addFunction("Tür", 2, "1234", 1);
        p.linkToProfile("1", "Tür");
        FunctionOperations ops(p.path());
        const QString removeLinks
            = "sämtliche Verknüpfungen mit der Funktion im Register \"Leserzuordnung\" löschen.";
        QCOMPARE(ops.change("Tür", freeForm("Tor", "1234")).message(),
                 test::message("Die ausgewählte Funktion ist mindestens einmal in Benutzung!\r\n"
                               "Deshalb kann sie nicht verändert werden.\r\n"
                               "Falls Sie die Funktion ändern wollen, müssen Sie zuvor\r\n" + removeLinks,
                               "Datenbankfehler", MessageIcon::Critical));
        QCOMPARE(ops.remove("Tür").message().text,
                 "Die ausgewählte Funktion ist mindestens einmal in Benutzung!\r\n"
                 "Deshalb kann sie nicht gelöscht werden.\r\n\r\n"
                 "Falls Sie die Funktion löschen wollen, müssen Sie zuvor\r\n" + removeLinks);
        FunctionForm f = freeForm("Tür", "89abcdef");
        f.busPosition = 14;
        QVERIFY(ops.change("Tür", f));
        QCOMPARE(p.value("SELECT Protokoll || '@' || BusID FROM Funktionen"), "89ABCDEF@16");

        p.exec("DELETE FROM Zuleser");
        QCOMPARE(ops.change("Weg", freeForm("Neu", "1234")).message(),
                 test::message("Sie müssen eine vorhandene Funktion auswählen, bevor Sie sie ändern können!\r\n"
                               "Falls Sie eine neue Funktion erstellen wollen, nutzen Sie den Button \"Neu\".",
                               "Datenbankfehler", MessageIcon::Critical));
        QVERIFY(ops.change("Tür", freeForm("Neu", "1234")));
        QCOMPARE(ops.remove("Tür").message(),
                 test::message("Die zu löschende Funktion wurde nicht gefunden!", "Fehler", MessageIcon::Exclamation));
        QVERIFY(ops.remove("Neu"));
        QCOMPARE(p.intValue("SELECT count(*) FROM Funktionen"), 0);
    }

    void storedFunctionsAreShownAsFarAsTheyFit()
    {
        test::ProjectFixture p;
        p.addReader("A", "1", 2, 4);
        p.addReader("A", "2", 2, 12);
        p.addFunction("Tür B", 0, "110C", 2);
        p.addFunction("Tür weg", 0, "1105", 2);
        p.addFunction("Licht", 1, "6F423FC8", 9);
        p.addFunction("Lang", 2, "89ABCDEF", 1);
        p.addFunction("Kaputt", 2, "12345", 1);
        p.addFunction("Fremd", 7, "1234", 16);
        FunctionOperations ops(p.path());
        FunctionView v;

        QVERIFY(ops.show("tür b", v));
        QCOMPARE(v.form.name, "Tür B");
        QCOMPARE(v.form.kind, FunctionKind::DoorOpener);
        QCOMPARE(v.form.busPosition, 1);
        // Of two readers named alike, the one at the telegram's address.
        QCOMPARE(v.readers, (QList<ReaderListEntry>{{"A", "1", true}, {"A", "2", true}}));
        QCOMPARE(v.form.readerSerial, "2");
        QCOMPARE(v.address, 12);
        QVERIFY(!v.warning);

        QVERIFY(ops.show("Tür weg", v));
        QVERIFY(v.form.readerSerial.isEmpty());
        QCOMPARE(v.readers.size(), 2);
        QCOMPARE(v.warning->title, "Datenbankfehler - fehlender Leser");
        QCOMPARE(v.warning->text, QStringLiteral("Der Leser, der in die Funktion eingebunden wurde, existiert nicht mehr!\r\n"
                                                 "Löschen Sie die fehlerhafte Funktion!\r\n"
                                                 "Falls Sie die Funktion weiterhin nutzen wollen,\r\n"
                                                 "müssen ihr neue Werte zugeordnet werden."));

        QVERIFY(ops.show("Licht", v));
        QCOMPARE(v.form.serial, "999999");
        QCOMPARE(v.form.controlNumber, 199);
        QCOMPARE(v.form.busPosition, 7);

        QVERIFY(ops.show("Lang", v));
        QCOMPARE(v.form.length, ProtocolLength::Long);
        QCOMPARE(v.form.content, "89ABCDEF");

        QVERIFY(ops.show("Kaputt", v));
        QCOMPARE(v.form.length, ProtocolLength::None);
        QCOMPARE(*v.warning, test::message("Die Länge des freien Protokolls ist nicht korrekt!\r\n"
                                      "Falls Sie die Funktion wieder nutzen wollen,\r\n"
                                      "müssen ihr neue Werte zugeordnet werden.",
                                      "Fehlerhafter Eintrag", MessageIcon::Exclamation));

        QVERIFY(ops.show("Fremd", v));
        QCOMPARE(v.form.kind, FunctionKind::None);
        QCOMPARE(v.form.busPosition, 14);
        QCOMPARE(v.warning->text, QStringLiteral("Die Funktion besitzt einen falschen Funktionstyp!\r\n"
                                                 "Sie kann nicht vollständig angezeigt werden.\r\n"
                                                 "Falls Sie die Funktion wieder nutzen wollen,\r\n"
                                                 "müssen ihr neue Werte zugeordnet werden."));
    }
};

QTEST_GUILESS_MAIN(TestFunctionOperations)
#include "tst_functionoperations.moc"
