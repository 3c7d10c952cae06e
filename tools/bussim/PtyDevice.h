#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace varnox::bussim {

// One pseudo-terminal standing in for a serial device. The program opens
// its slave side through a link of fixed name (as it would open
// /dev/serial/by-id/...), so that the device can disappear and come back
// under the same name, as an adapter that is pulled out and plugged in.
class PtyDevice : public QObject {
    Q_OBJECT
public:
    explicit PtyDevice(QString linkPath, QObject* parent = nullptr);
    ~PtyDevice() override;

    bool plugIn();   // a fresh pseudo-terminal behind the link
    void pullOut();  // the link and the pseudo-terminal vanish
    bool isPresent() const { return m_master >= 0; }

    // False when the bytes did not all go out (no device, nobody reading).
    bool write(const QByteArray& bytes);
    const QString& linkPath() const { return m_link; }
    const QString& slaveName() const { return m_slaveName; }
    QString error() const { return m_error; }

signals:
    void received(const QByteArray& bytes);

private:
    void onReadable();

    QString m_link;
    QString m_slaveName;
    QString m_error;
    int m_master = -1;
    int m_slave = -1;  // kept open, so that the master never hangs up
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace varnox::bussim
