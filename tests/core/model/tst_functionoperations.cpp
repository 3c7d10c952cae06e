#include "ProjectFixture.h"
#include "core/lang/Texts.h"
#include "core/model/FunctionOperations.h"
#include "core/model/FunctionProtocol.h"

#include <QTest>

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
        QCOMPARE(FunctionProtocol::doorOpener(5), QStringLiteral("1105"));
        QCOMPARE(FunctionProtocol::doorOpener(12), QStringLiteral("110C"));
        QCOMPARE(FunctionProtocol::doorOpener(0), QStringLiteral("1100"));
        QCOMPARE(FunctionProtocol::doorOpener(63), QStringLiteral("113F"));
        QCOMPARE(FunctionProtocol::control(123456, 3), QStringLiteral("61E24003"));
        QCOMPARE(FunctionProtocol::control(0, 1), QStringLiteral("60000001"));
        QCOMPARE(FunctionProtocol::control(999999, 200), QStringLiteral("6F423FC8"));
        QCOMPARE(FunctionProtocol::free(QStringLiteral("ab12")), QStringLiteral("AB12"));

        QCOMPARE(FunctionProtocol::doorOpenerAddress(QStringLiteral("113F")), 63);
        QCOMPARE(FunctionProtocol::controlSerial(QStringLiteral("6F423FC8")), 999999);
        QCOMPARE(FunctionProtocol::controlNumber(QStringLiteral("6F423FC8")), 200);
        QCOMPARE(FunctionProtocol::doorOpenerAddress(QStringLiteral("11")), -1);
        QCOMPARE(FunctionProtocol::controlNumber(QStringLiteral("61E240ZZ")), -1);
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
            QCOMPARE(m->title, step.title);
            QCOMPARE(m->focus, step.focus);
            QCOMPARE(m->selectAll, step.selectAll);
            QCOMPARE(m->icon, step.title == "Bedienungsfehler" ? MessageIcon::Critical : MessageIcon::Exclamation);
            texts << m->text;
        }
        QCOMPARE(texts[1], QStringLiteral("Die Bezeichnung der Funktion ist zu lang!\r\nSie darf maximal 50 Zeichen betragen."));
        QCOMPARE(texts[7], QStringLiteral("Sie haben eine falsche Seriennummer angegeben! Der Eintrag darf nur einen Wert zwischen 0 "
                                          "und 999999 erhalten."));
        QCOMPARE(texts[11], QStringLiteral("Die Länge des Protokolls muss genau 8 Zeichen betragen!"));
        QCOMPARE(texts[12], QStringLiteral("Das freie Protokoll darf nur\r\naus den Zeichen von 0 bis 9 und A bis F bestehen!"));
        form.content = QStringLiteral("ab12");
        QVERIFY(!FunctionOperations::check(form));
    }

    void eachKindIsStoredAsItsTelegram()
    {
        test::ProjectFixture p;
        p.addReader(QStringLiteral("Tor"), QStringLiteral("1"), 9, 12);
        FunctionOperations ops(p.path());
        FunctionForm door;
        door.name = QStringLiteral("Tor öffnen");
        door.busPosition = 7;
        door.kind = FunctionKind::DoorOpener;
        door.reader = QStringLiteral("Tor");
        QVERIFY(ops.create(door));
        FunctionForm control;
        control.name = QStringLiteral("Licht");
        control.busPosition = 0;
        control.kind = FunctionKind::Control;
        control.serial = QStringLiteral("0123456");
        control.controlNumber = 2;
        QVERIFY(ops.create(control));
        QVERIFY(ops.create(freeForm(QStringLiteral("Frei"), QStringLiteral("ab12"))));
        QCOMPARE(p.value("SELECT group_concat(FTyp || ':' || Protokoll || '@' || BusID, ',') FROM (SELECT * FROM Funktionen ORDER BY rowid)"),
                 QStringLiteral("0:110C@9,1:61E24003@1,2:AB12@1"));

        door.name = QStringLiteral("Falsche Linie");
        door.busPosition = 0;  // no reader "Tor" on line 1
        QCOMPARE(ops.create(door).message().focus, QStringLiteral("CmbFktnToe"));
    }

    void duplicateNameIsRefused()
    {
        test::ProjectFixture p;
        FunctionOperations ops(p.path());
        QVERIFY(ops.create(freeForm(QStringLiteral("Alarm"), QStringLiteral("1234"))));
        const Outcome o = ops.create(freeForm(QStringLiteral("ALARM"), QStringLiteral("5678")));
        QCOMPARE(o.message().text, QStringLiteral("Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!\r\n"
                                                  "Das Programm lässt zwei Funktionen mit der gleichen Bezeichnung in einer Anlage nicht zu.\r\n"
                                                  "Falls Sie eine bereits vorhandene Funktion ändern wollten, \r\n"
                                                  "nutzen Sie den Button \"Änderungen übernehmen.\""));
        QCOMPARE(o.message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(o.message().icon, MessageIcon::Critical);
        QCOMPARE(o.message().focus, QStringLiteral("TxtFktName"));
        QVERIFY(o.message().selectAll);
        QCOMPARE(p.value("SELECT group_concat(Protokoll) FROM Funktionen"), QStringLiteral("1234"));
    }

    void functionInUseKeepsItsName()
    {
        test::ProjectFixture p;
        p.addFunction(QStringLiteral("Tür"), 2, QStringLiteral("1234"), 1);
        p.linkToProfile(QStringLiteral("1"), QStringLiteral("Tür"));
        FunctionOperations ops(p.path());

        Outcome o = ops.change(QStringLiteral("Tür"), freeForm(QStringLiteral("Tor"), QStringLiteral("1234")));
        QCOMPARE(o.message().text, QStringLiteral("Die ausgewählte Funktion ist mindestens einmal in Benutzung!\r\n"
                                                  "Deshalb kann sie nicht verändert werden.\r\n"
                                                  "Falls Sie die Funktion ändern wollen, müssen Sie zuvor\r\n"
                                                  "sämtliche Verknüpfungen mit der Funktion im Register \"Leserzuordnung\" löschen."));
        QCOMPARE(o.message().title, QStringLiteral("Datenbankfehler"));

        FunctionForm f = freeForm(QStringLiteral("Tür"), QStringLiteral("89abcdef"));
        f.busPosition = 14;
        QVERIFY(ops.change(QStringLiteral("Tür"), f));
        QCOMPARE(p.value("SELECT Protokoll || '@' || BusID FROM Funktionen"), QStringLiteral("89ABCDEF@16"));

        o = ops.remove(QStringLiteral("Tür"));
        QCOMPARE(o.message().text, QStringLiteral("Die ausgewählte Funktion ist mindestens einmal in Benutzung!\r\n"
                                                  "Deshalb kann sie nicht gelöscht werden.\r\n\r\n"
                                                  "Falls Sie die Funktion löschen wollen, müssen Sie zuvor\r\n"
                                                  "sämtliche Verknüpfungen mit der Funktion im Register \"Leserzuordnung\" löschen."));
        QCOMPARE(p.value("SELECT count(*) FROM Funktionen"), QStringLiteral("1"));
    }

    void renameDeleteAndMissingFunctions()
    {
        test::ProjectFixture p;
        p.addFunction(QStringLiteral("Alt"), 2, QStringLiteral("1234"), 1);
        FunctionOperations ops(p.path());
        Outcome o = ops.change(QStringLiteral("Weg"), freeForm(QStringLiteral("Neu"), QStringLiteral("1234")));
        QCOMPARE(o.message().text, QStringLiteral("Sie müssen eine vorhandene Funktion auswählen, bevor Sie sie ändern können!\r\n"
                                                  "Falls Sie eine neue Funktion erstellen wollen, nutzen Sie den Button \"Neu\"."));
        QCOMPARE(o.message().icon, MessageIcon::Critical);
        QVERIFY(ops.change(QStringLiteral("Alt"), freeForm(QStringLiteral("Neu"), QStringLiteral("1234"))));
        QCOMPARE(p.value("SELECT Fname FROM Funktionen"), QStringLiteral("Neu"));
        o = ops.remove(QStringLiteral("Alt"));
        QCOMPARE(o.message().text, QStringLiteral("Die zu löschende Funktion wurde nicht gefunden!"));
        QCOMPARE(o.message().title, QStringLiteral("Fehler"));
        QVERIFY(ops.remove(QStringLiteral("Neu")));
        QCOMPARE(p.value("SELECT count(*) FROM Funktionen"), QStringLiteral("0"));
    }

    void storedFunctionsAreShownAsFarAsTheyFit()
    {
        test::ProjectFixture p;
        p.addReader(QStringLiteral("A"), QStringLiteral("1"), 2, 4);
        p.addReader(QStringLiteral("B"), QStringLiteral("2"), 2, 12);
        p.addFunction(QStringLiteral("Tür B"), 0, QStringLiteral("110C"), 2);
        p.addFunction(QStringLiteral("Tür weg"), 0, QStringLiteral("1105"), 2);
        p.addFunction(QStringLiteral("Licht"), 1, QStringLiteral("6F423FC8"), 9);
        p.addFunction(QStringLiteral("Lang"), 2, QStringLiteral("89ABCDEF"), 1);
        p.addFunction(QStringLiteral("Kaputt"), 2, QStringLiteral("12345"), 1);
        p.addFunction(QStringLiteral("Fremd"), 7, QStringLiteral("1234"), 16);
        FunctionOperations ops(p.path());
        FunctionView v;

        QVERIFY(ops.show(QStringLiteral("tür b"), v));
        QCOMPARE(v.form.name, QStringLiteral("Tür B"));
        QCOMPARE(v.form.kind, FunctionKind::DoorOpener);
        QCOMPARE(v.form.busPosition, 1);
        QCOMPARE(v.readers, (QStringList{"A", "B"}));
        QCOMPARE(v.form.reader, QStringLiteral("B"));
        QCOMPARE(v.address, 12);
        QVERIFY(!v.warning);

        QVERIFY(ops.show(QStringLiteral("Tür weg"), v));
        QVERIFY(v.form.reader.isEmpty());
        QCOMPARE(v.readers.size(), 2);
        QCOMPARE(v.warning->title, QStringLiteral("Datenbankfehler - fehlender Leser"));
        QCOMPARE(v.warning->text, QStringLiteral("Der Leser, der in die Funktion eingebunden wurde, existiert nicht mehr!\r\n"
                                                 "Löschen Sie die fehlerhafte Funktion!\r\n"
                                                 "Falls Sie die Funktion weiterhin nutzen wollen,\r\n"
                                                 "müssen ihr neue Werte zugeordnet werden."));

        QVERIFY(ops.show(QStringLiteral("Licht"), v));
        QCOMPARE(v.form.serial, QStringLiteral("999999"));
        QCOMPARE(v.form.controlNumber, 199);
        QCOMPARE(v.form.busPosition, 7);

        QVERIFY(ops.show(QStringLiteral("Lang"), v));
        QCOMPARE(v.form.length, ProtocolLength::Long);
        QCOMPARE(v.form.content, QStringLiteral("89ABCDEF"));

        QVERIFY(ops.show(QStringLiteral("Kaputt"), v));
        QCOMPARE(v.form.length, ProtocolLength::None);
        QCOMPARE(v.warning->text, QStringLiteral("Die Länge des freien Protokolls ist nicht korrekt!\r\n"
                                                 "Falls Sie die Funktion wieder nutzen wollen,\r\n"
                                                 "müssen ihr neue Werte zugeordnet werden."));
        QCOMPARE(v.warning->title, QStringLiteral("Fehlerhafter Eintrag"));
        QCOMPARE(v.warning->icon, MessageIcon::Exclamation);

        QVERIFY(ops.show(QStringLiteral("Fremd"), v));
        QCOMPARE(v.form.kind, FunctionKind::None);
        QCOMPARE(v.form.busPosition, 14);
        QCOMPARE(v.warning->text, QStringLiteral("Die Funktion besitzt einen falschen Funktionstyp!\r\n"
                                                 "Sie kann nicht vollständig angezeigt werden.\r\n"
                                                 "Falls Sie die Funktion wieder nutzen wollen,\r\n"
                                                 "müssen ihr neue Werte zugeordnet werden."));

        QStringList names;
        QVERIFY(ops.list(names));
        QCOMPARE(names.size(), 6);
        QCOMPARE(names.first(), QStringLiteral("Tür B"));
    }
};

QTEST_GUILESS_MAIN(TestFunctionOperations)
#include "tst_functionoperations.moc"
