#include "core/project/ProjectContext.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Session.h"

namespace varnox {

namespace {

QString modeName(Mode mode)
{
    switch (mode) {
    case Mode::Beobachtung: return GetText(175, "Beobachtungsmodus");
    case Mode::Standard: return GetText(176, "Standardmodus");
    case Mode::Konfiguration: return GetText(177, "Konfigurationsmodus");
    default: return {};
    }
}

}  // namespace

void writeModeEntry(ProjectContext& context)
{
    context.protocol.write(GetText(249, "Anmeldung im ") + modeName(context.session.mode));
}

void writeWithoutLoginEntry(ProjectContext& context)
{
    context.protocol.write(GetText(664, "Ohne Anmeldung") + QStringLiteral(" --> ") + modeName(Mode::Beobachtung));
}

void writeLoginEntries(ProjectContext& context)
{
    Session& session = context.session;
    if (session.failedLogins > 0)
        context.protocol.write(GetText(247, "Anmeldung ") + QString::number(session.failedLogins)
                               + GetText(248, " mal fehlgeschlagen"));
    writeModeEntry(context);
    session.failedLogins = 0;
}

}  // namespace varnox
