#include "core/shell/Shutdown.h"

#include "core/lang/Texts.h"
#include "core/shell/Session.h"

namespace varnox {

Shutdown::Shutdown(const Session& session, std::function<void(const QString&)> writeProtocol)
    : m_session(session)
    , m_writeProtocol(std::move(writeProtocol))
{
}

void Shutdown::terminate(Way way)
{
    if (m_state == State::Finished || (m_state == State::Ending && way == Way::Operator))
        return;
    const bool first = m_state == State::Running;
    m_state = State::Ending;
    if (first && m_hooks.abortTransfer)
        m_hooks.abortTransfer();
    if (first && way == Way::Operator && m_session.projectOpen && m_hooks.askSaveAndClose) {
        m_hooks.askSaveAndClose();
        if (m_state == State::Finished)
            return;  // a signal ended the program while the question was open
    }
    m_state = State::Finished;
    if (m_writeProtocol)
        m_writeProtocol(GetText(482, "Programm beendet"));
    // Whatever opened a port, it must not stay open when the program is gone.
    if (m_hooks.closePorts)
        m_hooks.closePorts();
}

}  // namespace varnox
