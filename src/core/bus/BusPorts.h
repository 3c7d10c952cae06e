#pragma once

#include "core/bus/BusLines.h"

#include <QObject>
#include <array>
#include <functional>

namespace varnox {

class Reception;
class SerialPort;
class SerialPortFactory;

// The serial ports of the installation: one per bus line (MSComm1(n)) and
// the desk reader's (MSComm2, line 8). The bytes of a bus line go to
// reception; the desk reader's bytes go to whoever listens to that port.
class BusPorts : public QObject {
    Q_OBJECT
public:
    BusPorts(SerialPortFactory& factory, Reception& reception, QObject* parent = nullptr);

    SerialPort& port(int line);  // 1..16; 8 is the desk reader's

    // SendTelegram: SOH, " ", the text, EOT on the line's port when it is
    // open; nothing when it is closed. Either way the line's last bus event
    // becomes "$" + text. A text with a character that a telegram cannot
    // carry (a damaged stored function) is not sent at all, so that it can
    // never put a stray SOH or EOT on the bus. Returns whether it was written.
    bool SendTelegram(const QString& telegram, int line);

    void setDeskReaderReceiver(std::function<void(char)> receiver);

    // At program end.
    void closeAll();

signals:
    void portLost(int line);

private:
    Reception& m_reception;
    std::array<SerialPort*, kLastLine + 1> m_ports{};
    std::function<void(char)> m_deskReceiver;
};

}  // namespace varnox
