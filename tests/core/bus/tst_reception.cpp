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
};

}  // namespace

class TestReception : public QObject {
    Q_OBJECT

private slots:
    void keyRequestGoesToItsSlotTheListAndTheEvaluation()
    {
        Bench b;
        b.evaluation.step = 4;
        b.feed(3, "\x01%11223344\x04");
        QVERIFY(b.reception.keyRequest(3).ready);
        QCOMPARE(b.reception.keyRequest(3).text, QString("%11223344"));
        QCOMPARE(b.list.lines(), QStringList{"12:00:05 Q03: %11223344"});
        QCOMPARE(b.starts, QList<int>{1});
        QCOMPARE(b.evaluation.step, 0);
        QVERIFY(!b.reception.keyRequest(2).ready);
        QVERIFY(!b.reception.commandAnswer(3).ready);

        b.feed(12, "\x01'0A0B0C0D\x04");
        QCOMPARE(b.list.at(1), QString("12:00:05 Q12: '0A0B0C0D"));
    }

    void eachTypeFindsItsSlot()
    {
        Bench b;
        b.feed(1, "\x01#\x04");
        QCOMPARE(b.reception.commandAnswer(1).text, QString("#"));
        QVERIFY(b.reception.commandAnswer(1).ready);

        b.feed(1, "\x01$8801\x04");  // five characters: slot, but no list line
        QCOMPARE(b.reception.busEvent(1).text, QString("$8801"));
        QVERIFY(b.list.lines().isEmpty());

        b.feed(1, "\x01$A00A5566\x04\x01&A00B7788\x04\x01,12345678\x04");
        QCOMPARE(b.reception.busEvent(1).text, QString(",12345678"));
        QCOMPARE(b.list.lines(), (QStringList{"12:00:05 A01: $A00A5566", "12:00:05 A01: &A00B7788"}));

        b.feed(1, "\x01%1234\x04");  // short key-request telegram: slot and evaluation, no line
        QCOMPARE(b.reception.keyRequest(1).text, QString("%1234"));
        QCOMPARE(b.list.count(), 2);
        QCOMPARE(b.starts.size(), 1);
        QVERIFY(b.reception.commandAnswer(1).text == QString("#"));
    }

    void runningEvaluationIsNotRestarted()
    {
        Bench b;
        b.evaluation.running = true;
        b.evaluation.step = 3;
        b.feed(2, "\x01%11223344\x04");
        QVERIFY(b.reception.keyRequest(2).ready);
        QCOMPARE(b.list.count(), 1);
        QVERIFY(b.starts.isEmpty());
        QCOMPARE(b.evaluation.step, 3);
    }

    void emptyTelegramChangesNothing()
    {
        Bench b;
        b.feed(5, "\x01#\x04");
        b.reception.commandAnswer(5).ready = false;
        b.feed(5, "\x01\x04\x04");
        QVERIFY(!b.reception.commandAnswer(5).ready);
        QCOMPARE(b.reception.commandAnswer(5).text, QString("#"));
    }

    void strayBytesAreDropped()
    {
        Bench b;
        // Lower-case digits, bytes above "F" and control characters vanish; the
        // telegram arrives shorter and so misses the list.
        b.feed(4, QByteArray("\x01%1122a\x00\x7F\xFF\x02" "344\x04", 15));
        QCOMPARE(b.reception.keyRequest(4).text, QString("%1122344"));
        QVERIFY(b.list.lines().isEmpty());
    }

    void lostFramingCharacters()
    {
        Bench b;
        b.feed(6, "#\x04");  // no SOH: still a telegram
        QCOMPARE(b.reception.commandAnswer(6).text, QString("#"));
        b.feed(6, "\x01%1122\x01%55667788\x04");  // lost EOT: the SOH discards the torn part
        QCOMPARE(b.reception.keyRequest(6).text, QString("%55667788"));
        b.feed(6, "\x01$A0\x04" "0A5566\x04");  // an EOT too many: two telegrams
        QCOMPARE(b.reception.busEvent(6).text, QString("$A0"));
        QCOMPARE(b.reception.commandAnswer(6).text, QString("0A5566"));
        QCOMPARE(b.list.lines(), QStringList{"12:00:05 Q06: %55667788"});
    }

    void linesDoNotMix()
    {
        Bench b;
        const QByteArray one = "\x01%11111111\x04";
        const QByteArray two = "\x01$A0022222\x04";
        for (int i = 0; i < one.size(); ++i) {
            b.reception.receive(1, one[i]);
            b.reception.receive(2, two[i]);
        }
        QCOMPARE(b.reception.keyRequest(1).text, QString("%11111111"));
        QCOMPARE(b.reception.busEvent(2).text, QString("$A0022222"));
        QVERIFY(!b.reception.busEvent(1).ready);
        b.feed(-1, "\x01#\x04");  // numbers outside the lines are ignored
        b.feed(99, "\x01#\x04");
    }

    void endlessTextIsCappedAndItsTailNeverPassesForATelegram()
    {
        Bench b;
        const QByteArray full(TelegramAssembler::kCap, '1');
        b.feed(7, "\x01" + full + "\x04");
        QCOMPARE(b.reception.commandAnswer(7).text, QString::fromLatin1(full));

        b.reception.commandAnswer(7).clear();
        b.feed(7, "\x01" + full + "2#\x04");  // 66 characters
        QVERIFY(!b.reception.commandAnswer(7).ready);
        QCOMPARE(b.reception.lineSlots(7).rx.buffer().size(), 0);

        b.feed(7, QByteArray(100000, '5'));  // noise without end stays bounded
        QCOMPARE(b.reception.lineSlots(7).rx.buffer().size(), 0);
        b.feed(7, "\x01#\x04");
        QCOMPARE(b.reception.commandAnswer(7).text, QString("#"));
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
