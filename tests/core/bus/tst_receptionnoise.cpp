// A long randomized stream: valid telegrams on three lines, interleaved
// byte by byte, with noise inside them (bytes that are never text) and
// between them (anything but EOT, torn telegrams, endless runs of text).
// Exactly the valid telegrams must reach their slots, in order, on their line.
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
    switch (type) {
    case '$':
    case '&':
    case ',': return SlotKind::BusEvent;
    case '%':
    case '\'': return SlotKind::KeyRequest;
    default: return SlotKind::CommandAnswer;
    }
}

class StreamMaker {
public:
    explicit StreamMaker(quint32 seed) : m_rng(seed) {}

    char textChar() { return char(0x20 + m_rng.bounded(0x27)); }
    char hexDigit() { return "0123456789ABCDEF"[m_rng.bounded(16)]; }
    char invisible()  // never text, never SOH or EOT
    {
        for (;;) {
            const char c = char(m_rng.bounded(256));
            if (!isTelegramChar(c) && c != kSoh && c != kEot)
                return c;
        }
    }
    char anythingButEot()
    {
        for (;;) {
            const char c = char(m_rng.bounded(256));
            if (c != kEot)
                return c;
        }
    }

    QByteArray telegramText()
    {
        static const char types[] = "#$&,%'0A (.";
        const char type = types[m_rng.bounded(int(sizeof(types) - 1))];
        QByteArray t(1, type);
        const int digits = m_rng.bounded(3) == 0 ? int(m_rng.bounded(12)) : 8;
        for (int i = 0; i < digits; ++i)
            t += m_rng.bounded(10) == 0 ? textChar() : hexDigit();
        return t;
    }

    // Adds one piece to the stream of a line; returns the telegram it carries.
    std::optional<QByteArray> piece(QByteArray& out, bool& afterEot)
    {
        const quint32 pick = m_rng.bounded(100);
        if (pick < 45) {
            const QByteArray t = telegramText();
            if (!afterEot || m_rng.bounded(4) != 0)
                out += kSoh;  // a telegram right after an EOT may lose its SOH
            for (const char c : t) {
                while (m_rng.bounded(8) == 0)
                    out += invisible();
                out += c;
            }
            out += kEot;
            afterEot = true;
            return t;
        }
        if (pick < 55) {  // an endless run of text, far past the cap, perhaps with an EOT
            out += QByteArray(int(TelegramAssembler::kCap) + 1 + int(m_rng.bounded(200)), hexDigit());
            afterEot = m_rng.bounded(2) == 0;
            if (afterEot)
                out += kEot;
            return std::nullopt;
        }
        if (pick < 70) {  // a telegram torn by a lost EOT
            out += kSoh + telegramText().left(int(1 + m_rng.bounded(8)));
        } else {
            const int n = int(m_rng.bounded(120));
            for (int i = 0; i < n; ++i)
                out += anythingButEot();
        }
        afterEot = false;
        return std::nullopt;
    }

    quint32 bounded(quint32 n) { return m_rng.bounded(n); }

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
        QMap<int, QByteArray> streams;
        QMap<int, QList<Filed>> expected;
        int readerTelegrams = 0;
        QMap<int, bool> afterEot;
        qsizetype total = 0;
        while (total < 1'000'000) {
            const int line = lines[int(maker.bounded(3))];
            const qsizetype before = streams[line].size();
            if (const auto t = maker.piece(streams[line], afterEot[line])) {
                expected[line].append({kindOf(t->front()), QString::fromLatin1(*t)});
                const char f = t->front();
                if (t->size() == 9 && f != ',' && kindOf(f) != SlotKind::CommandAnswer)
                    ++readerTelegrams;
            }
            total += streams[line].size() - before;
        }

        test::FakeClock clock;
        ProtocolList list;
        EvaluationControl evaluation;
        Reception reception(clock, list, evaluation);
        QMap<int, QList<Filed>> arrived;
        connect(&reception, &Reception::telegramFiled,
                [&](int line, SlotKind kind, const QString& text) { arrived[line].append({kind, text}); });

        // Interleave the lines byte by byte, at random.
        QMap<int, qsizetype> pos;
        qsizetype fed = 0;
        while (fed < total) {
            const int line = lines[int(maker.bounded(3))];
            const QByteArray& s = streams[line];
            for (int k = int(maker.bounded(16)); k >= 0 && pos[line] < s.size(); --k, ++fed)
                reception.receive(line, s[pos[line]++]);
        }

        int telegrams = 0;
        for (const int line : lines) {
            QCOMPARE(arrived[line].size(), expected[line].size());
            for (int i = 0; i < expected[line].size(); ++i) {
                if (!(arrived[line][i] == expected[line][i]))
                    QFAIL(qPrintable(QStringLiteral("line %1, telegram %2: got %3, expected %4")
                                         .arg(line)
                                         .arg(i)
                                         .arg(arrived[line][i].text, expected[line][i].text)));
            }
            telegrams += int(expected[line].size());
            QVERIFY(reception.lineSlots(line).rx.buffer().size() <= TelegramAssembler::kCap);
        }
        QCOMPARE(list.count(), readerTelegrams);
        qInfo("%lld bytes, %d telegrams, %d protocol list lines", qlonglong(total), telegrams, readerTelegrams);
    }
};

QTEST_GUILESS_MAIN(TestReceptionNoise)
#include "tst_receptionnoise.moc"
