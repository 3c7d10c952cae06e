#include "core/model/AssignmentOperations.h"
#include "core/model/ProfileOperations.h"
#include "core/model/SerialNumber.h"
#include "ctl/EditCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"

namespace varnox::ctl {

ExitStatus editProfile(Context& c, const QString& verb, const QString& project, Options& options)
{
    const bool add = verb == QLatin1String("add");
    const QString name
        = add ? options.take(QStringLiteral("name")).value_or(QString()) : required(options, QStringLiteral("name"));
    const QString newName = verb == QLatin1String("change") ? required(options, QStringLiteral("new-name")) : QString();
    c.noneLeft(options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        if (add)
            return reported(createProfile(workCopy, name));
        if (verb == QLatin1String("change"))
            return reported(renameProfile(workCopy, name, newName));
        return reported(deleteProfile(workCopy, name));
    });
}

ExitStatus editAssignment(Context& c, const QString& verb, const QString& project, Options& options)
{
    Assignment a;
    a.profile = options.take(QStringLiteral("profile")).value_or(QString());
    a.readerSerial = options.take(QStringLiteral("reader")).value_or(QString());
    if (!SerialNumber::check(a.readerSerial, Message(), QString()))
        a.readerSerial = SerialNumber::normalized(a.readerSerial); // "007" is reader 7
    const bool remove = verb == QLatin1String("remove");
    const std::optional<QString> zone = remove ? std::nullopt : options.take(QStringLiteral("zone"));
    const std::optional<QString> function = remove ? std::nullopt : options.take(QStringLiteral("function"));
    c.noneLeft(options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        if (remove)
            return reported(removeAssignment(workCopy, a.profile, a.readerSerial));
        Assignment wanted = a;
        if (verb == QLatin1String("change")) {
            // What the command line leaves out stays as stored.
            ReaderEntry reader;
            Assignment stored;
            if (loadAssignment(workCopy, a.profile, a.readerSerial, reader, stored))
                wanted = stored;
        }
        wanted.zone = zone.value_or(wanted.zone);
        wanted.function = function.value_or(wanted.function);
        if (verb == QLatin1String("add"))
            return reported(assignReader(workCopy, wanted));
        return reported(changeAssignment(workCopy, wanted));
    });
}

} // namespace varnox::ctl
