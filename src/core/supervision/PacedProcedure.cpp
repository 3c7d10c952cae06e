#include "core/supervision/PacedProcedure.h"

#include "core/shell/Clock.h"
#include "core/supervision/SupervisionSettings.h"

namespace varnox {

PacedProcedure::PacedProcedure(const SettingRow& setting, const Clock& clock)
    : m_clock(clock)
    , m_setting(setting)
{
}

void PacedProcedure::restart()
{
    m_running = true;
    m_due = m_clock.now();
    requestWake(0);
}

std::optional<int> PacedProcedure::tick()
{
    if (!m_setting.on)
        m_running = false;
    if (!m_running)
        return std::nullopt;
    const QDateTime now = m_clock.now();
    if (now < m_due)
        return int(now.msecsTo(m_due));
    return due(now);
}

int PacedProcedure::wait(const QDateTime& from, int ms)
{
    m_due = from.addMSecs(ms);
    return ms;
}

std::optional<int> PacedProcedure::halt()
{
    m_running = false;
    return std::nullopt;
}

} // namespace varnox
