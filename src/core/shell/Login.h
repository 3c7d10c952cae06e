#pragma once

#include "core/shell/Message.h"
#include "core/shell/Session.h"

#include <QStringList>

namespace varnox {

class ConfigFile;

// "Ungültiges Passwort. ...": the password box `focus` gets its text selected.
Message invalidPasswordMessage(const QString& focus);
// "Sie haben keinen Modus ausgewählt!"
Message noModeMessage();

// What the login dialog does after its OK or cancel button.
struct LoginStep {
    enum class Kind {
        Refused,  // the dialog stays: show the message; the password is selected
        FirstLogin,  // the mode is set; the way to a project follows (OpenProjectStart)
        ModeChanged,  // the mode is set; the main window is filled anew and the dialog closes
        ModeKept,  // a mode change was cancelled: the dialog closes, the mode stays
        EndProgram,  // the first login was cancelled: the program ends
    };
    Kind kind = Kind::Refused;
    Message message;
    QStringList protocolLines;  // for the daily protocol, in this order
};

// The login dialog FrmLogIn as the process-wide state sees it: at start-up,
// and whenever the operator asks for another mode from the main window.
class LoginProcedure {
public:
    // The objectName of the dialog's password box, which gets the focus
    // after a refused password.
    static const QString kPasswordBox;

    LoginProcedure(Session& session, ConfigFile& config) : m_session(session), m_config(config) { }

    // RequestMode: the login dialog opens for a change of mode while a
    // project is open; the failed attempts are counted afresh.
    void RequestMode();

    // Login: `listPosition` of CmbLogMod (-1: none chosen) and the password typed.
    LoginStep Login(int listPosition, const QString& password);

    // CancelLogin: the dialog's cancel button (and its close box).
    LoginStep CancelLogin();

private:
    Session& m_session;
    ConfigFile& m_config;
};

}  // namespace varnox
