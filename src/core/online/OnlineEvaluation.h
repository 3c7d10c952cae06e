#pragma once

#include "core/online/KeyRequestEvaluation.h"
#include "core/online/MonitorList.h"
#include "core/shell/TimerDriver.h"

#include <QObject>

namespace varnox {

// The online half of the bus put together: the evaluation of key requests
// on its timer TimerEvalKeyRequest, started by reception, and the monitor
// list it fills. The main window owns one beside its BusSystem.
class OnlineEvaluation : public QObject {
    Q_OBJECT
public:
    OnlineEvaluation(BusSystem& bus, const Clock& clock, DailyProtocol& protocol, EventSink& events,
        std::function<QString()> workCopyPath, QObject* parent = nullptr);

    MonitorList& monitorList() { return m_monitor; }
    KeyRequestEvaluation& evaluation() { return m_evaluation; }
    TimerDriver& timer() { return m_timer; }

private:
    MonitorList m_monitor;
    KeyRequestEvaluation m_evaluation;
    TimerDriver m_timer;
};

} // namespace varnox
