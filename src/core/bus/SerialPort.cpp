#include "core/bus/SerialPort.h"

namespace varnox {

void SerialPort::deliver(const QByteArray& bytes)
{
    if (!m_receiver)
        return;
    m_delivering = true;
    for (const char ch : bytes)
        m_receiver(ch);
    m_delivering = false;
}

}  // namespace varnox
