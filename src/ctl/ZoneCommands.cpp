#include "core/model/ZoneOperations.h"
#include "ctl/EditCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"
#include "ctl/Words.h"

#include <QRegularExpression>

namespace varnox::ctl {
namespace {

// "HH:MM" on a quarter of an hour, as the time lists offer it; -1 for none.
std::optional<int> quarterHour(const QString& text, bool end)
{
    if (text.isEmpty())
        return kNoTime;
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = clock.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int minutes = m.captured(1).toInt() * 60 + m.captured(2).toInt();
    const bool offered = end ? endIndexOf(minutes) > 0 : startIndexOf(minutes) > 0;
    return offered && m.captured(2).toInt() < 60 ? std::optional(minutes) : std::nullopt;
}

// A period "HH:MM-HH:MM"; "-" or nothing for an unused one. One side alone
// is taken as written, for the page's own message about it.
std::optional<PeriodTimes> period(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return PeriodTimes {};
    const QStringList ends = t.split(QLatin1Char('-'));
    if (ends.size() != 2)
        return std::nullopt;
    const std::optional<int> start = quarterHour(ends[0].trimmed(), false);
    const std::optional<int> end = quarterHour(ends[1].trimmed(), true);
    if (!start || !end)
        return std::nullopt;
    return PeriodTimes { *start, *end };
}

struct ZoneOptions {
    QString name;
    std::optional<QString> newName;
    QList<std::pair<std::pair<int, int>, PeriodTimes>> periods; // (period, day) -> times
};

ZoneOptions zoneOptions(Context& c, const QString& verb, Options& o)
{
    ZoneOptions z;
    z.name = verb == QLatin1String("add") ? o.take(QStringLiteral("name")).value_or(QString())
                                          : required(o, QStringLiteral("name"));
    if (verb != QLatin1String("remove")) {
        if (verb == QLatin1String("change"))
            z.newName = o.take(QStringLiteral("new-name"));
        for (int day = 0; day < kZoneDays; ++day)
            for (int p = 0; p < kZonePeriods; ++p)
                if (auto times = optionValue(o, Words::days[day] + QString::number(p + 1), period))
                    z.periods.append({ { p, day }, *times });
    }
    c.noneLeft(o);
    return z;
}

void apply(const ZoneOptions& z, ZoneForm& form)
{
    if (z.newName)
        form.name = *z.newName;
    for (const auto& [at, times] : z.periods)
        form.at(at.first, at.second) = times;
}

} // namespace

ExitStatus editZone(Context& c, const QString& verb, const QString& project, Options& options)
{
    const ZoneOptions z = zoneOptions(c, verb, options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        if (verb == QLatin1String("add")) {
            ZoneForm form;
            form.name = z.name;
            apply(z, form);
            return reported(createZone(workCopy, form));
        }
        if (verb == QLatin1String("remove"))
            return reported(deleteZone(workCopy, z.name));
        ZoneForm form;
        if (const Outcome loaded = loadZone(workCopy, z.name, form); !loaded && !isAlwaysZone(z.name))
            return reported(loaded);
        form.name = z.name;
        apply(z, form);
        return reported(changeZone(workCopy, z.name, form));
    });
}

} // namespace varnox::ctl
