// Keys: the stored number, the input checks in their order, the profile link
// with the readers' key counts and the 250-key limit of a decentral reader,
// and what stays stored when a link is refused.
#include "KeyProject.h"
#include "core/model/KeyNumber.h"
#include "core/model/ValidityText.h"

#include <QTest>

using namespace varnox;
using test::keyForm;

namespace {

// Profile "Büro" reaches the decentral "Tor Nord" and the central "Empfang";
// "Lager" reaches the decentral "Halle" and also "Tor Nord".
struct Project : test::KeyProject {
    Project()
    {
        test::insertProfile(path, "Büro");
        test::insertProfile(path, "Lager");
        test::insertProfile(path, "Leer");
        test::insertReader(path, {"Tor Nord", "100", false});
        test::insertReader(path, {"Empfang", "200", true});
        test::insertReader(path, {"Halle", "300", false});
        test::insertAssignment(path, "Büro", "100", "IMMER", "");
        test::insertAssignment(path, "Büro", "200", "IMMER", "Tür");
        test::insertAssignment(path, "Lager", "300", "IMMER", "");
        test::insertAssignment(path, "Lager", "100", "IMMER", "");
    }
    void clearModify() const { test::execSql(path, "UPDATE Leser SET Modify = 0"); }
    void setCount(const char* serial, int count) const
    {
        test::execSql(path, "UPDATE Leser SET Sanzahl = ? WHERE Seriennr = ?", count, serial);
    }
};

QString capacityText(const QString& reader)
{
    return QStringLiteral(
               "Der Schlüssel wurde in die Projektdatei aufgenommen.\r\n"
               "Die Verknüpfung des Schlüssels mit dem Zutrittsprofil kann jedoch nicht erfolgen,\r\n"
               "weil der Leser %1, der dem Profil zugeordnet ist,\r\n"
               "im dezentralen Modus läuft und ihm die maximal erlaubte Anzahl an Schlüsseln (250)\r\n"
               "schon zugewiesen wurde.\r\n"
               "Entweder Sie lösen zuvor eine andere Verknüpfung, die den Leser enthält,\r\n"
               "oder Sie entfernen den genannten Leser aus dem Zutrittsprofil, wobei\r\n"
               "allerdings der Leser in allen Verknüpfungen mit dem Profil verschwindet.\r\n"
               "Welche Schlüssel an welchem Leser Zutritt haben, können Sie sich auf dem\r\n"
               "Register Schlüsselübersicht ansehen.")
        .arg(reader);
}

}  // namespace

class TestKeyOperations : public QObject {
    Q_OBJECT

private slots:
    void numberIsStoredAsTwelveCapitalDigits()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("abc", "Meier", "Büro")).outcome);
        QCOMPARE(p.column("Schluesselnr", "000000000ABC"), QStringLiteral("000000000ABC"));
        QCOMPARE(p.linkOf("000000000ABC"), QStringLiteral("Büro"));
        QCOMPARE(test::textValue(p.path, "SELECT Schluessel FROM Zuschluessel"), QStringLiteral("000000000ABC"));

        QVERIFY(addKey(p.path, keyForm("12345678901234", "  ")).outcome);  // a blank name is a name
        QCOMPARE(p.column("Sname", "345678901234"), QStringLiteral("  "));
        QCOMPARE(p.rows("Schluessel"), 2);
    }

    void inputChecksComeInTheirOrder()
    {
        Project p;
        Outcome check = checkKeyForm(keyForm("", ""));
        QCOMPARE(check.message().text, QStringLiteral("Geben Sie dem Schlüssel eine Bezeichnung!"));
        QCOMPARE(check.message().focus, QStringLiteral("TxtKeyBez"));
        check = checkKeyForm(keyForm("", "Meier"));
        QCOMPARE(check.message().title, QStringLiteral("Schlüssel-Nr. fehlt"));
        QCOMPARE(check.message().focus, QStringLiteral("TxtKeyNr"));
        check = checkKeyForm(keyForm("12:4", "Meier"));
        QCOMPARE(check.message().text, QStringLiteral("Die Nummer des Schlüssels darf nur\r\naus den Zeichen von 0 bis 9 und A bis F bestehen!"));
        QCOMPARE(check.message().icon, MessageIcon::Critical);

        KeyForm fixed = keyForm("1", "Meier");
        fixed.fixedPeriod = true;
        fixed.startText = validityText(QDateTime(QDate(2026, 12, 5), QTime(8, 0)));
        const WriteResult refused = addKey(p.path, fixed);
        QVERIFY(!refused.stored);
        QCOMPARE(refused.outcome.message().text,
                 QStringLiteral("Sie haben die Funktion \"Fester Zeitraum\" aktiviert.\r\n"
                                "Hierfür wird die Zeit des Beginns und des Endes der Gültigkeit benötigt.\r\n"
                                "Zum Erstellen der Zeiten betätigen Sie den Button \"Bearbeiten\"!"));
        QCOMPARE(refused.outcome.message().title, QStringLiteral("Zeiten fehlen"));
        QCOMPARE(refused.outcome.message().focus, QStringLiteral("cmdZeitAbsolut"));
        QCOMPARE(p.rows("Schluessel"), 0);
    }

    void duplicatesAreRefusedAndChangeNothing()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("A1", "Meier")).outcome);
        QVERIFY(addKey(p.path, keyForm("B2", "Müller", "Büro")).outcome);
        WriteResult twice = addKey(p.path, keyForm("a1", "Schulz", "Büro"));
        QVERIFY(!twice.stored);
        QVERIFY(twice.outcome.message().text.startsWith("Die eingegebene Bezeichnung bzw. Schlüsselnummer existiert bereits"));
        QVERIFY(twice.outcome.message().text.endsWith("gleichen Bezeichnung bzw. Schlüsselnummer in einer Anlage nicht zu."));
        QCOMPARE(p.count("100"), 1);

        // Moving the link and renaming to a name in use: neither is kept.
        KeyForm change = keyForm("B2", "meier", "Lager");
        twice = changeKey(p.path, change);
        QVERIFY(!twice.stored);
        QCOMPARE(twice.outcome.message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(p.linkOf("0000000000B2"), QStringLiteral("Büro"));
        QVERIFY(p.miscounted().isEmpty());
    }

    void decentralReaderTakesAtMost250Keys()
    {
        Project p;
        p.fillProfile("Büro", 249);
        p.setCount("100", 249);
        p.setCount("200", 249);
        p.clearModify();
        QVERIFY(addKey(p.path, keyForm("F1", "Nr. 250", "Büro")).outcome);
        QCOMPARE(p.count("100"), 250);
        QCOMPARE(p.modify("100"), 1);
        QCOMPARE(p.count("200"), 250);
        QCOMPARE(p.modify("200"), 0);  // central: counted, flag untouched

        p.clearModify();
        const WriteResult full = addKey(p.path, keyForm("F2", "Nr. 251", "Büro"));
        QVERIFY(full.stored);
        QCOMPARE(full.outcome.message().text, capacityText("TOR NORD"));
        QCOMPARE(full.outcome.message().title, QStringLiteral("Fehler"));
        QCOMPARE(p.column("Sname", "0000000000F2"), QStringLiteral("Nr. 251"));
        QCOMPARE(p.linkOf("0000000000F2"), QStringLiteral("<none>"));
        QCOMPARE(p.count("100"), 250);
        QCOMPARE(p.count("200"), 250);
        QCOMPARE(p.modify("100"), 0);

        // A central reader has no limit.
        test::execSql(p.path, "UPDATE Leser SET Zmodus = 1 WHERE Seriennr = '100'");
        KeyForm link = keyForm("F2", "Nr. 251", "Büro");
        QVERIFY(changeKey(p.path, link).outcome);
        QCOMPARE(p.count("100"), 251);
    }

    void movingKeyBetweenProfiles()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("1A", "Meier", "Büro")).outcome);
        QCOMPARE(p.count("100"), 1);
        p.clearModify();

        QVERIFY(changeKey(p.path, keyForm("1A", "Meier", "Lager")).outcome);
        QCOMPARE(p.linkOf(normalizedNumber("1A")), QStringLiteral("Lager"));
        QCOMPARE(p.count("100"), 1);  // in both profiles: its old count
        QCOMPARE(p.modify("100"), 1);
        QCOMPARE(p.count("200"), 0);
        QCOMPARE(p.count("300"), 1);

        // Same profile again: nothing changes.
        p.clearModify();
        QVERIFY(changeKey(p.path, keyForm("1A", "Meier", "lager")).outcome);
        QCOMPARE(p.modify("100"), 0);

        // Dropping the link lowers the counts.
        KeyForm drop = keyForm("1A", "Meier", "Lager");
        drop.dropProfile = true;
        QVERIFY(changeKey(p.path, drop).outcome);
        QCOMPARE(p.linkOf(normalizedNumber("1A")), QStringLiteral("<none>"));
        QCOMPARE(p.count("100"), 0);
        QCOMPARE(p.count("300"), 0);
        QVERIFY(p.miscounted().isEmpty());
    }

    void fullTargetKeepsTheOldLinkButStoresTheFields()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("C1", "Meier", "Büro")).outcome);
        p.fillProfile("Lager", 250);
        p.setCount("100", 251);
        p.setCount("300", 250);
        QVERIFY(p.miscounted().isEmpty());

        KeyForm change = keyForm("C1", "Meier-Lüdenscheid", "Lager");
        change.shortName = "ML";
        change.fixedPeriod = true;
        change.startText = validityText(QDateTime(QDate(2027, 1, 4), QTime(7, 30)));
        change.endText = validityText(QDateTime(QDate(2027, 3, 31), QTime(18, 0)));
        const WriteResult refused = changeKey(p.path, change);
        QVERIFY(refused.stored);
        QCOMPARE(refused.outcome.message().text, capacityText("HALLE"));
        QCOMPARE(p.linkOf("0000000000C1"), QStringLiteral("Büro"));
        QCOMPARE(p.count("100"), 251);
        QCOMPARE(p.count("300"), 250);
        QCOMPARE(p.column("Sname", "0000000000C1"), QStringLiteral("Meier-Lüdenscheid"));
        QCOMPARE(p.column("HilfsID", "0000000000C1"), QStringLiteral("ML"));
        QCOMPARE(p.column("Startzeit", "0000000000C1"), QStringLiteral("2027-01-04T07:30:00"));
        QCOMPARE(p.column("Endzeit", "0000000000C1"), QStringLiteral("2027-03-31T18:00:00"));

        // A reader in both profiles only trades one key for another: it does
        // not stop a move, though it holds 250 keys.
        test::execSql(p.path, "DELETE FROM Zuleser WHERE Leser = '300'");
        p.setCount("100", 251);
        QVERIFY(changeKey(p.path, change).outcome);
        QCOMPARE(p.linkOf("0000000000C1"), QStringLiteral("Lager"));
        QCOMPARE(p.count("100"), 251);
    }

    void emptiedFieldsKeepWhatIsStored()
    {
        Project p;
        KeyForm key = keyForm("D1", "Meier");
        key.shortName = "M1";
        key.fixedPeriod = true;
        key.startText = validityText(QDateTime(QDate(2027, 1, 4), QTime(7, 30)));
        key.endText = validityText(QDateTime(QDate(2027, 1, 5), QTime(7, 30)));
        QVERIFY(addKey(p.path, key).outcome);
        QCOMPARE(p.column("AbsoluteZeit", "0000000000D1"), QStringLiteral("1"));

        key.shortName.clear();
        key.fixedPeriod = false;
        key.startText.clear();
        key.endText.clear();
        QVERIFY(changeKey(p.path, key).outcome);
        QCOMPARE(p.column("AbsoluteZeit", "0000000000D1"), QStringLiteral("0"));
        QCOMPARE(p.column("Startzeit", "0000000000D1"), QStringLiteral("2027-01-04T07:30:00"));
        QCOMPARE(p.column("Endzeit", "0000000000D1"), QStringLiteral("2027-01-05T07:30:00"));
        QCOMPARE(p.column("HilfsID", "0000000000D1"), QStringLiteral("M1"));
    }

    void removingKeys()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("E1", "Meier", "Büro")).outcome);
        QVERIFY(addKey(p.path, keyForm("E2", "Müller", "Büro")).outcome);
        QVERIFY(addKey(p.path, keyForm("E3", "Schulz")).outcome);
        p.clearModify();

        QVERIFY(removeKey(p.path, "0000000000E3").outcome);  // no link: only the key goes
        QCOMPARE(p.count("100"), 2);
        QCOMPARE(p.modify("100"), 0);

        QVERIFY(removeKey(p.path, "0000000000E1").outcome);
        QCOMPARE(p.count("100"), 1);
        QCOMPARE(p.modify("100"), 1);
        QCOMPARE(p.rows("Schluessel"), 1);

        WriteResult gone = removeKey(p.path, "0000000000E1");
        QVERIFY(!gone.stored);
        QCOMPARE(gone.outcome.message().text, QStringLiteral("Der zu löschende Schlüssel wurde nicht gefunden!"));
        QCOMPARE(gone.outcome.message().title, QStringLiteral("Fehler"));

        // A link whose key is already gone is cleared with its counts.
        test::execSql(p.path, "DELETE FROM Schluessel WHERE Schluesselnr = '0000000000E2'");
        gone = removeKey(p.path, "0000000000E2");
        QVERIFY(gone.stored);
        QCOMPARE(gone.outcome.message().text, QStringLiteral("Der zu löschende Schlüssel wurde nicht gefunden!"));
        QCOMPARE(p.rows("Zuschluessel"), 0);
        QVERIFY(p.miscounted().isEmpty());
    }

    // A reader that claims no keys though a key reaches it shows the counts
    // went wrong before: the key still goes, and the profile's readers are
    // counted afresh rather than left wrong.
    void zeroCountIsReportedAndRepaired()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("2A", "Meier", "Büro")).outcome);
        QVERIFY(addKey(p.path, keyForm("2B", "Müller", "Büro")).outcome);
        p.setCount("200", 0);
        p.setCount("100", 7);

        const WriteResult zero = removeKey(p.path, normalizedNumber("2A"));
        QVERIFY(zero.stored);
        QCOMPARE(zero.outcome.message().text,
                 QStringLiteral("Die Verknüpfung des Schlüssels mit dem Zutrittsprofil wurde gelöscht.\r\n\r\n"
                                "Allerdings sind dem Leser EMPFANG laut Projektdatei 0\r\n"
                                "Schlüssel zugeordnet, was jedoch offensichtlich ein Fehler ist.\r\n\r\n"
                                "Das Programm versucht diesen Fehler selbständig zu korrigieren.\r\n"
                                "Falls diese Meldung öfter auftritt, sollten Sie sich mit dem Software-\r\n"
                                "entwickler in Verbindung setzen."));
        QCOMPARE(p.rows("Schluessel"), 1);
        QCOMPARE(p.rows("Zuschluessel"), 1);
        QCOMPARE(p.count("200"), 1);
        QCOMPARE(p.count("100"), 1);
        QVERIFY(p.miscounted().isEmpty());
    }

    void apostrophesAndLookups()
    {
        Project p;
        test::insertProfile(p.path, "O'Neill's");
        test::insertAssignment(p.path, "O'Neill's", "300", "IMMER", "");
        KeyForm key = keyForm("7f", "D'Artagnan", "O'Neill's");
        key.shortName = "d'A";
        QVERIFY(addKey(p.path, key).outcome);
        QVERIFY(addKey(p.path, keyForm("8", "Porthos")).outcome);
        QCOMPARE(p.count("300"), 1);

        std::optional<KeyRecord> found;
        QVERIFY(loadKey(p.path, "D'Artagnan", found));
        QVERIFY(found);
        QCOMPARE(found->number, QStringLiteral("00000000007F"));
        QCOMPARE(found->shortName, QStringLiteral("d'A"));
        QCOMPARE(found->profile, QStringLiteral("O'Neill's"));
        QVERIFY(lookUpKeyByNumber(p.path, "7F", found));
        QCOMPARE(found->name, QStringLiteral("D'Artagnan"));
        QVERIFY(lookUpKeyByNumber(p.path, "0000000000FF", found));
        QVERIFY(!found);

        QList<KeyEntry> keys;
        QVERIFY(readKeyList(p.path, true, keys));
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].name, QStringLiteral("D'Artagnan"));
        QVERIFY(keys[0].linked);
        QVERIFY(!keys[1].linked);
        QVERIFY(readKeyList(p.path, false, keys));
        QVERIFY(!keys[0].linked);
    }

    void testKeysAllOrNone()
    {
        Project p;
        QVERIFY(createTestKeys(p.path, 12));
        QCOMPARE(p.column("Sname", "000000000011"), QStringLiteral("Schlüssel 000011"));
        QCOMPARE(p.rows("Zuschluessel"), 0);
        test::execSql(p.path, "DELETE FROM Schluessel WHERE Schluesselnr <> '000000000005'");
        const Outcome clash = createTestKeys(p.path, 12);
        QCOMPARE(clash.message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(p.rows("Schluessel"), 1);
    }

private:
    static QString normalizedNumber(const char* entered) { return normalizedKeyNumber(QString::fromLatin1(entered)); }
};

QTEST_MAIN(TestKeyOperations)
#include "tst_keyoperations.moc"
