#include "core/bus/SerialPort.h"

namespace varnox {

void SerialPort::deliver(const QByteArray& bytes)
{
    if (!m_receiver)
        return;
    for (const char ch : bytes)
        m_receiver(ch);
}

}  // namespace varnox
