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
    if (m_done)
        return;
    m_done = true;
    if (m_hooks.abortTransfer)
        m_hooks.abortTransfer();
    if (way == Way::Operator && m_session.projectOpen && m_hooks.askSaveAndClose)
        m_hooks.askSaveAndClose();
    if (m_writeProtocol)
        m_writeProtocol(GetText(482, "Programm beendet"));
    // Whatever opened a port, it must not stay open when the program is gone.
    if (m_hooks.closePorts)
        m_hooks.closePorts();
}

}  // namespace varnox
