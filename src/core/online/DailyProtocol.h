#pragma once

#include "core/online/LineCipher.h"
#include "core/shell/StartupRepair.h"

#include <QDate>
#include <QString>

namespace varnox {

class Clock;

// The daily protocol: every notable event as one line "hh:mm:ss<TAB>text" in
// log/ddmmyyyy.log of the program folder, the file of the day the line is
// written. The writer keeps no file open and never complains: a line that
// cannot be written is lost and the program runs on.
//
// With Encrypt on each line goes into the file as one enciphered record
// followed by an empty line. The records of a day's file form a chain (see
// LineCipher); the writer continues the chain of a file an earlier run left,
// and remembers where its own last record ended so that it reads the file
// again only when somebody else changed it.
class DailyProtocol {
public:
    explicit DailyProtocol(const Clock& clock);

    void setSwitches(ProtocolSwitches switches) { m_switches = switches; }
    ProtocolSwitches switches() const { return m_switches; }
    bool recording() const { return m_switches.recording == 255; }
    bool encrypt() const { return m_switches.encrypt; }
    void setRecording(bool on) { m_switches.recording = on ? 255 : 0; }

    // WriteProtocol
    void write(const QString& text);

    const LineCipher& cipher() const { return m_cipher; }
    const Clock& clock() const { return m_clock; }

    static QString fileName(const QDate& day);  // "ddmmyyyy.log"
    static QString filePath(const QDate& day);

private:
    const Clock& m_clock;
    ProtocolSwitches m_switches;
    LineCipher m_cipher;

    // Where the last record this writer wrote ended, and its link.
    struct Tail {
        QString path;
        qint64 size = -1;
        ChainLink link;
    } m_tail;
};

}  // namespace varnox
