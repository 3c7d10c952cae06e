// Telegrams: what the program sends, and how reception sorts what arrives
// into the slots of its line, the protocol list and the evaluation.
#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "core/bus/BusPorts.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"
#include "core/bus/Telegram.h"

#include <QTest>

using namespace varnox;

namespace {

struct Bench {
    test::FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(12, 0, 5))};
    ProtocolList list;
    EvaluationControl evaluation;
    Reception reception{clock, list, evaluation};
    QList<int> starts;  // intervals TimerEvalKeyRequest was asked to start with

    Bench()
    {
        QObject::connect(&evaluation, &EvaluationControl::startRequested, [this](int ms) { starts << ms; });
    }

    void feed(int line, const QByteArray& bytes)
    {
        for (const char ch : bytes)
            reception.receive(line, ch);
    }

    // The command answer, bus event and key request of `line`; "-" for a slot
    // that holds nothing new.
    QString slotsOf(int line)
    {
        QStringList out;
        for (const TelegramSlot* s : {&reception.commandAnswer(line), &reception.busEvent(line), &reception.keyRequest(line)})
            out << (s->ready ? s->text : QStringLiteral("-"));
        return out.join(QLatin1Char('|'));
    }
};

}  // namespace

class TestReception : public QObject {
    Q_OBJECT

private slots:
    void payloads_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<QString>("expected");
        QTest::newRow("highest serial") << telegram::systemTest(999999) << "5F423F80";
        QTest::newRow("serial 1, page 0") << telegram::select(0, 1) << "81000001";
        QTest::newRow("address 500 selects page 1") << telegram::select(500, 1234) << "811004D2";
        QTest::newRow("address 500 writes at F4") << telegram::write(500, 0x01, 0x02) << "82F40102";
        QTest::newRow("bytes C6 FF at 0") << telegram::write(0, 0xC6, 0xFF) << "8200C6FF";
        QTest::newRow("last address of the EEPROM") << telegram::select(2047, 42) << "8170002A";
        QTest::newRow("read back at 2044") << telegram::readBack(2044) << "84FC";
        QTest::newRow("grant reply to AS 10") << telegram::grantReply(10) << "A10A";
        QTest::newRow("door opener AS 63") << telegram::doorOpener(63) << "113F";
        QTest::newRow("control function 200") << telegram::controlFunction(4711, 200) << "601267C8";
        QTest::newRow("control function 1") << telegram::controlFunction(1, 1) << "60000101";
        QTest::newRow("search") << telegram::search() << "580B";
        QTest::newRow("EEPROM access") << telegram::eepromAccess() << "8800";
        QTest::newRow("end") << telegram::end() << "5100";
        QTest::newRow("right(2) keeps the last digits") << hexRight(0xABC, 2) << "BC";
    }

    // The interface's own query and set-up command are checked at the
    // simulator's end of the line; a bus telegram is framed here.
    void payloads()
    {
        QFETCH(QString, payload);
        QTEST(payload, "expected");
        QVERIFY(isTelegramText(payload));
        QCOMPARE(frameBusTelegram(payload), "\x01 " + payload.toLatin1() + "\x04");
    }

    // Bytes of line 3 as they arrive; then the slots and the protocol list.
    void sorting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("filed");  // command answer|bus event|key request
        QTest::addColumn<QStringList>("listed");
        const QByteArray full(TelegramAssembler::kCap, '1');
        QTest::newRow("command answer") << QByteArray("\x01#\x04") << "#|-|-" << QStringList();
        QTest::newRow("key request") << QByteArray("\x01%11223344\x04") << "-|-|%11223344"
                                     << QStringList{"12:00:05 Q03: %11223344"};
        QTest::newRow("other key request") << QByteArray("\x01'0A0B0C0D\x04") << "-|-|'0A0B0C0D"
                                           << QStringList{"12:00:05 Q03: '0A0B0C0D"};
        QTest::newRow("short key request: no line") << QByteArray("\x01%1234\x04") << "-|-|%1234" << QStringList();
        QTest::newRow("short bus event: no line") << QByteArray("\x01$8801\x04") << "-|$8801|-" << QStringList();
        QTest::newRow("reader events") << QByteArray("\x01$A00A5566\x04\x01&A00B7788\x04\x01,12345678\x04")
                                       << "-|,12345678|-"
                                       << QStringList{"12:00:05 A03: $A00A5566", "12:00:05 A03: &A00B7788"};
        QTest::newRow("empty telegram") << QByteArray("\x01\x04\x04") << "-|-|-" << QStringList();
        // Lower-case digits, bytes above "F" and control characters vanish;
        // the telegram arrives shorter and so misses the list.
        QTest::newRow("stray bytes") << QByteArray("\x01%1122a\x00\x7F\xFF\x02" "344\x04", 15) << "-|-|%1122344"
                                     << QStringList();
        QTest::newRow("lost SOH") << QByteArray("#\x04") << "#|-|-" << QStringList();
        QTest::newRow("lost EOT: the SOH drops the torn part")
            << QByteArray("\x01%1122\x01%55667788\x04") << "-|-|%55667788" << QStringList{"12:00:05 Q03: %55667788"};
        QTest::newRow("an EOT too many: two telegrams") << QByteArray("\x01$A0\x04" "0A5566\x04") << "0A5566|$A0|-"
                                                        << QStringList();
        QTest::newRow("as long as the cap") << "\x01" + full + "\x04" << QString::fromLatin1(full) + "|-|-" << QStringList();
        QTest::newRow("past the cap: its tail is no telegram") << "\x01" + full + "2#\x04" << "-|-|-" << QStringList();
        QTest::newRow("endless noise, then a telegram") << QByteArray(100000, '5') + "\x01#\x04" << "#|-|-"
                                                        << QStringList();
    }

    void sorting()
    {
        QFETCH(QByteArray, bytes);
        Bench b;
        b.feed(3, bytes);
        QTEST(b.slotsOf(3), "filed");
        QTEST(b.list.lines(), "listed");
        QVERIFY(b.reception.lineSlots(3).rx.buffer().size() <= TelegramAssembler::kCap);
        QCOMPARE(b.slotsOf(2), QString("-|-|-"));
    }

    // A key request starts the evaluation unless it runs already; lines
    // fed byte by byte in turn do not mix; numbers outside the lines are ignored.
    void keyRequestsStartTheEvaluationAndLinesDoNotMix()
    {
        Bench b;
        b.evaluation.step = EvaluationStep::ResultTexts;
        const QByteArray one = "\x01%11111111\x04";
        const QByteArray two = "\x01$A0022222\x04";
        for (int i = 0; i < one.size(); ++i) {
            b.reception.receive(1, one[i]);
            b.reception.receive(2, two[i]);
        }
        QCOMPARE(b.slotsOf(1), QString("-|-|%11111111"));
        QCOMPARE(b.slotsOf(2), QString("-|$A0022222|-"));
        QCOMPARE(b.starts, QList<int>{1});
        QCOMPARE(b.evaluation.step, EvaluationStep::Pairing);

        b.evaluation.running = true;
        b.evaluation.step = EvaluationStep::Confirmation;
        b.feed(2, "\x01%11223344\x04");
        QVERIFY(b.reception.keyRequest(2).ready);
        QCOMPARE(b.starts.size(), 1);
        QCOMPARE(b.evaluation.step, EvaluationStep::Confirmation);
        b.feed(-1, "\x01#\x04");
        b.feed(99, "\x01#\x04");
    }

    // The list of waiting telegrams is bounded: past its capacity the oldest
    // lines go, a tenth at a time, but never while an evaluation works on
    // lines it found by their position.
    void theListDropsItsOldestLinesOnlyBetweenEvaluations()
    {
        Bench b;
        b.list.setCapacity(10);
        QList<int> dropped;
        QObject::connect(&b.list, &ProtocolList::linesDropped, [&dropped](int n) { dropped << n; });
        b.evaluation.running = true;
        for (int i = 0; i < 12; ++i)
            b.feed(1 + i % 3, QStringLiteral("\x01%%1\x04").arg(11111100 + i).toLatin1());
        QCOMPARE(b.list.count(), 12);
        QVERIFY(dropped.isEmpty());

        b.evaluation.running = false;
        b.feed(1, "\x01$A0099999\x04");
        QCOMPARE(dropped, QList<int>{4});
        QCOMPARE(b.list.count(), 9);
        QVERIFY(b.list.at(0).endsWith(": %11111104"));
        QVERIFY(b.list.at(8).endsWith(": $A0099999"));
    }

    void sendTelegramWritesOpenPortsAndAlwaysRecords()
    {
        Bench b;
        test::FakePortFactory factory;
        BusPorts ports(factory, b.reception);
        test::FakeSerialPort& line2 = factory.port(2);

        b.reception.busEvent(2).ready = false;
        QVERIFY(!ports.SendTelegram(telegram::search(), 2));  // closed: nothing written
        QCOMPARE(b.reception.busEvent(2).text, QString("$580B"));
        QVERIFY(!b.reception.busEvent(2).ready);

        line2.setPortNumber(3);
        QVERIFY(line2.open());
        b.reception.busEvent(2).ready = true;
        QVERIFY(ports.SendTelegram(QStringLiteral("A10A"), 2));
        QCOMPARE(line2.written, QByteArray("\x01 A10A\x04"));
        QCOMPARE(b.reception.busEvent(2).text, QString("$A10A"));
        QVERIFY(b.reception.busEvent(2).ready);

        // A damaged stored function never puts framing bytes on the bus.
        QVERIFY(!ports.SendTelegram(QStringLiteral("11\x04\x01 0A"), 2));
        QVERIFY(!ports.SendTelegram(QStringLiteral("11ab"), 2));
        QCOMPARE(line2.written, QByteArray("\x01 A10A\x04"));

        // Bytes of a bus line reach reception in order; the desk reader's do not.
        QByteArray desk;
        ports.setDeskReaderReceiver([&desk](char ch) { desk += ch; });
        factory.port(8).inject("\x01" "123456789ABC\x04");
        line2.inject("\x01#\x04");
        QCOMPARE(desk, QByteArray("\x01" "123456789ABC\x04"));
        QCOMPARE(b.reception.commandAnswer(2).text, QString("#"));
        QVERIFY(!b.reception.commandAnswer(8).ready);
    }
};

QTEST_GUILESS_MAIN(TestReception)
#include "tst_reception.moc"
