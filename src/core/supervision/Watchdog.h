#pragma once

#include "core/shell/TimerDriver.h"

#include <QDateTime>
#include <functional>

namespace varnox {

class BusPorts;
class Clock;
class DailyProtocol;
struct SupervisionSettings;

// The watchdog over the bus, driven by TimerWDog: sends its function every
// `Zeitintervall` seconds, so that a device on the bus can tell that the PC
// is alive. A function that no longer exists is written to the daily
// protocol at each turn instead, and the watchdog keeps ticking.
class Watchdog : public TimerProcedure {
public:
    Watchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol, const Clock& clock,
        std::function<QString()> workCopyPath);

    // A tick at once.
    void restart();
    void stop() { m_running = false; }
    bool running() const { return m_running; }

    std::optional<int> tick() override;

private:
    const SupervisionSettings& m_settings;
    BusPorts& m_ports;
    DailyProtocol& m_protocol;
    const Clock& m_clock;
    std::function<QString()> m_workCopyPath;
    bool m_running = false;
    QDateTime m_due;
};

} // namespace varnox
