#pragma once

#include "core/shell/TimerDriver.h"

#include <QDateTime>

namespace varnox {

class Clock;
struct SettingRow;

// A supervision procedure that runs while its setting is on and keeps its
// own due time, so that a tick that comes early (the timer was restarted or
// the clock went back) only waits out the rest.
class PacedProcedure : public TimerProcedure {
public:
    // Running from now on, with a tick at once.
    void restart();
    void stop() { m_running = false; }
    bool running() const { return m_running; }

    std::optional<int> tick() final;

protected:
    PacedProcedure(const SettingRow& setting, const Clock& clock);

    // The step once the due time has come; `now` is the clock's at the tick.
    virtual std::optional<int> due(const QDateTime& now) = 0;
    // The next step `ms` after `from`.
    int wait(const QDateTime& from, int ms);
    // No more steps until the next restart.
    std::optional<int> halt();

    const Clock& m_clock;

private:
    const SettingRow& m_setting;
    bool m_running = false;
    QDateTime m_due;
};

} // namespace varnox
