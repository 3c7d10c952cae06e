#include "core/supervision/Supervision.h"

#include "core/supervision/AdditionalSave.h"

namespace varnox {

Supervision::Supervision(BusPorts& ports, Reception& reception, DailyProtocol& protocol, Operator& op,
    const Clock& clock, std::function<QString()> workCopyPath, QObject* parent)
    : QObject(parent)
    , m_workCopyPath(std::move(workCopyPath))
    , m_systemTest(m_settings, ports, reception, protocol, clock, m_workCopyPath)
    , m_watchdog(m_settings, ports, protocol, clock, m_workCopyPath)
    , m_network(m_settings, ports, protocol, clock, m_workCopyPath, this)
    , m_remote(m_settings, protocol, op, clock, m_workCopyPath)
    , m_systemTestTimer(QStringLiteral("TimerATest"), m_systemTest, this)
    , m_watchdogTimer(QStringLiteral("TimerWDog"), m_watchdog, this)
    , m_sendTimer(QStringLiteral("tmrWDoNWSent"), m_network.greeter(), this)
    , m_checkTimer(QStringLiteral("tmrWDoNWRecError"), m_network.receptionCheck(), this)
    , m_remoteTimer(QStringLiteral("TimerFW"), m_remote, this)
{
}

// Settings that cannot be read count as switched off.
void Supervision::reload()
{
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    if (path.isEmpty() || !readSupervisionSettings(path, m_settings))
        m_settings = SupervisionSettings();
}

void Supervision::StartSupervision()
{
    reload();
    if (m_settings.systemTest.on) {
        m_systemTest.restart();
    } else {
        m_systemTest.stop();
        m_systemTestTimer.stop();
    }
    if (m_settings.watchdog.on) {
        m_watchdog.restart();
    } else {
        m_watchdog.stop();
        m_watchdogTimer.stop();
    }
    if (m_settings.networkWatchdog.on)
        m_network.start();
    else
        stopNetwork();
    if (m_settings.remoteMaintenance.on) {
        m_remote.restart();
    } else {
        m_remote.stop();
        m_remoteTimer.stop();
    }
}

void Supervision::busTabSaved()
{
    reload();
    if (m_settings.systemTest.on)
        m_systemTest.restart();
    if (m_settings.watchdog.on)
        m_watchdog.restart();
}

void Supervision::networkTabSaved()
{
    reload();
    if (m_settings.networkWatchdog.on)
        m_network.start();
}

void Supervision::remoteMaintenanceSaved()
{
    reload();
    if (m_settings.remoteMaintenance.on)
        m_remote.restart();
}

Outcome Supervision::AdditionalSave(const QString& workCopyName) const
{
    return varnox::AdditionalSave(workCopyName, m_settings.additionalSave);
}

void Supervision::stopNetwork()
{
    m_sendTimer.stop();
    m_checkTimer.stop();
    m_network.stop();
}

void Supervision::shutdown()
{
    m_systemTest.stop();
    m_watchdog.stop();
    m_remote.stop();
    for (TimerDriver* t : { &m_systemTestTimer, &m_watchdogTimer, &m_remoteTimer })
        t->stop();
    stopNetwork();
}

} // namespace varnox
