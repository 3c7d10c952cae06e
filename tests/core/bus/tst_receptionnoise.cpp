// A long random stream on three lines, interleaved piece by piece: telegram
// text, bytes that are never text, SOH and EOT anywhere, runs of text far
// past the cap. Reception must file exactly the telegrams the plain model of
// the framing rules completes, in order, on their line, in the slot of their
// type, and list exactly the readers' telegrams of full length.
#include "FakeClock.h"
#include "FramingModel.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"

#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

struct Filed {
    int line;
    SlotKind kind;
    QString text;
    bool operator==(const Filed&) const = default;
};

SlotKind kindOf(char type)
{
    if (QByteArray("$&,").contains(type))
        return SlotKind::BusEvent;
    return QByteArray("%'").contains(type) ? SlotKind::KeyRequest : SlotKind::CommandAnswer;
}

QByteArray piece(QRandomGenerator& random)
{
    const quint32 pick = random.bounded(100);
    if (pick < 25)
        return QByteArray(1, pick < 10 ? kSoh : kEot);
    if (pick < 27)
        return QByteArray(TelegramAssembler::kCap + 1 + int(random.bounded(200)), "0123456789ABCDEF"[random.bounded(16)]);
    QByteArray bytes;
    if (pick < 35)  // a reader's type and digits, whole or short of one
        return bytes + "$&%'"[random.bounded(4)] + QByteArray::number(random.bounded(0x1000000, 0x20000000), 16).toUpper();
    for (int n = int(random.bounded(1, 5)); n > 0; --n)
        bytes += pick < 85 ? "#$&,%'0A (.0123456789ABCDEF"[random.bounded(27)] : char(random.bounded(256));
    return bytes;
}

}  // namespace

class TestReceptionNoise : public QObject {
    Q_OBJECT

private slots:
    void receptionFilesWhatTheModelCompletes()
    {
        const quint32 seed = qEnvironmentVariableIsSet("VARNOX_SEED") ? quint32(qEnvironmentVariableIntValue("VARNOX_SEED"))
                                                                      : QRandomGenerator::global()->generate();
        qInfo("seed %u (set VARNOX_SEED to repeat)", seed);
        QRandomGenerator random(seed);
        test::FakeClock clock;
        ProtocolList list;
        EvaluationControl evaluation;
        Reception reception(clock, list, evaluation);
        QList<Filed> arrived;
        QList<Filed> expected;
        connect(&reception, &Reception::telegramFiled,
                [&arrived](int line, SlotKind kind, const QString& text) { arrived.append({line, kind, text}); });
        QMap<int, test::FramingModel> models;
        int listed = 0;
        for (qsizetype total = 0; total < 3'000'000;) {
            const int line = QList<int>{1, 9, 16}[int(random.bounded(3))];
            const QByteArray bytes = piece(random);
            for (const char c : bytes) {
                reception.receive(line, c);
                if (const std::optional<QByteArray> t = models[line].feed(c)) {
                    expected.append({line, kindOf(t->front()), QString::fromLatin1(*t)});
                    listed += test::listedTelegram(*t);
                }
            }
            total += bytes.size();
            QVERIFY(reception.lineSlots(line).rx.buffer().size() <= TelegramAssembler::kCap);
        }
        QCOMPARE(arrived.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            if (!(arrived[i] == expected[i]))
                QFAIL(qPrintable(QStringLiteral("telegram %1: got %2 on line %3, expected %4 on line %5")
                                     .arg(i)
                                     .arg(arrived[i].text)
                                     .arg(arrived[i].line)
                                     .arg(expected[i].text)
                                     .arg(expected[i].line)));
        }
        QCOMPARE(list.count(), listed);
        qInfo("%lld telegrams, %d listed", qlonglong(expected.size()), listed);
        QVERIFY(expected.size() > 30'000 && listed > 500);
    }
};

QTEST_GUILESS_MAIN(TestReceptionNoise)
#include "tst_receptionnoise.moc"
