#include "SimTraffic.h"

#include "FrameReader.h"
#include "PtyDevice.h"
#include "SimReader.h"

namespace varnox::bussim {

SimTraffic::SimTraffic(PtyDevice& device, QObject* parent)
    : QObject(parent)
    , m_device(device)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &SimTraffic::onTick);
}

void SimTraffic::setRate(int perSecond)
{
    m_rate = qMax(0, perSecond);
    m_sent = 0;
    m_since.start();
    if (m_rate > 0)
        m_timer.start();
    else
        m_timer.stop();
}

// Catches up with the rate since the start, so that a late tick sends more.
void SimTraffic::onTick()
{
    const qint64 due = m_since.elapsed() * m_rate / 1000;
    QByteArray bytes;
    for (; m_sent < due; ++m_sent) {
        const QChar type = m_number % 2 ? QLatin1Char('$') : QLatin1Char('%');
        bytes += kSoh + (type + hexText(m_number++, 8)).toLatin1() + kEot;
    }
    if (!bytes.isEmpty() && m_device.isPresent())
        m_device.write(bytes);
}

}  // namespace varnox::bussim
