#pragma once

#include "core/shell/Clock.h"

#include <optional>

namespace varnox::test {

// A clock that shows what the test sets and moves only when told.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 5), QTime(12, 0, 0))) : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& t) { m_now = t; }
    void advanceSecs(qint64 s) { m_now = m_now.addSecs(s); }
    void advanceMSecs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

// Ticks `tick` as its timer would, moving `clock` on by each interval it asks
// for (at least `minStepMs`), until it stops or `budgetMs` is spent.
template <typename Tick> void runTicks(FakeClock& clock, Tick tick, qint64 budgetMs, int minStepMs = 0)
{
    const QDateTime until = clock.now().addMSecs(budgetMs);
    while (clock.now() < until) {
        const std::optional<int> next = tick();
        if (!next)
            return;
        clock.set(qMin(clock.now().addMSecs(qMax(minStepMs, *next)), until));
    }
}

}  // namespace varnox::test
