#include "core/bus/Telegram.h"

#include <QTest>

using namespace varnox;

class TestTelegram : public QObject {
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

    void payloads()
    {
        QFETCH(QString, payload);
        QFETCH(QString, expected);
        QCOMPARE(payload, expected);
        QVERIFY(isTelegramText(payload));
    }

    // The interface's own query and set-up command are checked at the
    // simulator's end of the line; a bus telegram is framed here.
    void framing() { QCOMPARE(frameBusTelegram(u"580B"), QByteArray("\x01 580B\x04")); }
};

QTEST_GUILESS_MAIN(TestTelegram)
#include "tst_telegram.moc"
