#pragma once

#include "core/shell/StartupRepair.h"

#include <QDate>
#include <QString>

namespace varnox {

class Clock;

// The daily protocol: every notable event as one line "hh:mm:ss<TAB>text" in
// log/ddmmyyyy.log of the program folder, the file of the day the line is
// written. The writer keeps no file open and never complains: a line that
// cannot be written is lost and the program runs on.
class DailyProtocol {
public:
    explicit DailyProtocol(const Clock& clock);

    void setSwitches(ProtocolSwitches switches) { m_switches = switches; }
    ProtocolSwitches switches() const { return m_switches; }
    bool recording() const { return m_switches.recording == 255; }
    bool encrypt() const { return m_switches.encrypt; }

    // WriteProtocol
    void write(const QString& text);

    static QString fileName(const QDate& day);  // "ddmmyyyy.log"
    static QString filePath(const QDate& day);

private:
    const Clock& m_clock;
    ProtocolSwitches m_switches;
};

}  // namespace varnox
