#pragma once

#include <QString>

namespace varnox {

class ProjectOpener;
struct ProjectContext;

// The start with a project named on the command line, typically a
// monitoring PC that starts the program with its project at boot: the
// project opens in Beobachtungsmodus without a login. Its work copy is
// checked and upgraded like every other opening. A work copy left behind by
// the last run holds the newest state of the project, so it is kept (and
// the daily protocol says so) rather than asking someone who is not there.
//
// False when the project could not be opened: its message has been shown,
// a fresh work copy is gone again, and the program goes on as if no project
// had been named.
bool openCommandLineProject(const QString& projectFile, ProjectContext& context, ProjectOpener& opener);

}  // namespace varnox
