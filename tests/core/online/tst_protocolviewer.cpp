#include "ProjectFiles.h"
#include "ProtocolHome.h"
#include "core/online/DayFiles.h"
#include "core/online/DayLoader.h"
#include "core/online/ProtocolExport.h"
#include "core/online/ProtocolSwitch.h"
#include "core/shell/ConfigFile.h"

#include <QTest>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

struct Fixture : test::ProtocolHome {
    explicit Fixture(const QStringList& texts = {}) : ProtocolHome(QDateTime(kDay, QTime(6, 0, 0)))
    {
        for (const QString& t : texts) {
            protocol.write(t);
            clock.advanceSecs(1);
        }
    }

    // Loads the day to the end, as the viewer's timer does.
    QList<ListedEntry> load(const ProtocolFilter& filter = {})
    {
        DayLoader loader(protocol.cipher());
        if (!loader.start(kDay, filter))
            return {};
        while (loader.tick()) {
        }
        return loader.entries();
    }
};

QStringList rows(const QList<ListedEntry>& entries)
{
    QStringList out;
    for (const ListedEntry& e : entries)
        out << e.number + QLatin1Char('|') + e.time + QLatin1Char('|') + e.text + QLatin1Char('|') + recordStateText(e.state);
    return out;
}

}  // namespace

class TestProtocolViewer : public QObject {
    Q_OBJECT

private slots:
    void filtersIgnoreCaseAndNumberTheListedEntries()
    {
        Fixture f({"Leser Eingang angelegt", "Schlüssel gelöscht", "LESER Ausgang angelegt", "Leser Eingang gelöscht"});
        QCOMPARE(f.load().size(), 4);
        QCOMPARE(rows(f.load({QStringLiteral("  leser "), QString()})),
                 QStringList({"0000000001|06:00:00|Leser Eingang angelegt|", "0000000002|06:00:02|LESER Ausgang angelegt|",
                              "0000000003|06:00:03|Leser Eingang gelöscht|"}));
        QCOMPARE(rows(f.load({QStringLiteral("leser"), QStringLiteral("GELÖSCHT")})),
                 QStringList({"0000000001|06:00:00|Leser Eingang angelegt|", "0000000002|06:00:02|LESER Ausgang angelegt|"}));
        QCOMPARE(rows(f.load({QString(), QStringLiteral("leser")})), QStringList({"0000000001|06:00:01|Schlüssel gelöscht|"}));
        // The time is part of the line the filters see.
        QCOMPARE(f.load({QStringLiteral("06:00:03"), QString()}).size(), 1);
    }

    void damagedEntriesPassEveryFilter()
    {
        Fixture f({"eins", "zwei", "drei"});
        test::appendBytes(DailyProtocol::filePath(kDay), "kaputt\r\n\r\n");
        f.protocol.write("vier");
        QCOMPARE(rows(f.load({QStringLiteral("zwei"), QString()})),
                 QStringList({"0000000001|06:00:01|zwei|", "0000000002|||nicht entschlüsselbar"}));
    }

    void loadsInBatchesAndStops()
    {
        QStringList texts;
        for (int i = 0; i < 250; ++i)
            texts << QStringLiteral("Eintrag %1").arg(i);
        Fixture f(texts);
        DayLoader loader(f.protocol.cipher());
        QVERIFY(loader.start(kDay, {}));
        QVERIFY(QFileInfo::exists(DayFiles::temporaryCopyPath(kDay)));
        QVERIFY(loader.tick());
        QCOMPARE(loader.entries().size(), DayLoader::kBatch);
        QVERIFY(loader.position() > 0 && loader.position() < loader.size());
        loader.stop();
        QCOMPARE(loader.state(), DayLoader::State::Stopped);
        QVERIFY(!loader.tick());
        QCOMPARE(loader.entries().size(), DayLoader::kBatch);
        QVERIFY(!QFileInfo::exists(DayFiles::temporaryCopyPath(kDay)));

        QCOMPARE(f.load().size(), 250);
        QCOMPARE(f.load().last().number, QStringLiteral("0000000250"));
    }

    void temporaryCopyMessages()
    {
        Fixture f({"eins"});
        DayLoader loader(f.protocol.cipher());
        const Outcome missing = loader.start(kDay.addDays(1), {});
        QCOMPARE(missing.message().text, QStringLiteral("Für diesen Tag existiert keine Protokolldatei."));
        QCOMPARE(missing.message().title, QStringLiteral("Dateifehler"));
        QCOMPARE(missing.message().icon, MessageIcon::Information);

        // A copy that cannot be made: something in its place that will not go away.
        QVERIFY(QDir().mkpath(DayFiles::temporaryCopyPath(kDay) + QStringLiteral("/blocked")));
        const Outcome blocked = loader.start(kDay, {});
        QVERIFY(!blocked);
        QCOMPARE(blocked.message().icon, MessageIcon::Critical);
        QVERIFY(blocked.message().text.startsWith(
            QStringLiteral("Das ausgewählte Tagesprotokoll kann nicht geöffnet werden.\r\nDer Zugriff wurde verweigert.\r\n\r\n"
                           "Es besteht die Möglichkeit, daß die Datei bereits von\r\n")));
        QVERIFY(blocked.message().text.endsWith(QStringLiteral("ausreichende\r\nZugriffsberechtigung!")));
        QString text;
        QVERIFY(!DayFiles::readPlain(kDay, &text));
    }

    void daysWithFileAreFoundByName()
    {
        test::TempHome home;
        for (const char* name : {"log/05122026.log", "log/31122026.log", "log/01012027.log", "log/32122026.log",
                                 "log/junk.log", "log/~hlv06122026.tmp", "log/07122026.log.bak"})
            home.writeFile(name, "x");
        QCOMPARE(DayFiles::daysWithFile(2026, 12), QSet<QDate>({QDate(2026, 12, 5), QDate(2026, 12, 31)}));
        QCOMPARE(DayFiles::daysWithFile(2027, 1), QSet<QDate>({QDate(2027, 1, 1)}));
        QVERIFY(DayFiles::daysWithFile(2026, 11).isEmpty());
    }

    void unstoredSwitchStillHoldsForThisRun()
    {
        Fixture f;
        f.protocol.setRecording(false);
        QDir().mkpath(f.home.file("unwritable.ini"));
        ConfigFile unwritable(f.home.file("unwritable.ini"));
        const Outcome failed = switchRecording(true, unwritable, f.protocol);
        QCOMPARE(failed.message().text,
                 QStringLiteral("Die Einstellung konnte nicht gespeichert werden und gilt nur bis zum Programmende."));
        QVERIFY(f.protocol.recording());
        QCOMPARE(rows(f.load()), QStringList({"0000000001|06:00:00|Protokollierung aktiviert|"}));
    }
};

QTEST_GUILESS_MAIN(TestProtocolViewer)
#include "tst_protocolviewer.moc"
