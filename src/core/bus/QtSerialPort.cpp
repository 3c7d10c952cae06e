#include "core/bus/QtSerialPort.h"

#include "core/bus/DeviceAccess.h"
#include "core/bus/PortMap.h"
#include "core/shell/ConfigFile.h"

#include <QFileInfo>

namespace varnox {
namespace {

// QSerialPort reports a port that another program holds (its lock file, an
// exclusive open) as a permission error too: only a device we may not open
// is a question of the operator's rights.
PortFailure failureOf(QSerialPort::SerialPortError error, const DeviceAccess& access)
{
    if (error == QSerialPort::DeviceNotFoundError || !access.exists())
        return PortFailure::NotFound;
    switch (error) {
    case QSerialPort::PermissionError: return access.readWrite ? PortFailure::Busy : PortFailure::PermissionDenied;
    case QSerialPort::OpenError: return PortFailure::Busy;
    default: return PortFailure::Other;
    }
}

}  // namespace

QtSerialPort::QtSerialPort(QString configPath, QObject* parent)
    : SerialPort(parent)
    , m_configPath(std::move(configPath))
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort() { m_port.close(); }

QString QtSerialPort::deviceName() const { return deviceForComPort(ConfigFile(m_configPath), portNumber()); }

bool QtSerialPort::open()
{
    setFailure(PortFailure::None);
    if (m_port.isOpen())
        return true;
    const QString device = deviceName();
    const QString path = QFileInfo(device).isAbsolute() ? device : QStringLiteral("/dev/") + device;
    m_port.setPortName(path);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        // QSerialPort keeps the name without its /dev/ folder: look at the
        // device we asked for, links followed.
        const DeviceAccess access = inspectDevice(path);
        setFailure(failureOf(m_port.error(), access), access.groupToJoin);
        m_port.clearError();
        return false;
    }
    // Bytes the device sent before we listened belong to nobody.
    m_port.clear(QSerialPort::AllDirections);
    m_port.setDataTerminalReady(m_dtr);
    m_port.setRequestToSend(m_rts);
    m_port.clearError();
    return true;
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

void QtSerialPort::setDtr(bool on)
{
    m_dtr = on;
    if (m_port.isOpen() && !m_port.setDataTerminalReady(on))
        m_port.clearError();
}

void QtSerialPort::setRts(bool on)
{
    m_rts = on;
    if (m_port.isOpen() && !m_port.setRequestToSend(on))
        m_port.clearError();
}

void QtSerialPort::write(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return;
    // QSerialPort would write at the next turn of the event loop, which may
    // come late when other lines keep it busy.
    m_port.write(bytes);
    m_port.flush();
}

void QtSerialPort::readPending()
{
    if (!m_port.isOpen() || delivering())
        return;
    // Reads what the device holds and announces it (onReadyRead); when
    // nothing is there it says so with a time-out error.
    m_port.waitForReadyRead(0);
    m_port.clearError();
    if (m_port.isOpen() && m_port.bytesAvailable() > 0)
        deliver(m_port.readAll());
}

void QtSerialPort::onReadyRead()
{
    if (m_port.isOpen())
        deliver(m_port.readAll());
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    const bool deviceGone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError
        || error == QSerialPort::WriteError;
    if (!deviceGone || !m_port.isOpen() || m_closing)
        return;
    // The device is gone (a pseudo-terminal without its other end keeps
    // reporting read errors). Close it outside QSerialPort's own handler.
    m_closing = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_closing = false;
            if (!m_port.isOpen())
                return;
            m_port.close();
            m_port.clearError();
            emit lost();
        },
        Qt::QueuedConnection);
}

SerialPort* QtSerialPortFactory::create(int line, QObject* parent)
{
    auto* port = new QtSerialPort(m_configPath, parent);
    port->setObjectName(line == 8 ? QStringLiteral("MSComm2") : QStringLiteral("MSComm1_%1").arg(line));
    return port;
}

}  // namespace varnox
