#include "core/project/CommandLineProject.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectOpener.h"
#include "core/project/SaveState.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"
#include "core/shell/Session.h"

namespace varnox {

bool openCommandLineProject(const QString& projectFile, ProjectContext& context, ProjectOpener& opener)
{
    if (!projectFile.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)) {
        context.op.tell(accessDeniedMessage());
        return false;
    }
    const WorkCopy copy = MakeWorkCopy(projectFile, context.op, LeftBehind::Keep);
    if (copy.name.isEmpty())
        return false;
    if (!CheckAndUpgrade(copy.name, context.op)) {
        // A kept copy holds changes that exist nowhere else; it stays for
        // the next opening, which offers them again.
        if (!copy.resumed)
            DiscardWorkCopy(copy.name);
        return false;
    }
    if (copy.resumed)
        context.protocol.write(GetText(2401, "Nicht gespeicherte Änderungen der Arbeitskopie übernommen: ")
                               + projectFile);
    Session& session = context.session;
    session.workCopyName = copy.name;
    session.projectGivenAtStart = true;
    session.mode = Mode::Beobachtung;
    SetSaved(!copy.resumed);
    opener.OpenProjectStart();
    return true;
}

}  // namespace varnox
