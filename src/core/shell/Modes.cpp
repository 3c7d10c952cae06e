#include "core/shell/Modes.h"

#include "core/lang/Texts.h"

namespace varnox {

QString modeName(Mode mode)
{
    switch (mode) {
    case Mode::Beobachtung: return GetText(175, "Beobachtungsmodus");
    case Mode::Standard: return GetText(176, "Standardmodus");
    case Mode::Konfiguration: return GetText(177, "Konfigurationsmodus");
    case Mode::None: break;
    }
    return {};
}

Mode modeAtListPosition(int position)
{
    return position >= 0 && position <= 2 ? Mode(position + 1) : Mode::None;
}

int listPositionOf(Mode mode) { return mode == Mode::None ? -1 : int(mode) - 1; }

QStringList failedLoginEntry(int failedLogins)
{
    if (failedLogins <= 0)
        return {};
    return {GetText(247, "Anmeldung ") + QString::number(failedLogins) + GetText(248, " mal fehlgeschlagen")};
}

QStringList takeLoginEntries(Session& session)
{
    QStringList lines = failedLoginEntry(session.failedLogins);
    lines << GetText(249, "Anmeldung im ") + modeName(session.mode);
    session.failedLogins = 0;
    return lines;
}

}  // namespace varnox
