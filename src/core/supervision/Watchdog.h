#pragma once

#include "core/supervision/PacedProcedure.h"

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
class Watchdog : public PacedProcedure {
public:
    Watchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol, const Clock& clock,
        std::function<QString()> workCopyPath);

private:
    std::optional<int> due(const QDateTime& now) override;

    const SupervisionSettings& m_settings;
    BusPorts& m_ports;
    DailyProtocol& m_protocol;
    std::function<QString()> m_workCopyPath;
};

} // namespace varnox
