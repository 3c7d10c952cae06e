#pragma once

#include <QString>
#include <functional>

namespace varnox {

struct Session;

// What other parts of the program do when it ends. Each may stay empty.
struct ShutdownHooks {
    // Stops a transfer into a reader that is under way, first of all, so
    // that its end is written before the program's.
    std::function<void()> abortTransfer;
    // AskSaveAndClose: offers to save the open project and deletes its work copy.
    std::function<void()> askSaveAndClose;
    // Closes every serial port that is open.
    std::function<void()> closePorts;
};

// Terminate, short of closing the windows and ending the process, which the
// caller does next. Runs once, whichever way the end comes; a signal that
// comes while the operator's end still asks its save question finishes it
// at once, without an answer, so the work copy stays.
class Shutdown {
public:
    enum class Way {
        Operator,  // the operator confirmed: the open project is offered for saving
        Signal,    // told to end from outside: nothing is asked, the work copy stays for recovery
    };

    Shutdown(const Session& session, std::function<void(const QString&)> writeProtocol);

    ShutdownHooks& hooks() { return m_hooks; }
    void terminate(Way way);
    // The end has begun (it may still be asking whether to save).
    bool done() const { return m_state != State::Running; }
    // "Programm beendet" is written and the ports are closed.
    bool finished() const { return m_state == State::Finished; }

private:
    enum class State { Running, Ending, Finished };

    const Session& m_session;
    std::function<void(const QString&)> m_writeProtocol;
    ShutdownHooks m_hooks;
    State m_state = State::Running;
};

}  // namespace varnox
