#pragma once

#include "core/shell/Message.h"
#include "core/shell/TimerDriver.h"
#include "core/supervision/NetworkWatchdog.h"
#include "core/supervision/RemoteMaintenance.h"
#include "core/supervision/SupervisionSettings.h"
#include "core/supervision/SystemTest.h"
#include "core/supervision/Watchdog.h"

#include <QObject>

namespace varnox {

class BusPorts;
class Clock;
class DailyProtocol;
class Operator;
class Reception;

// The supervision of the open project, put together: the settings loaded
// from the project, the system test (TimerATest), the watchdog (TimerWDog),
// the network watchdog (tmrWDoNWSent, tmrWDoNWRecError), remote maintenance
// (TimerFW) and the additional save. The program owns one for its run.
class Supervision : public QObject {
    Q_OBJECT
public:
    Supervision(BusPorts& ports, Reception& reception, DailyProtocol& protocol, Operator& op, const Clock& clock,
        std::function<QString()> workCopyPath, QObject* parent = nullptr);

    // StartSupervision: when a project has been opened or created. Loads the
    // settings and starts every feature that is on; the others stop.
    void StartSupervision();

    // After a settings window was saved: the settings are loaded again and
    // the features of that window that are on start afresh.
    void busTabSaved();
    void networkTabSaved();
    void remoteMaintenanceSaved();
    void additionalSaveTabSaved() { reload(); }

    // The additional save after the project file was written: ok, or the
    // message to show.
    Outcome AdditionalSave(const QString& workCopyName) const;

    // At program end: every timer stops and the port is closed.
    void shutdown();

    const SupervisionSettings& settings() const { return m_settings; }
    SystemTest& systemTest() { return m_systemTest; }
    Watchdog& watchdog() { return m_watchdog; }
    NetworkWatchdog& network() { return m_network; }
    RemoteMaintenance& remoteMaintenance() { return m_remote; }

private:
    void reload();
    void stopNetwork();

    std::function<QString()> m_workCopyPath;
    SupervisionSettings m_settings;
    SystemTest m_systemTest;
    Watchdog m_watchdog;
    NetworkWatchdog m_network;
    RemoteMaintenance m_remote;
    TimerDriver m_systemTestTimer;
    TimerDriver m_watchdogTimer;
    TimerDriver m_sendTimer;
    TimerDriver m_checkTimer;
    TimerDriver m_remoteTimer;
};

} // namespace varnox
