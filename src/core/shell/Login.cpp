#include "core/shell/Login.h"

#include "core/lang/Texts.h"
#include "core/shell/Modes.h"
#include "core/shell/PasswordStore.h"

namespace varnox {
namespace {

LoginStep refused(Message message) { return {LoginStep::Kind::Refused, std::move(message), {}}; }

}  // namespace

Message noModeMessage()
{
    return {.text = GetText(524, "Sie haben keinen Modus ausgewählt!"),
            .title = GetText(525, "Kein Modus"),
            .icon = MessageIcon::Exclamation, .focus = {}, .selectAll = false};
}

const QString LoginProcedure::kPasswordBox = QStringLiteral("TxtLogPW");

Message invalidPasswordMessage(const QString& focus)
{
    return {.text = GetText(526, "Ungültiges Passwort. Bitte versuchen Sie es noch einmal!"),
            .title = GetText(527, "Anmeldung"),
            .icon = MessageIcon::Exclamation, .focus = focus, .selectAll = true};
}

void LoginProcedure::RequestMode()
{
    m_session.modeChangeRequested = true;
    m_session.failedLogins = 0;
}

LoginStep LoginProcedure::Login(int listPosition, const QString& password)
{
    const Mode mode = modeAtListPosition(listPosition);
    if (mode == Mode::None)
        return refused(noModeMessage());
    if (!PasswordStore(m_config).verify(mode, password)) {
        ++m_session.failedLogins;
        return refused(invalidPasswordMessage(kPasswordBox));
    }
    m_session.mode = mode;
    if (!m_session.modeChangeRequested)
        return {LoginStep::Kind::FirstLogin, {}, {}};  // the entries follow once a project is open
    m_session.modeChangeRequested = false;
    return {LoginStep::Kind::ModeChanged, {}, takeLoginEntries(m_session)};
}

LoginStep LoginProcedure::CancelLogin()
{
    if (m_session.projectOpen)
        return {LoginStep::Kind::ModeKept, {}, {GetText(265, "Neue Anmeldung abgebrochen")}};
    QStringList lines = failedLoginEntry(m_session.failedLogins);
    lines << GetText(264, "Anmeldung abgebrochen");
    return {LoginStep::Kind::EndProgram, {}, lines};
}

}  // namespace varnox
