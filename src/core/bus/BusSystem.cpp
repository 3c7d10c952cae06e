#include "core/bus/BusSystem.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"

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
    connect(&m_protocolList, &ProtocolList::linesDropped, this, [&protocol](int count) {
        protocol.write(
            GetText(3500, "Liste der empfangenen Lesertelegramme voll: die ältesten %1 Einträge wurden verworfen")
                .arg(count));
    });
}

void BusSystem::shutdown()
{
    m_busOkTimer.stop();
    m_opener.stop();
    m_ports.closeAll();
}

}  // namespace varnox
