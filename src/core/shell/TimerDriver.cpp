#include "core/shell/TimerDriver.h"

namespace varnox {

TimerDriver::TimerDriver(const QString& timerName, TimerProcedure& procedure, QObject* parent)
    : QObject(parent)
    , m_procedure(procedure)
{
    setObjectName(timerName + QStringLiteral("Driver"));
    m_timer.setParent(this);  // so that the window finds it by its name
    m_timer.setObjectName(timerName);
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimerDriver::onTimeout);
    m_procedure.wakeRequested = [this](int ms) { start(ms); };
}

void TimerDriver::start(int ms)
{
    m_timer.stop();
    m_timer.start(qMax(0, ms));
}

void TimerDriver::onTimeout()
{
    m_timer.stop();
    if (const std::optional<int> next = m_procedure.tick())
        start(*next);
}

}  // namespace varnox
