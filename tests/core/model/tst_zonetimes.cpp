// What a stored time zone covers, and that the page's form survives storing:
// fixed cases, then random zones against a minute-by-minute reading of the form.
#include "core/model/ZoneForm.h"

#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

StoredWeek weekWith(int day, std::initializer_list<StoredPeriod> periods)
{
    StoredWeek week = unusedWeek();
    int p = 0;
    for (const StoredPeriod& period : periods)
        week[day][p++] = period;
    return week;
}

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

class TestZoneTimes : public QObject {
    Q_OBJECT

private slots:
    void periodBoundaries()
    {
        const QTime noon(12, 0);
        QVERIFY(!periodCovers({"08:00:00", "12:00:00"}, noon));
        QVERIFY(periodCovers({"08:00:00", "12:00:00"}, QTime(11, 59, 59)));
        QVERIFY(periodCovers({"12:00:00", "16:00:00"}, noon));
        QVERIFY(!periodCovers({"12:00:00", "16:00:00"}, QTime(11, 59, 59)));
        QVERIFY(!periodCovers({"08:00:00", "17:00:00"}, QTime(17, 0)));
        // An end of 00:00:00 is midnight at the end of the day.
        QVERIFY(periodCovers({"08:00:00", "00:00:00"}, QTime(23, 59, 59)));
        QVERIFY(!periodCovers({"08:00:00", "00:00:00"}, QTime(7, 59, 59)));
        QVERIFY(periodCovers({"00:00:00", "00:00:00"}, QTime(0, 0)));
        QVERIFY(periodCovers({"00:00:00", "00:00:00"}, QTime(23, 59, 59, 999)));
        QVERIFY(periodCovers({"23:45:00", "00:00:00"}, QTime(23, 50)));
    }

    void unusedAndUnreadablePeriodsCoverNothing()
    {
        for (const QTime t : {QTime(0, 0), QTime(11, 11, 11), QTime(12, 0), QTime(23, 59, 59)}) {
            QVERIFY(!periodCovers({kUnusedTime, kUnusedTime}, t));
            QVERIFY(!periodCovers({QString(), QString()}, t));
            QVERIFY(!periodCovers({"08:00:00", QString()}, t));
            for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
                QVERIFY(!zoneCovers(unusedWeek(), Qt::DayOfWeek(day), t));
        }
    }

    void zoneCoversOnlyItsWeekday()
    {
        const StoredWeek week = weekWith(1, {{"08:00:00", "12:00:00"}, {kUnusedTime, kUnusedTime}, {"22:00:00", "00:00:00"}});
        QVERIFY(zoneCovers(week, Qt::Tuesday, QTime(9, 0)));
        QVERIFY(zoneCovers(week, Qt::Tuesday, QTime(23, 0)));
        QVERIFY(!zoneCovers(week, Qt::Tuesday, QTime(13, 0)));
        QVERIFY(!zoneCovers(week, Qt::Monday, QTime(9, 0)));
        QVERIFY(!zoneCovers(week, Qt::Wednesday, QTime(0, 30)));
    }

    void storingMarksUnusedAndMidnight()
    {
        ZoneForm form;
        form.at(0, 0) = {0, kEndOfDay};
        form.at(1, 6) = {23 * 60 + 45, kEndOfDay};
        form.at(3, 2) = {8 * 60, 12 * 60 + 15};
        const StoredWeek week = toStoredWeek(form);
        QCOMPARE(week[0][0], (StoredPeriod{"00:00:00", "00:00:00"}));
        QCOMPARE(week[6][1], (StoredPeriod{"23:45:00", "00:00:00"}));
        QCOMPARE(week[2][3], (StoredPeriod{"08:00:00", "12:15:00"}));
        QCOMPARE(week[0][1], (StoredPeriod{kUnusedTime, kUnusedTime}));
        QCOMPARE(fromStoredWeek(QStringLiteral("x"), week).at(1, 6), (PeriodTimes{23 * 60 + 45, kEndOfDay}));
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

QTEST_GUILESS_MAIN(TestZoneTimes)
#include "tst_zonetimes.moc"
