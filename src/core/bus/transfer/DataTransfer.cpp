#include "core/bus/transfer/DataTransfer.h"

#include "core/bus/BusPorts.h"
#include "core/bus/Reception.h"
#include "core/bus/SerialPort.h"
#include "core/bus/Telegram.h"
#include "core/model/ProjectWork.h"
#include "core/online/DailyProtocol.h"
#include "core/project/Database.h"
#include "core/project/SaveState.h"
#include "core/shell/Operator.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {

DataTransfer::DataTransfer(BusPorts& ports, Reception& reception, DailyProtocol& protocol, Operator& op,
    std::function<QString()> workCopyPath, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
    , m_reception(reception)
    , m_protocol(protocol)
    , m_operator(op)
    , m_workCopyPath(std::move(workCopyPath))
{
    connect(&m_ports, &BusPorts::portLost, this, [this](int line) {
        if (m_running && line == m_job.line)
            fail(TransferFailure::PortUnavailable);
    });
}

bool DataTransfer::start(const QString& serial, const QString& name)
{
    if (m_running)
        return false;
    m_protocol.write(TransferTexts::started(name));
    const QString workCopy = m_workCopyPath ? m_workCopyPath() : QString();
    TransferPreparation prepared = prepareTransfer(workCopy, serial, name);
    if (!prepared.job) {
        m_protocol.write(prepared.protocolText);
        tellAll(prepared.messages);
        return false;
    }
    if (!m_ports.port(prepared.job->line).isOpen()) {
        m_protocol.write(transferFailureProtocolText(TransferFailure::PortUnavailable));
        tellAll({ *transferFailureMessage(TransferFailure::PortUnavailable) });
        return false;
    }
    m_job = std::move(*prepared.job);
    m_serialNumber = m_job.reader.serial.toInt();
    m_context = Context();
    m_progress = 0;
    m_scheduledMs = 0;
    m_running = true;
    m_write.stop();
    emit stopped(); // a timer left over from the last transfer must not tick into this one
    m_access.start();
    return true;
}

void DataTransfer::abort(TransferFailure why)
{
    if (m_running)
        fail(why);
}

void DataTransfer::send(const QString& payload)
{
    m_ports.SendTelegram(payload, m_job.line);
}

// A phase looks at a slot to judge an answer, or to clear it before the next
// command: either way after the bytes waiting in the line's port were read,
// so that an answer the program, busy with other lines, has not read yet is
// neither missed nor taken for the next one.
TelegramSlot& DataTransfer::keyRequest()
{
    m_ports.port(m_job.line).readPending();
    return m_reception.keyRequest(m_job.line);
}

const TelegramSlot& DataTransfer::busEvent()
{
    m_ports.port(m_job.line).readPending();
    return m_reception.busEvent(m_job.line);
}

void DataTransfer::setProgress(int value)
{
    m_progress = value;
    emit progressChanged(value, progressMaximum());
}

void DataTransfer::startWritePhase()
{
    m_write.start();
}

void DataTransfer::finish()
{
    m_write.stop();
    m_running = false;
    m_context.done = true; // the first phase stops at its next tick
    if (!m_job.image.isKeyImage())
        setProgress(MemoryImage::kBlockSize);
    send(telegram::end());
    m_protocol.write(TransferTexts::succeeded());
    const Outcome stored = clearModify();
    emit ended(true);
    m_operator.tell(TransferTexts::finished());
    if (!stored)
        m_operator.tell(stored.message());
}

void DataTransfer::fail(TransferFailure why)
{
    m_access.stop();
    m_write.stop();
    m_running = false;
    emit stopped();
    m_protocol.write(transferFailureProtocolText(why));
    emit ended(false);
    if (const std::optional<Message> message = transferFailureMessage(why))
        m_operator.tell(*message);
}

// The reader has its data: its Modify flag goes, and the project has a
// change to save. A flag that cannot be cleared only means the reader is
// offered once more.
Outcome DataTransfer::clearModify()
{
    const QString serial = m_job.reader.serial;
    const Outcome outcome = writeToProject(m_workCopyPath ? m_workCopyPath() : QString(), [&serial](Database& db) {
        SQLite::Statement q(db.sql(), "UPDATE Leser SET Modify = 0 WHERE Seriennr = ?");
        q.bind(1, serial.toStdString());
        q.exec();
        return Outcome::ok();
    });
    if (outcome)
        SetSaved(false);
    return outcome;
}

void DataTransfer::tellAll(const QList<Message>& messages)
{
    for (const Message& m : messages)
        m_operator.tell(m);
}

} // namespace varnox
