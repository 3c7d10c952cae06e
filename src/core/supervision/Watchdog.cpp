#include "core/supervision/Watchdog.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/supervision/StoredFunction.h"
#include "core/supervision/SupervisionSettings.h"

namespace varnox {

Watchdog::Watchdog(const SupervisionSettings& settings, BusPorts& ports, DailyProtocol& protocol, const Clock& clock,
    std::function<QString()> workCopyPath)
    : PacedProcedure(settings.watchdog, clock)
    , m_settings(settings)
    , m_ports(ports)
    , m_protocol(protocol)
    , m_workCopyPath(std::move(workCopyPath))
{
}

std::optional<int> Watchdog::due(const QDateTime& now)
{
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    if (!sendStoredFunction(m_ports, path, m_settings.watchdog.text))
        m_protocol.write(GetText(3702, "*** Watchdog: auszuführende Funktion nicht mehr vorhanden!"));
    return wait(now, supervisionPauseMs(m_settings.watchdog.interval));
}

} // namespace varnox
