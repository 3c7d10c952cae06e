#include "core/shell/PasswordChange.h"

#include "core/lang/Texts.h"
#include "core/shell/Login.h"
#include "core/shell/Modes.h"
#include "core/shell/PasswordStore.h"

namespace varnox {
namespace {

Message mismatchMessage()
{
    return {.text = GetText(528, "Die wiederholte Eingabe des neuen Passwortes ist nicht identisch mit der ersten Eingabe. Bitte wiederholen Sie den Vorgang."),
            .title = GetText(529, "Falsche Eingabe"),
            .icon = MessageIcon::Exclamation, .focus = PasswordChange::kRepeatBox, .selectAll = true};
}

// A password that could not be written must not look changed.
Message notStoredMessage()
{
    return {.text = GetText(2400, "Das Passwort konnte nicht gespeichert werden. Das bisherige Passwort gilt weiter."),
            .title = GetText(246, "Fehler"),
            .icon = MessageIcon::Critical, .focus = {}, .selectAll = false};
}

}  // namespace

const QString PasswordChange::kNewBox = QStringLiteral("TxtPWNeu");
const QString PasswordChange::kRepeatBox = QStringLiteral("TxtPWWdh");

QList<Mode> PasswordChange::offeredModes(Mode current)
{
    QList<Mode> modes{Mode::Beobachtung, Mode::Standard};
    if (current == Mode::Konfiguration)
        modes << Mode::Konfiguration;
    return modes;
}

Outcome PasswordChange::ChangePassword(Mode chosen, const QString& password, const QString& repetition,
                                       QString* protocolLine)
{
    if (chosen == Mode::None)
        return Outcome::fail(noModeMessage());
    if (password.isEmpty())
        return Outcome::fail(invalidPasswordMessage(kNewBox));
    if (repetition != password)
        return Outcome::fail(mismatchMessage());
    if (!PasswordStore(m_config).store(chosen, password))
        return Outcome::fail(notStoredMessage(), Refusal::Database);
    *protocolLine = GetText(530, "Passwortänderung beim ") + modeName(chosen);
    return Outcome::ok();
}

}  // namespace varnox
