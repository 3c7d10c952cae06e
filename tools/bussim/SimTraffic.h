#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace varnox::bussim {

class PtyDevice;

// Reader telegrams at a steady rate on one line, as a busy installation
// sends them: key requests ("%") and bus events ("$") in turns, nine
// characters each, with running numbers. They are too many to be logged one
// by one; the line logs only when the traffic starts and stops.
class SimTraffic : public QObject {
    Q_OBJECT
public:
    explicit SimTraffic(PtyDevice& device, QObject* parent = nullptr);

    void setRate(int perSecond);  // 0 stops
    int rate() const { return m_rate; }

private:
    void onTick();

    PtyDevice& m_device;
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_sent = 0;
    int m_rate = 0;
    quint32 m_number = 0;
};

}  // namespace varnox::bussim
