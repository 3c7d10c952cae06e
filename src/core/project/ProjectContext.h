#pragma once

namespace varnox {

class DailyProtocol;
class Operator;
class ProjectHost;
struct Session;

// What the procedures over project files work with: the process-wide state,
// the daily protocol, the person at the desk and the windows around them.
struct ProjectContext {
    Session& session;
    DailyProtocol& protocol;
    Operator& op;
    ProjectHost& host;
};

// After a project was opened or created by a login: the failed login
// attempts, if any, and "Anmeldung im <mode>" go to the daily protocol and
// the count starts again.
void writeLoginEntries(ProjectContext& context);
void writeModeEntry(ProjectContext& context);
// A project given on the command line is opened without a login.
void writeWithoutLoginEntry(ProjectContext& context);

}  // namespace varnox
