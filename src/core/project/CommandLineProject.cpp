#include "core/project/CommandLineProject.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
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
    // A kept copy that fails the check stays for the next opening, which
    // offers its changes again.
    const WorkCopy copy = makeCheckedWorkCopy(projectFile, context.op, LeftBehind::Keep);
    if (copy.name.isEmpty())
        return false;
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
