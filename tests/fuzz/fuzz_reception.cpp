// Reception fed with arbitrary bytes. The first byte spreads the rest over
// one to four lines; every telegram that reception files is compared with a
// plain model of the framing rules, and the invariants of the slots and of
// the protocol list are checked after every byte.
#include "FramingModel.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"
#include "core/bus/Telegram.h"
#include "core/shell/Clock.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>

using namespace varnox;

namespace {

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(23, 59, 59)); }
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static FixedClock clock;
    ProtocolList list;
    EvaluationControl evaluation;
    Reception reception(clock, list, evaluation);
    std::array<test::FramingModel, kLineSlots> models;
    std::deque<std::pair<int, QString>> filed;
    QObject::connect(&reception, &Reception::telegramFiled,
                     [&filed](int line, SlotKind, const QString& text) { filed.emplace_back(line, text); });

    const int lines = 1 + data[0] % 4;
    int listLines = 0;
    for (size_t i = 1; i < size; ++i) {
        const int line = 1 + int(i % size_t(lines)) * 5;  // lines 1, 6, 11, 16
        const char ch = char(data[i]);
        const std::optional<QByteArray> expected = models[size_t(line)].feed(ch);
        reception.receive(line, ch);
        if (expected) {
            check(filed.size() == 1 && filed.front().first == line
                  && filed.front().second == QString::fromLatin1(*expected));
            const QString& t = filed.front().second;
            check(isTelegramText(t) && t.size() <= TelegramAssembler::kCap);
            if (test::listedTelegram(*expected)) {
                ++listLines;
                check(list.at(listLines - 1).size() == 23 && list.at(listLines - 1).endsWith(t));
            }
            filed.clear();
        }
        check(filed.empty());
        check(list.count() == listLines);
        check(reception.lineSlots(line).rx.buffer().size() <= TelegramAssembler::kCap);
    }
    return 0;
}
