#include "core/bus/transfer/HandheldWalk.h"

namespace varnox {

void HandheldWalk::begin(int readers)
{
    m_readers = qMax(0, readers);
    m_reader = 0;
    m_step = 0;
}

std::optional<int> HandheldWalk::tick()
{
    if (!isRunning())
        return std::nullopt;
    if (m_step == kStepsPerReader) {
        m_step = 0;
        emit readerHandedOver(m_reader++);
        if (!isRunning()) {
            emit finished();
            return std::nullopt;
        }
    }
    if (m_step == 0)
        emit readerStarted(m_reader);
    ++m_step;
    emit stepped(m_step, m_reader * kStepsPerReader + m_step);
    return kStepMs;
}

} // namespace varnox
