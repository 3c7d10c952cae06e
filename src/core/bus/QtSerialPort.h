#pragma once

#include "core/bus/SerialPort.h"

#include <QSerialPort>

namespace varnox {

// A serial port of the machine, reached through QSerialPort. The COM number
// is resolved through [Ports] of the configuration file at every open, so
// that a changed entry takes effect at the next opening.
class QtSerialPort final : public SerialPort {
    Q_OBJECT
public:
    QtSerialPort(QString configPath, QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void write(const QByteArray& bytes) override;
    void readPending() override;
    QString deviceName() const override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QString m_configPath;
    QSerialPort m_port;
    bool m_dtr = false;
    bool m_rts = false;
    bool m_closing = false;
};

class QtSerialPortFactory final : public SerialPortFactory {
public:
    explicit QtSerialPortFactory(QString configPath) : m_configPath(std::move(configPath)) {}
    SerialPort* create(int line, QObject* parent) override;

private:
    QString m_configPath;
};

}  // namespace varnox
