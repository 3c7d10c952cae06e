#include "core/online/OnlineEvaluation.h"

#include "core/bus/BusSystem.h"

namespace varnox {

OnlineEvaluation::OnlineEvaluation(BusSystem& bus, const Clock& clock, DailyProtocol& protocol, EventSink& events,
    std::function<QString()> workCopyPath, QObject* parent)
    : QObject(parent)
    , m_monitor(this)
    , m_evaluation(bus, clock, protocol, events, std::move(workCopyPath), m_monitor, this)
    , m_timer(QStringLiteral("TimerEvalKeyRequest"), m_evaluation, this)
{
    connect(&bus.evaluation(), &EvaluationControl::startRequested, &m_timer, &TimerDriver::start);
}

} // namespace varnox
