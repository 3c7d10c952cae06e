// Keys: the stored number, the input checks in their order, the profile link
// with the readers' key counts and the 250-key limit of a decentral reader,
// what stays stored when a link is refused; and the fixed period of a key:
// what the dialog proposes from the defaults and the clock, the checks of a
// period, the stored defaults, and label texts that read back in every locale.
#include "FakeClock.h"
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/model/KeyOperations.h"
#include "core/model/KeyValidity.h"
#include "core/model/ValidityText.h"

#include <QScopeGuard>
#include <QTest>

using namespace varnox;

namespace {

KeyForm keyForm(const QString& number, const QString& name, const QString& profile = {})
{
    KeyForm form;
    form.number = number;
    form.name = name;
    form.profile = profile;
    return form;
}

// "Büro" reaches the decentral "Tor Nord" and the central "Empfang"; "Lager"
// reaches the decentral "Halle" and also "Tor Nord".
struct Project : test::ProjectFixture {
    const QString path = ProjectFixture::path();

    Project()
    {
        addProfile("Büro");
        addProfile("Lager");
        addReader("Tor Nord", "100", 1, -1, false);
        addReader("Empfang", "200");
        addReader("Halle", "300", 1, -1, false);
        for (auto [profile, serial] : {std::pair{"Büro", "100"}, {"Büro", "200"}, {"Lager", "300"}, {"Lager", "100"}})
            addAssignment(profile, serial);
    }
    void clearModify() const { exec("UPDATE Leser SET Modify = 0"); }
    void setCount(const char* serial, int count) const
    {
        exec("UPDATE Leser SET Sanzahl = ? WHERE Seriennr = ?", count, serial);
    }
    QString linkOf(const char* number) const { return value("SELECT Profil FROM Zuschluessel WHERE Schluessel = ?", number); }
    QString column(const char* column, const char* number) const
    {
        return value((std::string("SELECT ") + column + " FROM Schluessel WHERE Schluesselnr = ?").c_str(), number);
    }
    int rows(const char* table) const { return intValue((std::string("SELECT count(*) FROM ") + table).c_str()); }
};

QString capacityText(const QString& reader)
{
    return QStringLiteral("Der Schlüssel wurde in die Projektdatei aufgenommen.\r\n"
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

KeyForm withPeriod(KeyForm form, const QDateTime& start, const QDateTime& end)
{
    form.fixedPeriod = true;
    form.startText = validityText(start);
    form.endText = validityText(end);
    return form;
}

const QDateTime kStart(QDate(2027, 1, 4), QTime(7, 30));
const QDateTime kEnd(QDate(2027, 3, 31), QTime(18, 0));

QDateTime dec(int day, int hour, int minute) { return QDateTime(QDate(2026, 12, day), QTime(hour, minute)); }

}  // namespace

class TestKeyOperations : public QObject {
    Q_OBJECT

private slots:
    void numberIsStoredAsTwelveCapitalDigits()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("abc", "Meier", "Büro")).outcome);
        QCOMPARE(p.column("Schluesselnr", "000000000ABC"), QStringLiteral("000000000ABC"));
        QCOMPARE(p.value("SELECT Schluessel FROM Zuschluessel"), QStringLiteral("000000000ABC"));
        QVERIFY(addKey(p.path, keyForm("12345678901234", "  ")).outcome);  // a blank name is a name
        QCOMPARE(p.column("Sname", "345678901234"), QStringLiteral("  "));
    }

    void inputChecksComeInTheirOrder()
    {
        QCOMPARE(checkKeyForm(keyForm("", "")).message().focus, QStringLiteral("TxtKeyBez"));
        QCOMPARE(checkKeyForm(keyForm("", "Meier")).message().title, QStringLiteral("Schlüssel-Nr. fehlt"));
        QCOMPARE(checkKeyForm(withPeriod(keyForm("12:4", "Meier"), kStart, {})).message().title,
                 QStringLiteral("Bedienungsfehler"));
        const Message times = checkKeyForm(withPeriod(keyForm("1", "Meier"), kStart, {})).message();
        QCOMPARE(times.text, QStringLiteral("Sie haben die Funktion \"Fester Zeitraum\" aktiviert.\r\n"
                                            "Hierfür wird die Zeit des Beginns und des Endes der Gültigkeit benötigt.\r\n"
                                            "Zum Erstellen der Zeiten betätigen Sie den Button \"Bearbeiten\"!"));
        QCOMPARE(times.focus, QStringLiteral("cmdZeitAbsolut"));
    }

    // Each write is one transaction: a refused rename takes back the move
    // of the link it came with.
    void duplicateNameChangesNothing()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("A1", "Meier")).outcome);
        QVERIFY(addKey(p.path, keyForm("B2", "Müller", "Büro")).outcome);
        const WriteResult twice = changeKey(p.path, keyForm("B2", "meier", "Lager"));
        QVERIFY(!twice.stored);
        QVERIFY(twice.outcome.message().text.startsWith("Die eingegebene Bezeichnung bzw. Schlüsselnummer existiert bereits"));
        QCOMPARE(p.linkOf("0000000000B2"), QStringLiteral("Büro"));
        QVERIFY(p.miscounted().isEmpty());
    }

    void decentralReaderTakesAtMost250Keys()
    {
        Project p;
        p.addKeys("Büro", 249, 1000000);
        p.setCount("100", 249);
        p.setCount("200", 249);
        p.clearModify();
        QVERIFY(addKey(p.path, keyForm("F1", "Nr. 250", "Büro")).outcome);
        QCOMPARE(p.counted("100"), QStringLiteral("250/1"));
        QCOMPARE(p.counted("200"), QStringLiteral("250/0")); // central: counted, flag untouched

        p.clearModify();
        const WriteResult full = addKey(p.path, keyForm("F2", "Nr. 251", "Büro"));
        QVERIFY(full.stored);
        QCOMPARE(full.outcome.message().text, capacityText("TOR NORD"));
        QCOMPARE(p.column("Sname", "0000000000F2"), QStringLiteral("Nr. 251"));
        QCOMPARE(p.linkOf("0000000000F2"), QStringLiteral("<none>"));
        QCOMPARE(p.counted("100"), QStringLiteral("250/0"));
    }

    void movingKeyBetweenProfiles()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("1A", "Meier", "Büro")).outcome);
        p.clearModify();
        QVERIFY(changeKey(p.path, keyForm("1A", "Meier", "Lager")).outcome);
        QCOMPARE(p.linkOf("00000000001A"), QStringLiteral("Lager"));
        QCOMPARE(p.counted("100"), QStringLiteral("1/1")); // in both profiles: its old count, but marked
        QCOMPARE(QList<int>({ p.keyCount("200"), p.keyCount("300") }), QList<int>({ 0, 1 }));

        KeyForm drop = keyForm("1A", "Meier", "Lager");
        drop.dropProfile = true;
        QVERIFY(changeKey(p.path, drop).outcome);
        QCOMPARE(p.linkOf("00000000001A"), QStringLiteral("<none>"));
        QCOMPARE(p.keyCount("100") + p.keyCount("300"), 0);
    }

    void fullTargetKeepsTheOldLinkButStoresTheFields()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("C1", "Meier", "Büro")).outcome);
        p.addKeys("Lager", 250, 1000000);
        p.setCount("100", 251);
        p.setCount("300", 250);
        KeyForm change = withPeriod(keyForm("C1", "Meier-Lüdenscheid", "Lager"), kStart, kEnd);
        change.shortName = "ML";
        const WriteResult refused = changeKey(p.path, change);
        QVERIFY(refused.stored);
        QCOMPARE(refused.outcome.message().text, capacityText("HALLE"));
        QCOMPARE(p.linkOf("0000000000C1"), QStringLiteral("Büro"));
        QCOMPARE(QList<int>({ p.keyCount("100"), p.keyCount("300") }), QList<int>({ 251, 250 }));
        QCOMPARE(p.column("Sname || '|' || HilfsID || '|' || Endzeit", "0000000000C1"),
            QStringLiteral("Meier-Lüdenscheid|ML|2027-03-31T18:00:00"));

        // A reader in both profiles only trades one key for another: though
        // it holds 250 keys, it does not stop the move.
        p.exec("DELETE FROM Zuleser WHERE Leser = '300'");
        QVERIFY(changeKey(p.path, change).outcome);
        QCOMPARE(p.linkOf("0000000000C1"), QStringLiteral("Lager"));
        QCOMPARE(p.keyCount("100"), 251);
    }

    void emptiedFieldsKeepWhatIsStored()
    {
        Project p;
        KeyForm key = withPeriod(keyForm("D1", "Meier"), kStart, kEnd);
        key.shortName = "M1";
        QVERIFY(addKey(p.path, key).outcome);
        QVERIFY(changeKey(p.path, keyForm("D1", "Meier")).outcome);
        QCOMPARE(p.column("AbsoluteZeit || '|' || Startzeit || '|' || HilfsID", "0000000000D1"),
            QStringLiteral("0|2027-01-04T07:30:00|M1"));
    }

    void removingKeys()
    {
        Project p;
        QVERIFY(addKey(p.path, keyForm("E1", "Meier", "Büro")).outcome);
        QVERIFY(addKey(p.path, keyForm("E2", "Müller", "Büro")).outcome);
        QVERIFY(addKey(p.path, keyForm("E3", "Schulz")).outcome);
        p.clearModify();
        QVERIFY(removeKey(p.path, "0000000000E3").outcome);  // no link: only the key goes
        QCOMPARE(p.counted("100"), QStringLiteral("2/0"));
        QVERIFY(removeKey(p.path, "0000000000E1").outcome);
        QCOMPARE(p.counted("100"), QStringLiteral("1/1"));
        QCOMPARE(p.rows("Schluessel"), 1);

        const WriteResult gone = removeKey(p.path, "0000000000E1");
        QVERIFY(!gone.stored);
        QCOMPARE(gone.outcome.message().text, QStringLiteral("Der zu löschende Schlüssel wurde nicht gefunden!"));
        // A link whose key is already gone is cleared with its counts.
        p.exec("DELETE FROM Schluessel");
        QVERIFY(removeKey(p.path, "0000000000E2").stored);
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
        const WriteResult zero = removeKey(p.path, "00000000002A");
        QVERIFY(zero.stored);
        QCOMPARE(zero.outcome.message().text,
                 QStringLiteral("Die Verknüpfung des Schlüssels mit dem Zutrittsprofil wurde gelöscht.\r\n\r\n"
                                "Allerdings sind dem Leser EMPFANG laut Projektdatei 0\r\n"
                                "Schlüssel zugeordnet, was jedoch offensichtlich ein Fehler ist.\r\n\r\n"
                                "Das Programm versucht diesen Fehler selbständig zu korrigieren.\r\n"
                                "Falls diese Meldung öfter auftritt, sollten Sie sich mit dem Software-\r\n"
                                "entwickler in Verbindung setzen."));
        QCOMPARE(p.rows("Schluessel") + p.rows("Zuschluessel"), 2);
        QVERIFY(p.miscounted().isEmpty());
    }

    void apostrophesAndLookups()
    {
        Project p;
        p.addProfile("O'Neill's");
        p.addAssignment("O'Neill's", "300");
        QVERIFY(addKey(p.path, keyForm("7f", "D'Artagnan", "O'Neill's")).outcome);
        QVERIFY(addKey(p.path, keyForm("8", "Porthos")).outcome);
        QCOMPARE(p.keyCount("300"), 1);

        std::optional<KeyRecord> found;
        QVERIFY(loadKey(p.path, "D'Artagnan", found));
        QCOMPARE(found->number, QStringLiteral("00000000007F"));
        QCOMPARE(found->profile, QStringLiteral("O'Neill's"));
        QVERIFY(lookUpKeyByNumber(p.path, "7F", found));  // as a desk reader may send it
        QCOMPARE(found->name, QStringLiteral("D'Artagnan"));
        QVERIFY(lookUpKeyByNumber(p.path, "FF", found) && !found);
    }

    void proposalFollowsDefaultsAndClock()
    {
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(12, 0, 42)));
        ValidityDefaults d{false, QTime(0, 0), false, QTime(0, 0), true, 7};
        QCOMPARE(proposedPeriod(d, clock).end, dec(12, 12, 0));  // kept to the minute

        // Default times still ahead are taken; passed ones give way to now,
        // the end time only while the end is today.
        d = ValidityDefaults{true, QTime(14, 30), true, QTime(18, 0), false, 0};
        QCOMPARE(proposedPeriod(d, clock).start, dec(5, 14, 30));
        QCOMPARE(proposedPeriod(d, clock).end, dec(5, 18, 0));
        d = ValidityDefaults{true, QTime(8, 0), true, QTime(11, 0), false, 0};
        QCOMPARE(proposedPeriod(d, clock).start, dec(5, 12, 0));
        QCOMPARE(proposedPeriod(d, clock).end, dec(5, 12, 0));
        d.endDaysOn = true;
        d.endDays = 3;
        QCOMPARE(proposedPeriod(d, clock).end, dec(8, 11, 0));

        // A key that has a period shows it, not the defaults.
        const ValidityPeriod shown = initialPeriod(d, true, validityText(dec(1, 6, 15)), validityText(dec(2, 7, 45)), clock);
        QCOMPARE(shown.start, dec(1, 6, 15));
        QCOMPARE(shown.end, dec(2, 7, 45));
        QCOMPARE(initialPeriod(d, false, validityText(dec(1, 6, 15)), validityText(dec(2, 7, 45)), clock).end, dec(8, 11, 0));
    }

    void endBeforeStartIsCheckedFirst()
    {
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(12, 0, 30)));
        QCOMPARE(checkPeriod({dec(5, 12, 0), dec(5, 11, 59)}, clock).message().text,
                 QStringLiteral("Endzeit liegt vor der Startzeit!"));
        QCOMPARE(checkPeriod({dec(5, 11, 0), dec(5, 11, 59)}, clock).message().text,
                 QStringLiteral("Endzeit liegt bereits in der Vergangenheit!"));
        QVERIFY(checkPeriod({dec(5, 12, 0), dec(5, 12, 0)}, clock));
    }

    // A start or end the clock skips when it is put forward is refused once
    // and moved to the first minute that exists; the repeated hour in autumn
    // exists and stands.
    void skippedTimesMoveToTheFirstValidMinute_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("start"); // wall-clock times, read in `zone`
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("focus"); // empty: taken over as picked
        QTest::addColumn<QDateTime>("moved");
        const auto at = [](int month, int day, int hour, int minute) {
            return QDateTime(QDate(2027, month, day), QTime(hour, minute), Qt::UTC);
        };
        QTest::newRow("start in the gap")
            << QByteArray("Europe/Berlin") << at(3, 28, 2, 30) << at(3, 29, 8, 0) << "DTPicker1" << at(3, 28, 3, 0);
        QTest::newRow("end in the gap") << QByteArray("Europe/Berlin") << at(3, 27, 8, 0) << at(3, 28, 2, 0)
                                        << "DTPicker3" << at(3, 28, 3, 0);
        QTest::newRow("both: start first")
            << QByteArray("Europe/Berlin") << at(3, 28, 2, 0) << at(3, 28, 2, 59) << "DTPicker1" << at(3, 28, 3, 0);
        QTest::newRow("half-hour gap") << QByteArray("Australia/Lord_Howe") << at(10, 3, 2, 10) << at(10, 4, 8, 0)
                                       << "DTPicker1" << at(10, 3, 2, 30);
        QTest::newRow("repeated hour") << QByteArray("Europe/Berlin") << at(10, 31, 2, 30) << at(10, 31, 2, 45)
                                       << QString() << QDateTime();
        QTest::newRow("just before the gap")
            << QByteArray("Europe/Berlin") << at(3, 28, 1, 59) << at(3, 28, 3, 0) << QString() << QDateTime();
    }

    void skippedTimesMoveToTheFirstValidMinute()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QString, focus);
        QFETCH(QDateTime, moved);
        const QByteArray kept = qgetenv("TZ");
        qputenv("TZ", zone);
        const auto restore = qScopeGuard([&] { kept.isNull() ? qunsetenv("TZ") : qputenv("TZ", kept); });
        const test::FakeClock clock(QDateTime(QDate(2027, 3, 1), QTime(12, 0)));
        PickedPeriod picked { start.date(), start.time(), end.date(), end.time() };
        ValidityPeriod period;
        const Outcome o = takeOverPeriod(picked, clock, period);
        QCOMPARE(o.message().focus, focus);
        if (focus.isEmpty()) {
            QCOMPARE(period.start, QDateTime(start.date(), start.time()));
            QCOMPARE(period.end, QDateTime(end.date(), end.time()));
            return;
        }
        const bool startMoved = focus == QLatin1String("DTPicker1");
        QCOMPARE(startMoved ? picked.startDate : picked.endDate, moved.date());
        QCOMPARE(startMoved ? picked.startTime : picked.endTime, moved.time());
        // Taken over again, the moved time stands.
        QVERIFY(takeOverPeriod(picked, clock, period).message().focus != focus);
        if (QTest::currentDataTag() == QByteArray("start in the gap"))
            QCOMPARE(o.message(),
                test::message("Die Startzeit " + validityText(start.date(), start.time())
                        + " gibt es nicht, weil die Uhr in dieser Nacht vorgestellt wird.\r\n"
                          "Die erste gültige Zeit danach, "
                        + validityText(QDateTime(moved.date(), moved.time()))
                        + ", wurde eingetragen.\r\n"
                          "Prüfen Sie sie und betätigen Sie erneut den Button \"Übernehmen\".",
                    "Ungültige Zeit", MessageIcon::Exclamation, "DTPicker1"));
    }

    void defaultsAreStoredInTheirEightRows()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        p.exec("DELETE FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'");
        const ValidityDefaults d{true, QTime(7, 45), true, QTime(17, 5), true, 30};
        QVERIFY(writeValidityDefaults(path, d));
        ValidityDefaults read;
        QVERIFY(readValidityDefaults(path, read));
        QCOMPARE(read, d);
        QCOMPARE(p.intValue("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardEndeMinute'"), 5);
        QCOMPARE(p.intValue("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 30);
    }

    void labelTextsReadBackExactly_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"de_DE", "en_US", "fr_FR", "ja_JP", "C"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void labelTextsReadBackExactly()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        for (const QDateTime& t : {dec(31, 23, 59), QDateTime(QDate(2099, 1, 2), QTime(0, 5)), QDateTime(QDate(1999, 7, 14), QTime(12, 0))}) {
            const QString text = validityText(t, l);
            QVERIFY2(text.contains(QString::number(t.date().year())), qPrintable(text));
            QCOMPARE(parseValidityText(text, l), std::optional<QDateTime>(t));
        }
    }
};

QTEST_MAIN(TestKeyOperations)
#include "tst_keyoperations.moc"
