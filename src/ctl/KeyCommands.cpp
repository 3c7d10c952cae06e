#include "core/model/KeyOperations.h"
#include "ctl/EditCommands.h"
#include "ctl/KeyFields.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"

namespace varnox::ctl {
namespace {

// What the command line says about a key; nullopt: leave as it is.
struct KeyOptions {
    QString number;
    std::optional<QString> name;
    std::optional<QString> shortName;
    std::optional<QString> profile;
    std::optional<QString> start;
    std::optional<QString> end;
    bool dropProfile = false;
    bool noPeriod = false;
};

KeyOptions keyOptions(Context& c, const QString& verb, Options& options)
{
    KeyOptions k;
    k.number = required(options, QStringLiteral("number"));
    if (verb != QLatin1String("remove")) {
        k.name = options.take(QStringLiteral("name"));
        k.shortName = options.take(QStringLiteral("short-name"));
        k.profile = options.take(QStringLiteral("profile"));
        k.start = options.take(QStringLiteral("start"));
        k.end = options.take(QStringLiteral("end"));
    }
    if (verb == QLatin1String("change")) {
        k.dropProfile = options.flag(QStringLiteral("drop-profile"));
        k.noPeriod = options.flag(QStringLiteral("no-period"));
    }
    c.noneLeft(options);
    return k;
}

EditResult addKeyNow(const QString& workCopy, const KeyOptions& k)
{
    KeyForm form;
    form.number = k.number;
    form.name = k.name.value_or(QString());
    form.shortName = k.shortName.value_or(QString());
    form.profile = k.profile.value_or(QString());
    if (auto refused = periodIntoForm(k.start.value_or(QString()), k.end.value_or(QString()), form))
        return reported(Outcome::fail(*refused));
    const WriteResult result = addKey(workCopy, form);
    return reported(result.outcome, result.stored);
}

// The keys page after a click on the key: what the command line does not
// change stays as it is stored.
EditResult changeKeyNow(const QString& workCopy, const KeyOptions& k)
{
    std::optional<KeyRecord> stored;
    if (const Outcome read = lookUpKeyByNumber(workCopy, k.number, stored); !read)
        return reported(read);
    if (!stored) // the page's message for a key that is gone
        return reported(changeKey(workCopy,
            KeyForm { k.number, k.name.value_or(QStringLiteral("-")), {}, {}, false, false, {},
                {} }).outcome);
    KeyForm form;
    form.number = k.number;
    form.name = k.name.value_or(stored->name);
    form.shortName = k.shortName.value_or(QString());
    form.profile = k.profile.value_or(QString());
    form.dropProfile = k.dropProfile;
    QString start;
    QString end;
    if (!k.noPeriod) {
        start = k.start.value_or(stored->fixedPeriod && stored->start ? isoText(*stored->start) : QString());
        end = k.end.value_or(stored->fixedPeriod && stored->end ? isoText(*stored->end) : QString());
    }
    if (auto refused = periodIntoForm(start, end, form))
        return reported(Outcome::fail(*refused));
    const WriteResult result = changeKey(workCopy, form);
    return reported(result.outcome, result.stored);
}

} // namespace

ExitStatus editKey(Context& c, const QString& verb, const QString& project, Options& options)
{
    const KeyOptions k = keyOptions(c, verb, options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        if (verb == QLatin1String("add"))
            return addKeyNow(workCopy, k);
        if (verb == QLatin1String("change"))
            return changeKeyNow(workCopy, k);
        const WriteResult result = removeKey(workCopy, k.number);
        return reported(result.outcome, result.stored);
    });
}

} // namespace varnox::ctl
