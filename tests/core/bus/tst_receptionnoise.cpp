// A long randomized stream: valid telegrams on three lines, interleaved
// byte by byte, with noise inside them (bytes that are never text) and
// between them (anything but EOT, torn telegrams, endless runs of text, a
// SOH lost right after an EOT). Exactly the valid telegrams must reach
// their slots, in order, on their line.
#include "FakeClock.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"
#include "core/bus/Telegram.h"

#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

struct Filed {
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

// The bytes of one line, the telegrams they carry and how far they are fed.
struct LineStream {
    QByteArray bytes;
    QList<Filed> telegrams;
    bool afterEot = false;
    qsizetype fed = 0;
};

class StreamMaker {
public:
    explicit StreamMaker(quint32 seed) : m_rng(seed) {}

    quint32 bounded(quint32 n) { return m_rng.bounded(n); }
    char hexDigit() { return "0123456789ABCDEF"[bounded(16)]; }
    // A random byte that `accept` takes.
    char byte(bool (*accept)(char))
    {
        for (;;)
            if (const char c = char(bounded(256)); accept(c))
                return c;
    }

    QByteArray telegramText()
    {
        static const char types[] = "#$&,%'0A (.";
        QByteArray t(1, types[bounded(sizeof(types) - 1)]);
        const int digits = bounded(3) == 0 ? int(bounded(12)) : 8;
        for (int i = 0; i < digits; ++i)
            t += bounded(10) == 0 ? char(0x20 + bounded(0x27)) : hexDigit();
        return t;
    }

    void addPiece(LineStream& s)
    {
        const quint32 pick = bounded(100);
        const bool afterEot = std::exchange(s.afterEot, false);
        if (pick < 45) {
            const QByteArray t = telegramText();
            if (!afterEot || bounded(4) != 0)
                s.bytes += kSoh;  // right after an EOT the SOH may be lost
            for (const char c : t) {
                while (bounded(8) == 0)
                    s.bytes += byte([](char b) { return !isTelegramChar(b) && b != kSoh && b != kEot; });
                s.bytes += c;
            }
            s.bytes += kEot;
            s.afterEot = true;
            s.telegrams.append({kindOf(t.front()), QString::fromLatin1(t)});
        } else if (pick < 55) {  // an endless run of text, far past the cap, perhaps with an EOT
            s.bytes += QByteArray(int(TelegramAssembler::kCap) + 1 + int(bounded(200)), hexDigit());
            s.afterEot = bounded(2) == 0;
            if (s.afterEot)
                s.bytes += kEot;
        } else if (pick < 70) {  // a telegram torn by a lost EOT
            s.bytes += kSoh + telegramText().left(int(1 + bounded(8)));
        } else {
            for (int n = int(bounded(120)); n > 0; --n)
                s.bytes += byte([](char b) { return b != kEot; });
        }
    }

private:
    QRandomGenerator m_rng;
};

}  // namespace

class TestReceptionNoise : public QObject {
    Q_OBJECT

private slots:
    void exactlyTheValidTelegramsArrive()
    {
        const quint32 seed = qEnvironmentVariableIsSet("VARNOX_SEED") ? quint32(qEnvironmentVariableIntValue("VARNOX_SEED"))
                                                                      : QRandomGenerator::global()->generate();
        qInfo("seed %u (set VARNOX_SEED to repeat)", seed);
        StreamMaker maker(seed);
        const QList<int> lines{1, 9, 16};
        QMap<int, LineStream> streams;
        qsizetype total = 0;
        while (total < 1'000'000) {
            LineStream& s = streams[lines[int(maker.bounded(3))]];
            total -= s.bytes.size();
            maker.addPiece(s);
            total += s.bytes.size();
        }

        test::FakeClock clock;
        ProtocolList list;
        EvaluationControl evaluation;
        Reception reception(clock, list, evaluation);
        QMap<int, QList<Filed>> arrived;
        connect(&reception, &Reception::telegramFiled,
                [&](int line, SlotKind kind, const QString& text) { arrived[line].append({kind, text}); });
        // Interleave the lines byte by byte, at random.
        for (qsizetype fed = 0; fed < total;) {
            const int line = lines[int(maker.bounded(3))];
            LineStream& s = streams[line];
            for (int k = int(maker.bounded(16)); k >= 0 && s.fed < s.bytes.size(); --k, ++fed)
                reception.receive(line, s.bytes[s.fed++]);
        }

        int telegrams = 0;
        int readerTelegrams = 0;  // of nine characters: the protocol list's
        for (const int line : lines) {
            const QList<Filed>& expected = streams[line].telegrams;
            QCOMPARE(arrived[line].size(), expected.size());
            for (int i = 0; i < expected.size(); ++i) {
                if (!(arrived[line][i] == expected[i]))
                    QFAIL(qPrintable(QStringLiteral("line %1, telegram %2: got %3, expected %4")
                                         .arg(line)
                                         .arg(i)
                                         .arg(arrived[line][i].text, expected[i].text)));
                readerTelegrams += expected[i].text.size() == 9 && QStringLiteral("$&%'").contains(expected[i].text[0]);
            }
            telegrams += int(expected.size());
            QVERIFY(reception.lineSlots(line).rx.buffer().size() <= TelegramAssembler::kCap);
        }
        QCOMPARE(list.count(), readerTelegrams);
        qInfo("%lld bytes, %d telegrams, %d protocol list lines", qlonglong(total), telegrams, readerTelegrams);
    }
};

QTEST_GUILESS_MAIN(TestReceptionNoise)
#include "tst_receptionnoise.moc"
