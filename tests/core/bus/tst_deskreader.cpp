// The desk reader's telegrams: which of them are taken as key numbers; and
// the handheld walk's hundred steps per reader.
#include "core/bus/transfer/DeskReader.h"
#include "core/bus/transfer/HandheldWalk.h"

#include <QSignalSpy>
#include <QTest>

using namespace varnox;

class TestDeskReader : public QObject {
    Q_OBJECT

private slots:
    void keyNumbers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("learned");
        QTest::newRow("twelve digits") << QByteArray("\x01"
                                                     "00000000ABCD\x04")
                                       << QStringList { "00000000ABCD" };
        QTest::newRow("ten characters are enough") << QByteArray("\x01"
                                                                 "123456789A\x04")
                                                   << QStringList { "123456789A" };
        QTest::newRow("nine are not") << QByteArray("\x01"
                                                    "123456789\x04")
                                      << QStringList {};
        QTest::newRow("before the first SOH") << QByteArray("12345\x7f"
                                                            "67890\x04")
                                              << QStringList { "1234567890" };
        QTest::newRow("a SOH discards what came before") << QByteArray("99999\x01"
                                                                       "1234567890\x04")
                                                         << QStringList { "1234567890" };
        QTest::newRow("control characters and small letters are ignored") << QByteArray("\x01"
                                                                                        "12345\x02"
                                                                                        "678a90\x04")
                                                                          << QStringList { "1234567890" };
        QTest::newRow("a dot telegram holds until the next SOH") << QByteArray("\x01.123456789\x04"
                                                                               "ABCDEF012345\x04\x01"
                                                                               "ABCDEF012345\x04")
                                                                 << QStringList { "ABCDEF012345" };
        QTest::newRow("a short dot telegram holds nothing") << QByteArray("\x01.1\x04"
                                                                          "ABCDEF012345\x04")
                                                            << QStringList { "ABCDEF012345" };
        QTest::newRow("noise without EOT is dropped at the cap") << (QByteArray("\x01") + QByteArray(70, '1')
            + "\x04"
              "ABCDEF012345\x04") << QStringList { "ABCDEF012345" };
    }

    void keyNumbers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, learned);
        DeskReader reader;
        QStringList got;
        connect(&reader, &DeskReader::keyLearned, [&got](const QString& n) { got << n; });
        for (const char ch : bytes)
            reader.receive(ch);
        QCOMPARE(got, learned);
    }

    // Three readers take 9 s: a hundred steps of 30 ms each, then the next.
    void handheldWalkTakesAHundredStepsPerReader()
    {
        HandheldWalk walk;
        QList<int> started, handedOver;
        int lastOverall = 0;
        connect(&walk, &HandheldWalk::readerStarted, [&](int i) { started << i; });
        connect(&walk, &HandheldWalk::readerHandedOver, [&](int i) { handedOver << i; });
        connect(&walk, &HandheldWalk::stepped, [&](int, int overall) { lastOverall = overall; });
        QSignalSpy finished(&walk, &HandheldWalk::finished);
        walk.begin(3);
        qint64 ms = 0;
        while (const std::optional<int> next = walk.tick())
            ms += *next;
        QCOMPARE(ms, 9000);
        QCOMPARE(started, (QList<int> { 0, 1, 2 }));
        QCOMPARE(handedOver, (QList<int> { 0, 1, 2 }));
        QCOMPARE(lastOverall, walk.overallMaximum());
        QCOMPARE(finished.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDeskReader)
#include "tst_deskreader.moc"
