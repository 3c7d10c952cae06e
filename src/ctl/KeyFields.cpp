#include "ctl/KeyFields.h"

#include "core/lang/Texts.h"
#include "core/model/KeyValidity.h"
#include "core/model/ProjectWork.h"
#include "core/model/ValidityText.h"
#include "ctl/Values.h"

namespace varnox::ctl {
namespace {

// The text the page's value label would show, or the refusal of `text`.
std::optional<Message> labelText(const QString& text, bool start, QString& label, std::optional<QDateTime>& time)
{
    label.clear();
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<IsoMinute> parsed = isoMinute(text);
    if (!parsed)
        return exclamationMessage(
            GetText(4055, "%1 ist kein Zeitpunkt nach ISO 8601 (zum Beispiel 2026-12-05T08:00).").arg(quoted(text)),
            GetText(3462, "Ungültige Zeit"));
    if (parsed->skipped)
        return exclamationMessage((start ? GetText(3456, "Die Startzeit ") : GetText(3457, "Die Endzeit "))
                + validityText(parsed->date, parsed->time)
                + GetText(3458, " gibt es nicht, weil die Uhr in dieser Nacht vorgestellt wird."),
            GetText(3462, "Ungültige Zeit"));
    time = parsed->local;
    label = validityText(parsed->local);
    return std::nullopt;
}

} // namespace

QStringList keyCsvColumns()
{
    return { QStringLiteral("number"), QStringLiteral("name"), QStringLiteral("short_name"), QStringLiteral("profile"),
        QStringLiteral("start"), QStringLiteral("end") };
}

QStringList keyRecordFields(const KeyRecord& key)
{
    const bool period = key.fixedPeriod;
    return { key.number, key.name, key.shortName, key.profile, period && key.start ? isoText(*key.start) : QString(),
        period && key.end ? isoText(*key.end) : QString() };
}

std::optional<Message> periodIntoForm(const QString& start, const QString& end, KeyForm& form)
{
    form.fixedPeriod = !start.isEmpty() || !end.isEmpty();
    std::optional<QDateTime> from;
    std::optional<QDateTime> to;
    if (auto refused = labelText(start, true, form.startText, from))
        return refused;
    if (auto refused = labelText(end, false, form.endText, to))
        return refused;
    if (from && to) {
        if (const Outcome order = checkPeriodOrder({ *from, *to }); !order)
            return order.message();
    }
    return std::nullopt;
}

} // namespace varnox::ctl
