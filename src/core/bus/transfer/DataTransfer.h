#pragma once

#include "core/bus/transfer/TransferPhases.h"
#include "core/bus/transfer/TransferPreparation.h"
#include "core/bus/transfer/TransferTexts.h"

#include <QObject>
#include <functional>

namespace varnox {

class BusPorts;
class DailyProtocol;
class Operator;
class Reception;
struct TelegramSlot;

// One transfer at a time of a reader's image into its EEPROM, in two
// timer-driven phases (see TransferPhases.h). A transfer that finishes
// clears the reader's Modify flag; one that stops short of its end (no
// answer, a wrong read-back, the port gone, the progress window closed, the
// program ending) writes why to the daily protocol and leaves the flag set,
// so that the reader is offered again, and the next transfer starts afresh.
class DataTransfer : public QObject {
    Q_OBJECT
public:
    DataTransfer(BusPorts& ports, Reception& reception, DailyProtocol& protocol, Operator& op,
        std::function<QString()> workCopyPath, QObject* parent = nullptr);

    // CmdDatBtn for the reader with that serial number, listed under that
    // name: prepares the image and runs the first step at once. False when
    // nothing was started (the reason has been told and written).
    bool start(const QString& serial, const QString& name);

    // Ends a running transfer from outside; nothing happens when none runs.
    void abort(TransferFailure why);

    bool isRunning() const { return m_running; }
    const TransferJob& job() const { return m_job; }
    int progressValue() const { return m_progress; }
    int progressMaximum() const { return m_job.image.end(); }

    // The sum of the intervals of the steps that lead from the start to the
    // end (phase 1 up to the start of phase 2, then phase 2): the time the
    // transfer takes when every tick comes on time.
    qint64 scheduledMs() const { return m_scheduledMs; }

    EepromAccessPhase& accessPhase() { return m_access; }
    WriteVerifyPhase& writePhase() { return m_write; }

    // For the phases.
    struct Context {
        int address = 0; // EEPROM address of the group in work
        int retries = 0; // verify retries of that group
        int polls = 0; // polls for the open EEPROM
        bool done = false;
    };
    Context& context() { return m_context; }
    const MemoryImage& image() const { return m_job.image; }
    int serialNumber() const { return m_serialNumber; }
    void send(const QString& payload);
    TelegramSlot& keyRequest();
    const TelegramSlot& busEvent();
    void setProgress(int value);
    void startWritePhase();
    void addScheduled(int ms) { m_scheduledMs += ms; }
    void finish();
    void fail(TransferFailure why);

signals:
    void progressChanged(int value, int maximum);
    // After the transfer's end, before its closing message.
    void ended(bool success);
    // The phases' timers are to be stopped.
    void stopped();

private:
    void tellAll(const QList<Message>& messages);
    Outcome clearModify();

    BusPorts& m_ports;
    Reception& m_reception;
    DailyProtocol& m_protocol;
    Operator& m_operator;
    std::function<QString()> m_workCopyPath;

    EepromAccessPhase m_access { *this };
    WriteVerifyPhase m_write { *this };
    TransferJob m_job;
    int m_serialNumber = 0;
    Context m_context;
    bool m_running = false;
    int m_progress = 0;
    qint64 m_scheduledMs = 0;
};

} // namespace varnox
