#pragma once

#include <QFile>
#include <QString>

namespace varnox::bussim {

// Every telegram with a millisecond time stamp, one per line:
//   14:03:07.512 L01 rx (01        what the program sent on line 1
//   14:03:07.518 L01 tx #          what the simulator answered
//   14:03:09.100 L03 -- reader 1234: door opener
//   14:03:09.200 L01 !! invalid frame, no SOH: 20 35 38 30 42 04
// Line 08 is the desk reader. Standard output unless a file is given.
class SimLog {
public:
    explicit SimLog(const QString& path = {});

    void telegram(int line, const char* direction, const QString& text);
    void event(int line, const QString& text);
    // A frame the interface refused, with the bytes it was made of.
    void invalidFrame(int line, const QString& fault, const QByteArray& bytes);
    void note(const QString& text);  // not tied to a line

private:
    void put(const QString& text);

    QFile m_out;
};

}  // namespace varnox::bussim
