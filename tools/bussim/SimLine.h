#pragma once

#include "FrameReader.h"
#include "PtyDevice.h"
#include "SimReader.h"
#include "SimTraffic.h"

#include <QList>
#include <QObject>

namespace varnox::bussim {

class SimLog;

// One bus line: the PC interface on a pseudo-terminal and the readers
// behind it. The interface answers the presence query "(01" with "#" and
// takes the set-up command ".3F"; every bus command (type " ") reaches the
// readers, which answer as readers do. A frame the interface would not take
// is logged as invalid and goes no further. The desk reader's port (line 8) is a
// SimLine without interface and readers: it only sends key numbers.
class SimLine : public QObject {
    Q_OBJECT
public:
    SimLine(int number, const QString& linkPath, SimLog& log, int delayMs, QObject* parent = nullptr);

    int number() const { return m_number; }
    bool isDeskReader() const { return m_number == 8; }
    PtyDevice& device() { return m_device; }
    QList<SimReader>& readers() { return m_readers; }
    SimReader* reader(int serial);
    SimReader* readerAt(int as);

    // Faults of the interface: silent, or answering only from the n-th query.
    void setInterfaceSilent(bool silent) { m_silent = silent; }
    void setAnswerFrom(int n) { m_answerFrom = qMax(1, n); }
    int presenceQueries() const { return m_presenceQueries; }
    // Somebody listens: the interface was set up (".3F") since the device
    // last appeared and no presence query came after it.
    bool interfaceSetUp() const { return m_setUp && m_device.isPresent(); }
    // A reader on the line is selected for an EEPROM access.
    bool transferring() const;
    void unplug();

    // A key held to the reader with AS address `as` (12 hexadecimal digits);
    // to the desk reader when this is line 8.
    void presentKey(int as, const QString& keyNumber);
    void sendNoise(int count);
    // `perSecond` reader telegrams a second from now on; 0 stops them.
    void setTraffic(int perSecond);
    void sendTelegram(const QString& text);

private:
    void onReceived(const QByteArray& bytes);
    void handle(const QString& telegram);
    void busCommand(const QString& payload);
    void eepromCommand(const QString& payload);
    void toReader(const QString& payload);
    void answer(const QString& text, int extraDelayMs = 0);

    int m_number;
    SimLog& m_log;
    int m_delayMs;
    PtyDevice m_device;
    FrameReader m_rx;
    QList<SimReader> m_readers;
    bool m_silent = false;
    int m_answerFrom = 1;
    int m_presenceQueries = 0;
    bool m_setUp = false;
    SimTraffic m_traffic{m_device};
};

}  // namespace varnox::bussim
