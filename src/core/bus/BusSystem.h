#pragma once

#include "core/bus/BusPorts.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/PortOpener.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"
#include "core/shell/TimerDriver.h"

#include <QObject>
#include <memory>

namespace varnox {

// Everything the program keeps for the bus while it runs, put together: the
// ports of the lines, reception with its slots and the protocol list
// cboProtIn, the port opening with its timer TimerBusOk. The main window
// owns one; InitPorts() when it has been filled for a project, shutdown()
// at the end.
//
// For the later parts: the evaluation of key requests connects
// evaluation().startRequested to its TimerEvalKeyRequest; the desk reader
// listens with ports().setDeskReaderReceiver; transfer, system test and
// watchdog send with ports().SendTelegram and read reception()'s slots.
class BusSystem : public QObject {
    Q_OBJECT
public:
    BusSystem(SerialPortFactory& factory, const Clock& clock, ConfigFile& config, DailyProtocol& protocol,
              EventSink& events, std::function<QString()> workCopyPath, PortTimings timings = {},
              QObject* parent = nullptr);

    ProtocolList& protocolList() { return m_protocolList; }
    EvaluationControl& evaluation() { return m_evaluation; }
    Reception& reception() { return m_reception; }
    BusPorts& ports() { return m_ports; }
    PortOpener& opener() { return m_opener; }
    TimerDriver& busOkTimer() { return m_busOkTimer; }

    void InitPorts() { m_opener.InitPorts(); }

    // Stops the retries and closes every port.
    void shutdown();

private:
    ProtocolList m_protocolList;
    EvaluationControl m_evaluation;
    Reception m_reception;
    BusPorts m_ports;
    PortOpener m_opener;
    TimerDriver m_busOkTimer;
};

}  // namespace varnox
