// The two phases of a transfer against a fake reader on a fake clock: the
// telegrams and their times, the retries of a group that reads back wrong,
// every way a transfer ends early, and that the next one starts afresh.
#include "MessageCompare.h"
#include "TransferRig.h"
#include "core/bus/transfer/TransferTexts.h"
#include "core/lang/Texts.h"

#include <QSignalSpy>

using namespace varnox;

namespace {

using Timeline = QList<QPair<qint64, QString>>;

const int kSerial = 4711; // "01267" in the telegrams

// A configuration block, every answer in time.
const Timeline kBlockTimeline = { { 0, "580B" }, { 300, "81001267" }, { 700, "8800" }, { 1150, "580B" },
    { 1450, "81001267" }, { 1750, "82000005" }, { 1980, "820203FF" }, { 2210, "8400" }, { 2510, "820402E1" },
    { 2740, "82068000" }, { 2970, "8404" }, { 3220, "5100" } };

struct Rig : test::TransferRig {
    explicit Rig(bool central = true)
    {
        addReader(QStringLiteral("Tor"), kSerial, central);
        if (!central) {
            project.addProfile(QStringLiteral("P"));
            project.linkToProfile(QString::number(kSerial));
        }
    }
    bool startTor() { return start(kSerial, QStringLiteral("Tor")); }
    int modify() const { return project.modify(QString::number(kSerial)); }
    bool idle()
    {
        return !transfer.isRunning() && !accessDue && !writeDue
            && transfer.accessPhase().state() == EepromAccessPhase::State::Idle
            && transfer.writePhase().state() == WriteVerifyPhase::State::Idle;
    }
    QString lastTold() const { return op.asked().isEmpty() ? QString() : op.asked().last().message.text; }
};

} // namespace

class TestDataTransfer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void configurationBlockFollowsTheSchedule()
    {
        Rig rig;
        QSignalSpy progress(&rig.transfer, &DataTransfer::progressChanged);
        QSignalSpy ended(&rig.transfer, &DataTransfer::ended);
        QVERIFY(rig.startTor());
        rig.run();
        QCOMPARE(rig.sent, kBlockTimeline);
        QCOMPARE(rig.transfer.scheduledMs(), 3220);
        QCOMPARE(rig.reader.eeprom.left(9), QByteArray::fromHex("000503FF02E18000FF"));
        QCOMPARE(rig.reader.transfersEnded, 1);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toBool(), true);
        QList<int> values;
        for (const QList<QVariant>& p : progress) {
            QCOMPARE(p[1].toInt(), 8);
            values << p[0].toInt();
        }
        QCOMPARE(values, (QList<int> { 0, 0, 4, 8 }));
        QCOMPARE(rig.modify(), 0);
        QCOMPARE(rig.op.asked().size(), 1);
        QCOMPARE(rig.op.asked()[0].message,
            test::message("Daten wurden vollständig übertragen!", "Übertragung beendet", MessageIcon::Information));
        QCOMPARE(rig.protocolLines(),
            (QStringList { "Datenübertragung für Tor gestartet", "Datenübertragung erfolgreich abgeschlossen" }));
        QVERIFY(rig.idle());
    }

    // A decentral reader with one key: 48 bytes up to and including the
    // empty record, the reader selected again every sixteen bytes.
    void keyImageIsWrittenUpToItsEmptyRecord()
    {
        Rig rig(false);
        rig.project.addKeys(QStringLiteral("P"), 1, 77);
        rig.reader.eeprom.fill(char(0x5A)); // what an earlier image left
        QVERIFY(rig.startTor());
        const QByteArray image = rig.transfer.image().bytes();
        rig.run();
        QCOMPARE(rig.transfer.image().end(), 48);
        QCOMPARE(rig.reader.eeprom.left(48), image.left(48));
        QCOMPARE(rig.reader.eeprom.at(48), char(0x5A));
        QCOMPARE(rig.reader.received.count("81001267"), 5); // phase 1, phase 2, then at 16, 32 and 48
        QCOMPARE(rig.reader.received.filter(QRegularExpression("^84")).size(), 12);
        // Both phases up to the first write, twelve groups, three re-selections.
        QCOMPARE(rig.transfer.scheduledMs(), 850 + 850 + 12 * 760 + 3 * 300);
        QCOMPARE(rig.times("5100").value(0), rig.transfer.scheduledMs());
        QCOMPARE(rig.modify(), 0);
    }

    // Rewrites after 2, 4 and 6 s, a new search and selection 8 s after the
    // fourth failure, and the fifth failure ends the transfer.
    void wrongReadBacksAreRetriedThenAbort()
    {
        Rig rig;
        rig.reader.wrongReadbacks = 5;
        QVERIFY(rig.startTor());
        rig.run();
        QCOMPARE(rig.times("82000005"), (QList<qint64> { 1750, 4460, 9170, 15880, 24890 }));
        QCOMPARE(rig.times("580B"), (QList<qint64> { 0, 1150, 16590 }));
        QCOMPARE(rig.times("81001267"), (QList<qint64> { 300, 1450, 24590 }));
        QCOMPARE(rig.elapsed(), 25600);
        QCOMPARE(rig.lastTold(), QString("Schreib-/Lesefehler, Übertragung abgebrochen!"));
        QCOMPARE(rig.protocolLines().last(), QString("Datenübertragung abgebrochen - Schreib-/Lesefehler!"));
        QCOMPARE(rig.modify(), 1);
        QVERIFY(rig.idle());
    }

    // The program was busy with other lines: every answer still waits in
    // the port when the phase judges it, and counts.
    void answersNotReadYetCount()
    {
        Rig rig;
        rig.port().holdReplies = true;
        rig.port().responder = [&rig](const QByteArray& bytes) { return rig.reader.respond(bytes); };
        QVERIFY(rig.startTor());
        rig.run();
        QCOMPARE(rig.reader.received.count("5100"), 1);
        QCOMPARE(rig.modify(), 0);
    }

    void fourthRetrySucceeds()
    {
        Rig rig;
        rig.reader.wrongReadbacks = 4;
        QVERIFY(rig.startTor());
        rig.run();
        QCOMPARE(rig.reader.received.count("82000005"), 5);
        QCOMPARE(rig.reader.received.count("820402E1"), 1); // the next group starts without retries
        QCOMPARE(rig.reader.eeprom.left(8), QByteArray::fromHex("000503FF02E18000"));
        QCOMPARE(rig.modify(), 0);
        QCOMPARE(rig.lastTold(), QString("Daten wurden vollständig übertragen!"));
    }

    // The faults from outside strike at the first tick after 2 s: the first
    // phase's watch at 2100 ms. A port closed before the start sends nothing.
    void everyAbortKeepsModifyAndTheNextTransferStartsAfresh_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("written");
        QTest::newRow("no search answer")
            << "search" << qint64(200) << "Kein Gerät für Zutrittskontrolle gefunden, Übertragung abgebrochen!"
            << "Datenübertragung abgebrochen - Kein Gerät für Zutrittskontrolle gefunden!";
        QTest::newRow("no selection answer")
            << "select" << qint64(550) << "Keine Antwort vom Leser, Übertragung abgebrochen!"
            << "Datenübertragung abgebrochen - Keine Antwort vom Leser!";
        QTest::newRow("EEPROM never opens")
            << "eeprom" << qint64(900 + 200 * 50) << "Keine Antwort vom EEPROM, Übertragung abgebrochen!"
            << "Datenübertragung abgebrochen - Keine Antwort vom EEPROM!";
        const QString noPort = "Die Schnittstelle des HLV:BUS-Strangs ist nicht verfügbar, Übertragung abgebrochen!";
        QTest::newRow("port lost") << "unplug" << qint64(2100) << noPort
                                   << "Datenübertragung abgebrochen - Schnittstelle nicht verfügbar!";
        QTest::newRow("port closed, not started")
            << "closed" << qint64(-1) << noPort << "Datenübertragung abgebrochen - Schnittstelle nicht verfügbar!";
        QTest::newRow("no COM port, not prepared")
            << "no COM" << qint64(-1) << TransferTexts::noComPort().text
            << "Datenübertragung für Tor abgebrochen - Dem HLV:BUS-Strang des Lesers ist keine COM-Schnittstelle "
               "zugeordnet!";
        QTest::newRow("window closed") << "window" << qint64(2100) << ""
                                       << "Datenübertragung abgebrochen - Übertragungsfenster geschlossen!";
        QTest::newRow("program end") << "end" << qint64(2100) << ""
                                     << "Datenübertragung abgebrochen - Programm beendet!";
    }

    void everyAbortKeepsModifyAndTheNextTransferStartsAfresh()
    {
        QFETCH(QString, fault);
        QFETCH(qint64, at);
        QFETCH(QString, told);
        QFETCH(QString, written);
        Rig rig;
        rig.reader.answersSearch = fault != "search";
        rig.reader.answersSelect = fault != "select";
        rig.reader.opensEeprom = fault != "eeprom";
        qint64 stoppedAt = -1;
        QObject::connect(&rig.transfer, &DataTransfer::ended, [&] { stoppedAt = rig.elapsed(); });
        if (fault == "closed")
            rig.port().close();
        if (fault == "no COM")
            rig.project.assignComPort(test::TransferRig::kLine, 0);
        QCOMPARE(rig.startTor(), at >= 0);
        rig.run(3'600'000, [&] {
            if (rig.elapsed() < 2000 || !rig.transfer.isRunning())
                return;
            if (fault == "unplug")
                rig.port().pullOut();
            else if (fault == "window")
                rig.transfer.abort(TransferFailure::WindowClosed);
            else if (fault == "end")
                rig.transfer.abort(TransferFailure::ProgramEnd);
        });
        QCOMPARE(stoppedAt, at);
        QCOMPARE(rig.lastTold(), told);
        QCOMPARE(rig.op.asked().size(), told.isEmpty() ? 0 : 1);
        QCOMPARE(rig.protocolLines(), (QStringList { "Datenübertragung für Tor gestartet", written }));
        QCOMPARE(rig.modify(), 1);
        QVERIFY(rig.idle());
        QCOMPARE(rig.reader.transfersEnded, 0);
        QCOMPARE(rig.reader.received.isEmpty(), at < 0);

        rig.reader.answersSearch = rig.reader.answersSelect = rig.reader.opensEeprom = true;
        rig.port().open();
        rig.project.assignComPort(test::TransferRig::kLine, test::TransferRig::kCom);
        QVERIFY(rig.startTor());
        rig.run();
        QCOMPARE(rig.sent, kBlockTimeline);
        QCOMPARE(rig.transfer.scheduledMs(), 3220);
        QCOMPARE(rig.modify(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDataTransfer)
#include "tst_datatransfer.moc"
