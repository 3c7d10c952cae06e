#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

namespace varnox {

// Why a port could not be opened, in the terms the operator's message uses.
enum class PortFailure { None, NotFound, PermissionDenied, Busy, Other };

// One serial port of the PC, opened by its COM number: 9600 baud, 8 data
// bits, no parity, 1 stop bit. Received bytes reach the receiver one at a
// time, in the order they came. Errors of the modem lines are ignored (a
// pseudo-terminal or an adapter without them refuses DTR and RTS). When the
// device fails while open (an adapter pulled out), the port closes itself
// and announces it once with lost().
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void setPortNumber(int com) { m_com = com; }
    int portNumber() const { return m_com; }

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    // Writes nothing when the port is closed. The bytes leave at once, so
    // that the wait for an answer starts when the command is on its way.
    virtual void write(const QByteArray& bytes) = 0;
    // Hands the receiver the bytes the device holds already but has not
    // announced yet (the program was busy elsewhere). A wait that runs out
    // calls it first, so that an answer waiting in the port is never taken
    // for silence. A port that hands over every byte at once needs nothing.
    virtual void readPending() {}

    // After a failed open(): why, and the device the COM number stood for.
    PortFailure lastFailure() const { return m_failure; }
    // With PermissionDenied: the group whose membership would give access,
    // when that is what is missing.
    const QString& lastFailureGroup() const { return m_failureGroup; }
    virtual QString deviceName() const = 0;

    void setReceiver(std::function<void(char)> receiver) { m_receiver = std::move(receiver); }

signals:
    void lost();

protected:
    void deliver(const QByteArray& bytes);
    // True while deliver() hands bytes over: bytes read now would overtake
    // the rest of them.
    bool delivering() const { return m_delivering; }
    void setFailure(PortFailure failure, const QString& group = {})
    {
        m_failure = failure;
        m_failureGroup = group;
    }

private:
    int m_com = 0;
    PortFailure m_failure = PortFailure::None;
    QString m_failureGroup;
    std::function<void(char)> m_receiver;
    bool m_delivering = false;
};

// Makes the port object of a line (MSComm1(n), MSComm2 for line 8).
class SerialPortFactory {
public:
    virtual ~SerialPortFactory() = default;
    virtual SerialPort* create(int line, QObject* parent) = 0;
};

}  // namespace varnox
