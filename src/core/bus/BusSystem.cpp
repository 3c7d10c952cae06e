#include "core/bus/BusSystem.h"

namespace varnox {

BusSystem::BusSystem(SerialPortFactory& factory, const Clock& clock, ConfigFile& config, DailyProtocol& protocol,
                     EventSink& events, std::function<QString()> workCopyPath, PortTimings timings, QObject* parent)
    : QObject(parent)
    , m_protocolList(this)
    , m_evaluation(this)
    , m_reception(clock, m_protocolList, m_evaluation, this)
    , m_ports(factory, m_reception, this)
    , m_opener(m_ports, m_reception, clock, config, protocol, events, std::move(workCopyPath), timings, this)
    , m_busOkTimer(QStringLiteral("TimerBusOk"), m_opener, this)
{
}

void BusSystem::shutdown()
{
    m_busOkTimer.stop();
    m_opener.stop();
    m_ports.closeAll();
}

}  // namespace varnox
