#include "core/project/ProjectContext.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Modes.h"

namespace varnox {

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
    for (const QString& line : takeLoginEntries(context.session))
        context.protocol.write(line);
}

}  // namespace varnox
