#include "core/supervision/Watchdog.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/supervision/StoredFunction.h"
#include "core/supervision/SupervisionSettings.h"

namespace varnox {

Watchdog::Watchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol, const Clock& clock,
    std::function<QString()> workCopyPath)
    : m_settings(settings)
    , m_ports(ports)
    , m_protocol(protocol)
    , m_clock(clock)
    , m_workCopyPath(std::move(workCopyPath))
{
}

void Watchdog::restart()
{
    m_running = true;
    m_due = m_clock.now();
    requestWake(0);
}

std::optional<int> Watchdog::tick()
{
    if (!m_settings.watchdog.on)
        m_running = false;
    if (!m_running)
        return std::nullopt;
    const QDateTime now = m_clock.now();
    if (now < m_due)
        return int(now.msecsTo(m_due));
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    if (!sendStoredFunction(m_ports, path, m_settings.watchdog.text))
        m_protocol.write(GetText(3702, "*** Watchdog: auszuführende Funktion nicht mehr vorhanden!"));
    const int ms = supervisionPauseMs(m_settings.watchdog.interval);
    m_due = now.addMSecs(ms);
    return ms;
}

} // namespace varnox
