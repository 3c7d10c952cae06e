// The fixed period of a key: what the dialog proposes from the defaults and
// the clock, the checks of a period, the stored defaults, and texts that read
// back exactly in every locale.
#include "FakeClock.h"
#include "ProjectRows.h"
#include "TempHome.h"
#include "core/model/KeyValidity.h"
#include "core/model/ValidityText.h"

#include <QTest>

using namespace varnox;

namespace {

QDateTime at(int month, int day, int hour, int minute) { return QDateTime(QDate(2026, month, day), QTime(hour, minute)); }

}  // namespace

class TestKeyValidity : public QObject {
    Q_OBJECT

private slots:
    void proposalFollowsDefaultsAndClock()
    {
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(12, 0, 42)));
        ValidityDefaults d;
        ValidityPeriod p = proposedPeriod(d, clock);
        QCOMPARE(p.start, at(12, 5, 12, 0));  // kept to the minute
        QCOMPARE(p.end, at(12, 5, 12, 0));

        d.endDaysOn = true;
        d.endDays = 7;
        QCOMPARE(proposedPeriod(d, clock).end.date(), QDate(2026, 12, 12));

        // Default times still ahead are taken; passed ones give way to now,
        // the end time only while the end is today.
        d = ValidityDefaults{true, QTime(14, 30), true, QTime(18, 0), false, 0};
        p = proposedPeriod(d, clock);
        QCOMPARE(p.start, at(12, 5, 14, 30));
        QCOMPARE(p.end, at(12, 5, 18, 0));
        d = ValidityDefaults{true, QTime(8, 0), true, QTime(11, 0), false, 0};
        p = proposedPeriod(d, clock);
        QCOMPARE(p.start, at(12, 5, 12, 0));
        QCOMPARE(p.end, at(12, 5, 12, 0));
        d.endDaysOn = true;
        d.endDays = 3;
        QCOMPARE(proposedPeriod(d, clock).end, at(12, 8, 11, 0));
    }

    void shownPeriodWinsOverTheDefaults()
    {
        test::FakeClock clock;
        const ValidityDefaults d{true, QTime(14, 30), false, QTime(0, 0), true, 7};
        const QString start = validityText(at(1, 2, 6, 15));
        const QString end = validityText(at(2, 3, 20, 45));
        ValidityPeriod p = initialPeriod(d, true, start, end, clock);
        QCOMPARE(p.start, at(1, 2, 6, 15));
        QCOMPARE(p.end, at(2, 3, 20, 45));
        QCOMPARE(initialPeriod(d, false, start, end, clock).start, at(12, 5, 14, 30));
        QCOMPARE(initialPeriod(d, true, start, QString(), clock).end.date(), QDate(2026, 12, 12));
    }

    void endBeforeStartIsCheckedFirst()
    {
        test::FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(12, 0, 30)));
        Outcome check = checkPeriod({at(12, 5, 12, 0), at(12, 5, 11, 59)}, clock);
        QCOMPARE(check.message().text, QStringLiteral("Endzeit liegt vor der Startzeit!"));
        QCOMPARE(check.message().icon, MessageIcon::Critical);
        check = checkPeriod({at(12, 5, 11, 0), at(12, 5, 11, 59)}, clock);
        QCOMPARE(check.message().text, QStringLiteral("Endzeit liegt bereits in der Vergangenheit!"));
        QVERIFY(checkPeriod({at(12, 5, 12, 0), at(12, 5, 12, 0)}, clock));  // start equal to end, now
    }

    void defaultsAreStoredInTheirEightRows()
    {
        test::TempHome home;
        const QString path = test::newWorkCopy();
        ValidityDefaults read;
        QVERIFY(readValidityDefaults(path, read));
        QCOMPARE(read, ValidityDefaults{});

        const ValidityDefaults d{true, QTime(7, 45), true, QTime(17, 5), true, 30};
        test::execSql(path, "DELETE FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'");
        QVERIFY(writeValidityDefaults(path, d));
        QVERIFY(readValidityDefaults(path, read));
        QCOMPARE(read, d);
        QCOMPARE(test::intValue(path, "SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardEndeMinute'"), 5);
        QCOMPARE(test::intValue(path, "SELECT Wert FROM Einstellungen WHERE Bezeichnung = 'DifferenzEnde'"), 1);
        QCOMPARE(test::intValue(path, "SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 30);

        // Values no dialog could have written are read within bounds.
        test::execSql(path, "UPDATE Einstellungen SET Zeitintervall = 99 WHERE Bezeichnung = 'StandardStartStunde'");
        QVERIFY(readValidityDefaults(path, read));
        QCOMPARE(read.startTime, QTime(23, 45));
    }

    void labelTextsReadBackExactly_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"de_DE", "en_US", "fr_FR", "en_GB", "ja_JP", "C"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void labelTextsReadBackExactly()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        for (const QDateTime& t : {QDateTime(QDate(2026, 12, 31), QTime(23, 59)), QDateTime(QDate(2099, 1, 2), QTime(0, 5)),
                                   QDateTime(QDate(1999, 7, 14), QTime(12, 0))}) {
            const QString text = validityText(t, l);
            QVERIFY2(text.contains(QString::number(t.date().year())), qPrintable(text));
            QCOMPARE(parseValidityText(text, l), std::optional<QDateTime>(t));
        }
        QVERIFY(!parseValidityText(QString(), l));
        QCOMPARE(storedValidityTime(QDateTime(QDate(2027, 1, 4), QTime(7, 30))), QStringLiteral("2027-01-04T07:30:00"));
    }
};

QTEST_MAIN(TestKeyValidity)
#include "tst_keyvalidity.moc"
