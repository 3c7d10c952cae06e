#include "core/bus/BusPorts.h"

#include "core/bus/Reception.h"
#include "core/bus/SerialPort.h"
#include "core/bus/Telegram.h"

namespace varnox {

BusPorts::BusPorts(SerialPortFactory& factory, Reception& reception, QObject* parent)
    : QObject(parent)
    , m_reception(reception)
{
    for (int n = kFirstLine; n <= kLastLine; ++n) {
        SerialPort* p = factory.create(n, this);
        m_ports[size_t(n)] = p;
        if (n == kDeskReaderLine) {
            p->setReceiver([this](char ch) {
                if (m_deskReceiver)
                    m_deskReceiver(ch);
            });
        } else {
            p->setReceiver([this, n](char ch) { m_reception.receive(n, ch); });
        }
        connect(p, &SerialPort::lost, this, [this, n] { emit portLost(n); });
    }
}

SerialPort& BusPorts::port(int line)
{
    Q_ASSERT(line >= kFirstLine && line <= kLastLine);
    return *m_ports[size_t(qBound(kFirstLine, line, kLastLine))];
}

bool BusPorts::SendTelegram(const QString& telegram, int line)
{
    bool written = false;
    if (isBusLine(line) && isTelegramText(telegram)) {
        SerialPort& p = port(line);
        if (p.isOpen()) {
            p.write(frameBusTelegram(telegram));
            written = true;
        }
    }
    m_reception.recordSent(line, telegram);
    return written;
}

void BusPorts::setDeskReaderReceiver(std::function<void(char)> receiver) { m_deskReceiver = std::move(receiver); }

void BusPorts::closeAll()
{
    for (int n = kFirstLine; n <= kLastLine; ++n)
        port(n).close();
}

}  // namespace varnox
