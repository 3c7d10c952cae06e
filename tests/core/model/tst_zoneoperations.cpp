// Time zones on a real work copy: the checks in their order with their
// messages, what is stored, and the refusals; and what a stored zone covers:
// fixed cases, then random zones against a minute-by-minute reading of the form.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/model/AssignmentOperations.h"
#include "core/model/ZoneForm.h"
#include "core/model/ZoneOperations.h"

#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

Q_DECLARE_METATYPE(varnox::ZoneForm)

namespace {

constexpr int h(int hours, int minutes = 0) { return hours * 60 + minutes; }

struct At {
    int period;
    int day;
    PeriodTimes times;
};

ZoneForm zone(const QString& name, std::initializer_list<At> periods)
{
    ZoneForm form;
    form.name = name;
    for (const At& at : periods)
        form.at(at.period, at.day) = at.times;
    return form;
}

QString overlapText(const char* pair, const char* day)
{
    return QStringLiteral("Zeitraum %1 vom %2 dürfen sich nicht überschneiden!\r\nKorrigieren Sie bitte den Fehler!")
        .arg(QLatin1String(pair), QLatin1String(day));
}

int zoneCount(const test::ProjectFixture& p) { return p.intValue("SELECT count(*) FROM Zeitzonen"); }

// What the form means, read minute by minute: start <= t < end, 24:00 the end of the day.
bool formCovers(const ZoneForm& form, int day, int minute)
{
    for (int period = 0; period < kZonePeriods; ++period) {
        const PeriodTimes& p = form.at(period, day);
        if (p.start != kNoTime && p.start <= minute && minute < p.end)
            return true;
    }
    return false;
}

// A random form of quarter-hour periods, each used or not; periods may be
// out of order or overlap, as stored rows from elsewhere might.
ZoneForm randomForm(QRandomGenerator& random)
{
    ZoneForm form;
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            if (random.bounded(3) == 0)
                continue;
            const int start = startMinutesAt(random.bounded(1, 97));
            const int end = endMinutesAt(random.bounded(1, 97));
            form.at(period, day) = {start, end};
        }
    }
    return form;
}

}  // namespace

class TestZoneOperations : public QObject {
    Q_OBJECT

private slots:
    void periodChecks_data()
    {
        QTest::addColumn<ZoneForm>("form");
        QTest::addColumn<QString>("text");  // empty: accepted
        QTest::addColumn<QString>("focus");
        const QString wrongMonday = QStringLiteral("Die Zeitangabe vom Montag der Zeitraum 1 ist fehlerhaft.");
        QTest::newRow("whole day") << zone("z", {{0, 0, {0, kEndOfDay}}}) << QString() << QString();
        QTest::newRow("last quarter") << zone("z", {{0, 0, {h(23, 45), kEndOfDay}}}) << QString() << QString();
        QTest::newRow("empty period") << zone("z", {{0, 0, {h(10), h(10)}}}) << wrongMonday << "Combo2_7";
        QTest::newRow("end before start") << zone("z", {{0, 0, {h(12), h(8)}}}) << wrongMonday << "Combo2_7";
        QTest::newRow("adjacent") << zone("z", {{0, 2, {h(8), h(12)}}, {1, 2, {h(12), h(16)}}}) << QString() << QString();
        QTest::newRow("overlapping") << zone("z", {{0, 2, {h(8), h(12)}}, {1, 2, {h(11, 45), h(16)}}})
                                     << overlapText("1 und 2", "Mittwoch") << "Combo2_16";
        QTest::newRow("nested") << zone("z", {{3, 4, {h(8), h(12)}}, {1, 4, {h(10), h(11)}}})
                                << overlapText("2 und 4", "Freitag") << "Combo2_46";
        QTest::newRow("equal") << zone("z", {{2, 6, {h(7), h(9)}}, {3, 6, {h(7), h(9)}}})
                               << overlapText("3 und 4", "Sonntag") << "Combo2_48";
        QTest::newRow("overlap up to midnight")
            << zone("z", {{0, 5, {h(22), kEndOfDay}}, {2, 5, {h(23, 45), kEndOfDay}}}) << overlapText("1 und 3", "Samstag")
            << "Combo2_33";
        QTest::newRow("start without end")
            << zone("z", {{0, 0, {h(8), h(12)}}, {1, 3, {h(8), kNoTime}}})
            << QStringLiteral("Sie haben eine Startzeit eingetragen, ohne eine Endzeit anzugeben.") << "Combo2_24";
        QTest::newRow("end without start")
            << zone("z", {{0, 0, {h(8), h(12)}}, {3, 6, {kNoTime, h(12)}}})
            << QStringLiteral("Sie haben eine Endzeit eingetragen, ohne eine Startzeit anzugeben.") << "Combo2_48";
        // Period 1 on Sunday is checked before period 2 on Monday, and every
        // period by itself before any overlap.
        QTest::newRow("order of periods")
            << zone("z", {{1, 0, {h(9), h(8)}}, {0, 6, {h(9), h(8)}}})
            << QStringLiteral("Die Zeitangabe vom Sonntag der Zeitraum 1 ist fehlerhaft.") << "Combo2_13";
        QTest::newRow("single before overlap")
            << zone("z", {{0, 0, {h(8), h(12)}}, {1, 0, {h(9), h(10)}}, {3, 6, {kNoTime, h(3)}}})
            << QStringLiteral("Sie haben eine Endzeit eingetragen, ohne eine Startzeit anzugeben.") << "Combo2_48";
    }

    void periodChecks()
    {
        QFETCH(ZoneForm, form);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        test::ProjectFixture p;
        const QString path = p.path();
        const Outcome outcome = createZone(path, form);
        QCOMPARE(outcome.message().text, text);
        QCOMPARE(outcome.message().focus, focus);
        QCOMPARE(zoneCount(p), text.isEmpty() ? 2 : 1);
        if (!text.isEmpty())
            QCOMPARE(outcome.message().icon, MessageIcon::Exclamation);
    }

    void storesAndLoadsBack()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        const ZoneForm form = zone("Büro", {{0, 0, {0, kEndOfDay}}, {1, 4, {h(23, 45), kEndOfDay}}, {3, 6, {h(8), h(12, 15)}}});
        QVERIFY(createZone(path, form));
        QCOMPARE(
            p.value("SELECT MoSzeit1 || '-' || MoEzeit1 || ' ' || FrSzeit2 || '-' || FrEzeit2 || ' ' || SoSzeit4 || "
                    "'-' || SoEzeit4 || ' ' || DiSzeit1 || '-' || DiEzeit1 FROM Zeitzonen WHERE Tname = ?",
                "büro"),
            "00:00:00-00:00:00 23:45:00-00:00:00 08:00:00-12:15:00 11:11:11-11:11:11");
        ZoneForm loaded;
        QVERIFY(loadZone(path, QStringLiteral("BÜRO"), loaded));
        QCOMPARE(loaded, form);

        QVERIFY(loadZone(path, QStringLiteral("immer"), loaded));
        QCOMPARE(loaded.name, QStringLiteral("Immer"));

        // A change rewrites the chosen zone under its new name.
        const ZoneForm night = zone("Nacht", {{1, 0, {h(20), kEndOfDay}}});
        QVERIFY(changeZone(path, "büro", night));
        QVERIFY(loadZone(path, "Nacht", loaded));
        QCOMPARE(loaded, night);
        QCOMPARE(zoneCount(p), 2);
    }

    void namesAndTheAlwaysZone()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        const ZoneForm day = zone("Tag", {{0, 0, {h(8), h(17)}}});
        QCOMPARE(createZone(path, zone("", {})).message(),
            test::message("Geben Sie der Zeitzone eine Bezeichnung!", "Bezeichnung fehlt", MessageIcon::Exclamation,
                "TxtZeitBez"));
        QCOMPARE(createZone(path, zone("immer", {})).message(),
            test::message("Diese Bezeichnung ist reserviert und darf für eine Zeitzone nicht verwendet werden!",
                "Varnox", MessageIcon::Exclamation, "TxtZeitBez", true));
        QVERIFY(createZone(path, day));
        Outcome o = createZone(path, zone("TAG", {}));
        QCOMPARE(o.message().text, QStringLiteral("Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!\r\n"
                                                  "Das Programm lässt zwei Zeitzonen mit der gleichen Bezeichnung in einer Anlage nicht zu.\r\n"
                                                  "Falls Sie eine bereits vorhandene Zeitzone ändern wollten, nutzen Sie den Button \"Änderungen übernehmen\""));
        QCOMPARE(o.message().icon, MessageIcon::Critical);

        o = changeZone(path, QStringLiteral("Immer"), zone("Immer", {}));
        QCOMPARE(o.message().text, QStringLiteral("Diese Zeitzone darf nicht verändert werden! Das Programm\r\n"
                                                  "benötigt sie für die Konfiguration von dezentralen Lesern."));
        // Renaming another zone to the reserved name is refused as well.
        o = changeZone(path, QStringLiteral("Tag"), zone("IMMER", {}));
        QCOMPARE(o.message().text, QStringLiteral("Diese Bezeichnung ist reserviert und darf für eine Zeitzone nicht verwendet werden!"));
        o = changeZone(path, QString(), zone("Nacht", {}));
        QCOMPARE(o.message().text, QStringLiteral("Sie müssen eine vorhandene Zeitzone auswählen, bevor Sie sie ändern können!\r\n"
                                                  "Falls Sie eine neue Zeitzone erstellen wollen, nutzen Sie den Button \"Neu\""));
        o = deleteZone(path, QStringLiteral("iMMER"));
        QCOMPARE(o.message().text, QStringLiteral("Diese Zeitzone darf nicht gelöscht werden! Das Programm\r\n"
                                                  "benötigt sie für die Konfiguration von dezentralen Lesern."));
        QCOMPARE(deleteZone(path, QString()).message().text, QStringLiteral("Geben Sie die zu löschende Zeitzone an!"));
        QCOMPARE(deleteZone(path, "Nirgends").message().text, QStringLiteral("Die zu löschende Zeitzone wurde nicht gefunden!"));
        QCOMPARE(zoneCount(p), 2);
        QCOMPARE(p.value("SELECT MoSzeit1 FROM Zeitzonen WHERE Tname = 'Immer'"), "00:00:00");
        QVERIFY(deleteZone(path, "TAG"));
        QCOMPARE(zoneCount(p), 1);
    }

    // "ımmer" (dotless i) is not the always-zone for the project's own name
    // comparison, so it is an ordinary zone everywhere: listed, loaded,
    // offered once beside "IMMER", and deleted.
    void aLookAlikeOfTheAlwaysZoneIsAnOrdinaryZone()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        const QString lookAlike = QStringLiteral("ımmer");
        QVERIFY(createZone(path, zone(lookAlike, { { 0, 0, { h(8), h(9) } } })));
        QStringList names;
        QVERIFY(readPageZoneNames(path, names));
        QCOMPARE(names, QStringList { lookAlike });
        ZoneForm loaded;
        QVERIFY(loadZone(path, lookAlike, loaded));
        QCOMPARE(loaded.name, lookAlike);
        QList<ZoneChoice> choices;
        QVERIFY(readAssignmentZones(path, choices));
        QCOMPARE(choices.size(), 2);
        QCOMPARE(choices[0].stored, kAlwaysZone);
        QCOMPARE(choices[1].text, lookAlike);
        QCOMPARE(choices[1].stored, lookAlike);
        QVERIFY(deleteZone(path, lookAlike));
        QCOMPARE(zoneCount(p), 1);
    }

    void zoneNamedByAssignmentsKeepsNameAndRow()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        QVERIFY(createZone(path, zone("Tag", {{0, 0, {h(8), h(17)}}})));
        p.addAssignment("P", "100", "tag", "Tür");
        QCOMPARE(deleteZone(path, QStringLiteral("Tag")).message(),
            test::message("Es ist im Augenblick nicht möglich, den Eintrag zu löschen.\r\n"
                          "Die Zeitzone ist mit mindestens einem Zutrittsprofil verknüpft.\r\n\r\n"
                          "Möchten Sie das Löschen durchführen, müssen sie zuvor\r\n"
                          "die Verknüpfung(en) löschen.",
                "Datenbankfehler", MessageIcon::Critical));
        // A new name would leave the assignment naming no zone at all.
        const Outcome rename = changeZone(path, QStringLiteral("Tag"), zone("Werktag", {{0, 0, {h(8), h(17)}}}));
        QVERIFY(rename.message().text.startsWith(QStringLiteral("Es ist im Augenblick nicht möglich, die Bezeichnung zu ändern.")));
        QCOMPARE(p.intValue("SELECT count(*) FROM Zeitzonen WHERE Tname = 'Tag'"), 1);
        // Its times may still change.
        QVERIFY(changeZone(path, QStringLiteral("Tag"), zone("Tag", {{0, 0, {h(7), h(17)}}})));
        QCOMPARE(p.value("SELECT MoSzeit1 FROM Zeitzonen WHERE Tname = 'Tag'"), "07:00:00");
    }

    void missingWorkCopyIsReported()
    {
        test::TempHome home;
        const Outcome o = createZone(home.file(QStringLiteral("nowhere/~hlvx.tmp")), zone("Tag", {}));
        QVERIFY(!o);
        QVERIFY(o.message().text.startsWith(QStringLiteral("Fehler ")));
        QCOMPARE(o.message().title, QStringLiteral("Datenbankfehler"));
    }

    // The cases an operator thinks of; the random zones below cover the rest.
    void coverageFixedCases()
    {
        const QTime noon(12, 0);
        QVERIFY(!periodCovers({"08:00:00", "12:00:00"}, noon));
        QVERIFY(periodCovers({"12:00:00", "16:00:00"}, noon));
        QVERIFY(periodCovers({"00:00:00", "00:00:00"}, QTime(0, 0)));  // 00:00-24:00: the whole day
        QVERIFY(periodCovers({"00:00:00", "00:00:00"}, QTime(23, 59, 59, 999)));
        // Unused and unreadable periods cover nothing.
        for (const StoredPeriod& p : {StoredPeriod{kUnusedTime, kUnusedTime}, StoredPeriod{}, StoredPeriod{"08:00:00", {}}})
            QVERIFY(!periodCovers(p, noon));
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            QVERIFY(!zoneCovers(unusedWeek(), Qt::DayOfWeek(day), QTime(11, 11, 11)));
    }

    void coverageAgreesWithMinuteByMinuteReading()
    {
        QRandomGenerator random(20261205);
        for (int round = 0; round < 500; ++round) {
            const ZoneForm form = randomForm(random);
            const StoredWeek week = toStoredWeek(form);
            QCOMPARE(fromStoredWeek(form.name, week), form);
            for (int day = 0; day < kZoneDays; ++day) {
                for (int minute = 0; minute < kEndOfDay; ++minute) {
                    const QTime t = QTime(minute / 60, minute % 60, int(random.bounded(60)));
                    if (zoneCovers(week, Qt::DayOfWeek(Qt::Monday + day), t) != formCovers(form, day, minute))
                        QFAIL(qPrintable(QStringLiteral("round %1, day %2, %3").arg(round).arg(day).arg(t.toString())));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestZoneOperations)
#include "tst_zoneoperations.moc"
