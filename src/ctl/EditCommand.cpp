#include "core/lang/Texts.h"
#include "ctl/EditCommands.h"
#include "ctl/PortCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"

namespace varnox::ctl {

QString required(Options& options, const QString& option)
{
    const std::optional<QString> value = options.take(option);
    if (!value)
        throw UsageError { GetText(4034, "Es fehlt: %1").arg(QStringLiteral("--") + option) };
    return *value;
}

ExitStatus editCommand(Context& c, Options& options)
{
    static const QList<QPair<QString, EditCommand>> kinds = {
        { QStringLiteral("reader"), editReader },
        { QStringLiteral("function"), editFunction },
        { QStringLiteral("zone"), editZone },
        { QStringLiteral("profile"), editProfile },
        { QStringLiteral("key"), editKey },
        { QStringLiteral("assignment"), editAssignment },
        { QStringLiteral("port"), editPort },
    };
    const QStringList words
        = c.words({ QStringLiteral("reader|function|zone|profile|key|assignment|port"), QStringLiteral("PROJECT") });
    for (const auto& [kind, edit] : kinds) {
        if (kind != words[0])
            continue;
        const std::optional<QString> project = projectName(words[1], c.op);
        if (!project) {
            c.noneLeft(options); // a wrong command line is told before a wrong name
            return EntryRefused;
        }
        return edit(c, c.args.words[0], *project, options);
    }
    throw UsageError { c.unknownWord(words[0]) };
}

} // namespace varnox::ctl
