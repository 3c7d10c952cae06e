#include "core/bus/ComAssignment.h"
#include "core/bus/PortMap.h"
#include "core/project/DbError.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/ProgramFolder.h"
#include "ctl/EditCommands.h"
#include "ctl/PortCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"

namespace varnox::ctl {
namespace {

constexpr int kDeskLine = 8;

// A bus line 1..16, or "desk" for the desk reader's port (line 8).
std::optional<int> lineOrDesk(const QString& text)
{
    if (text.trimmed().toLower() == QLatin1String("desk"))
        return kDeskLine;
    const std::optional<int> line = number(text);
    return line && *line >= 1 && *line <= 16 ? line : std::nullopt;
}

// COM 1..255, or 0 for none.
std::optional<int> comPort(const QString& text)
{
    const std::optional<int> com = number(text);
    return com && *com >= 0 && *com <= kMaxComPort ? com : std::nullopt;
}

Outcome databaseFailure(const std::exception& e)
{
    return Outcome::fail(databaseErrorMessage(toDbError(e)), Refusal::Database);
}

} // namespace

// As the page "Verbindungen" stores it: every line's port at once, so that
// its check (no port for two lines) sees the new one among the others.
ExitStatus editPort(Context& c, const QString& verb, const QString& project, Options& options)
{
    if (verb != QLatin1String("change"))
        throw UsageError { c.unknownWord(QStringLiteral("port")) };
    const QString bus = required(options, QStringLiteral("bus"));
    const QString com = required(options, QStringLiteral("com"));
    const std::optional<int> line = lineOrDesk(bus);
    if (!line)
        invalidValue(QStringLiteral("bus"), bus);
    const std::optional<int> port = comPort(com);
    if (!port)
        invalidValue(QStringLiteral("com"), com);
    c.noneLeft(options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        try {
            ComAssignment ports = readComAssignment(workCopy);
            if (ports[*line - 1] == *port)
                return EditResult { Done, false };
            ports[*line - 1] = *port;
            return reported(SaveComAssignment(workCopy, ports));
        } catch (const std::exception& e) {
            return reported(databaseFailure(e));
        }
    });
}

Outcome listPorts(const QString& path, Table& table)
{
    try {
        const ComAssignment ports = readComAssignment(path);
        const ConfigFile config(ProgramFolder::configFile());
        for (int line = 1; line <= 16; ++line) {
            const int com = ports[line - 1];
            table.add({ line, com, com > 0 ? deviceForComPort(config, com) : QString() });
        }
        return Outcome::ok();
    } catch (const std::exception& e) {
        return databaseFailure(e);
    }
}

} // namespace varnox::ctl
