// The fixed period of a key: what the dialog proposes from the defaults and
// the clock, the checks of a period, the stored defaults, and label texts
// that read back exactly in every locale.
#include "FakeClock.h"
#include "ProjectFixture.h"
#include "core/model/KeyValidity.h"
#include "core/model/ValidityText.h"

#include <QTest>

using namespace varnox;

namespace {

QDateTime dec(int day, int hour, int minute) { return QDateTime(QDate(2026, 12, day), QTime(hour, minute)); }

}  // namespace

class TestKeyValidity : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestKeyValidity)
#include "tst_keyvalidity.moc"
