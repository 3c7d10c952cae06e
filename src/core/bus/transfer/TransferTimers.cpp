#include "core/bus/transfer/TransferTimers.h"

#include "core/bus/transfer/DataTransfer.h"

namespace varnox {

TransferTimers::TransferTimers(DataTransfer& transfer, QObject* parent)
    : QObject(parent)
    , m_transfer(transfer)
    , m_accessBlock(transfer.accessPhase())
    , m_accessKeys(transfer.accessPhase())
    , m_writeBlock(transfer.writePhase())
    , m_writeKeys(transfer.writePhase())
    , m_delz(QStringLiteral("TimerDelz"), m_accessBlock, this)
    , m_del(QStringLiteral("TimerDel"), m_accessKeys, this)
    , m_tmtz(QStringLiteral("TimerTMTz"), m_writeBlock, this)
    , m_tmt(QStringLiteral("TimerTMT"), m_writeKeys, this)
{
    transfer.accessPhase().wakeRequested = [this](int ms) { wake(m_delz, m_del, ms); };
    transfer.writePhase().wakeRequested = [this](int ms) { wake(m_tmtz, m_tmt, ms); };
    connect(&transfer, &DataTransfer::stopped, this, &TransferTimers::stopAll);
}

void TransferTimers::wake(TimerDriver& forBlock, TimerDriver& forKeys, int ms)
{
    const bool keys = m_transfer.image().isKeyImage();
    (keys ? forBlock : forKeys).stop();
    (keys ? forKeys : forBlock).start(ms);
}

void TransferTimers::stopAll()
{
    for (TimerDriver* d : { &m_delz, &m_del, &m_tmtz, &m_tmt })
        d->stop();
}

} // namespace varnox
