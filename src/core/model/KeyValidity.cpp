#include "core/model/KeyValidity.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/model/ValidityText.h"
#include "core/project/Database.h"
#include "core/shell/Clock.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace varnox {
namespace {

enum class Column { Wert, Zeitintervall };

struct SettingRow {
    const char* name;
    Column column;
};

// The eight rows in the order of the fields of ValidityDefaults.
constexpr SettingRow kRows[] = {
    {"StandardStartUhrzeit", Column::Wert},  {"StandardStartStunde", Column::Zeitintervall},
    {"StandardStartMinute", Column::Zeitintervall}, {"StandardEndeUhrzeit", Column::Wert},
    {"StandardEndeStunde", Column::Zeitintervall},  {"StandardEndeMinute", Column::Zeitintervall},
    {"DifferenzEnde", Column::Wert},         {"DifferenzEndeWert", Column::Zeitintervall},
};

const char* columnName(Column c) { return c == Column::Wert ? "Wert" : "Zeitintervall"; }

int readSetting(Database& db, const SettingRow& row)
{
    SQLite::Statement q(db.sql(), std::string("SELECT coalesce(") + columnName(row.column)
                                      + ", 0) FROM Einstellungen WHERE Bezeichnung = ?");
    q.bind(1, row.name);
    return q.executeStep() ? q.getColumn(0).getInt() : 0;
}

// Updates the row, or adds it to a project that lacks it.
void writeSetting(Database& db, const SettingRow& row, int value)
{
    const std::string column = columnName(row.column);
    SQLite::Statement update(db.sql(), "UPDATE Einstellungen SET " + column + " = ? WHERE Bezeichnung = ?");
    update.bind(1, value);
    update.bind(2, row.name);
    if (update.exec() > 0)
        return;
    SQLite::Statement insert(db.sql(), "INSERT INTO Einstellungen (Bezeichnung, " + column + ") VALUES (?, ?)");
    insert.bind(1, row.name);
    insert.bind(2, value);
    insert.exec();
}

QTime timeOfDay(int hour, int minute) { return QTime(std::clamp(hour, 0, 23), std::clamp(minute, 0, 59)); }

QDateTime toMinute(const QDateTime& t) { return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute())); }

Message periodMessage(const QString& text) { return stopMessage(text, GetText(916, "Varnox")); }

// Gaps last an hour, rarely two; a whole skipped day is the longest known.
constexpr int kLongestGapMinutes = 2 * 24 * 60;

Message skippedTimeMessage(QDate date, QTime time, const QDateTime& firstValid, bool start)
{
    const QString which = start ? GetText(3456, "Die Startzeit ") : GetText(3457, "Die Endzeit ");
    return exclamationMessage(
        messageLines({which + validityText(date, time)
                          + GetText(3458, " gibt es nicht, weil die Uhr in dieser Nacht vorgestellt wird."),
                      GetText(3459, "Die erste gültige Zeit danach, ") + validityText(firstValid)
                          + GetText(3460, ", wurde eingetragen."),
                      GetText(3461, "Prüfen Sie sie und betätigen Sie erneut den Button ")
                          + quoted(GetText(3230, "Übernehmen")) + QLatin1Char('.')}),
        GetText(3462, "Ungültige Zeit"), QStringLiteral("DTPicker%1").arg(start ? 1 : 3));
}

// Puts the first valid minute in place of a skipped time.
std::optional<Message> moveSkipped(QDate& date, QTime& time, bool start)
{
    const std::optional<QDateTime> after = afterSkippedTime(date, time);
    if (!after)
        return std::nullopt;
    Message message = skippedTimeMessage(date, time, *after, start);
    date = after->date();
    time = after->time();
    return message;
}

}  // namespace

Outcome readValidityDefaults(const QString& workCopy, ValidityDefaults& d)
{
    return readFromProject(workCopy, [&](Database& db) {
        int v[std::size(kRows)];
        for (std::size_t i = 0; i < std::size(kRows); ++i)
            v[i] = readSetting(db, kRows[i]);
        d = ValidityDefaults{v[0] != 0, timeOfDay(v[1], v[2]), v[3] != 0, timeOfDay(v[4], v[5]),
                             v[6] != 0, std::clamp(v[7], 0, kMaxValidityDays)};
        return Outcome::ok();
    });
}

Outcome writeValidityDefaults(const QString& workCopy, const ValidityDefaults& d)
{
    const int v[] = {int(d.startTimeOn), d.startTime.hour(), d.startTime.minute(), int(d.endTimeOn),
                     d.endTime.hour(),   d.endTime.minute(), int(d.endDaysOn),     d.endDays};
    return writeToProject(workCopy, [&](Database& db) {
        for (std::size_t i = 0; i < std::size(kRows); ++i)
            writeSetting(db, kRows[i], v[i]);
        return Outcome::ok();
    });
}

ValidityPeriod proposedPeriod(const ValidityDefaults& d, const Clock& clock)
{
    const QDateTime now = toMinute(clock.now());
    const QDate today = now.date();
    const QTime nowTime = now.time();
    const QTime start = d.startTimeOn && d.startTime > nowTime ? d.startTime : nowTime;
    const QDate endDate = d.endDaysOn ? today.addDays(d.endDays) : today;
    const QTime end = d.endTimeOn && (d.endDaysOn || d.endTime > nowTime) ? d.endTime : nowTime;
    return ValidityPeriod{QDateTime(today, start), QDateTime(endDate, end)};
}

ValidityPeriod initialPeriod(const ValidityDefaults& defaults, bool fixedPeriod, const QString& startText,
                             const QString& endText, const Clock& clock)
{
    if (fixedPeriod) {
        const std::optional<QDateTime> start = parseValidityText(startText);
        const std::optional<QDateTime> end = parseValidityText(endText);
        if (start && end)
            return ValidityPeriod{*start, *end};
    }
    return proposedPeriod(defaults, clock);
}

std::optional<QDateTime> afterSkippedTime(QDate date, QTime time)
{
    // A time that exists reads back as it was given, whatever a library
    // version makes of one that does not.
    const auto exists = [](const QDateTime& t, QDate d, QTime tm) {
        return t.isValid() && t.date() == d && t.time() == tm;
    };
    if (!date.isValid() || !time.isValid() || exists(QDateTime(date, time), date, time))
        return std::nullopt;
    // The wall clock walked minute by minute, free of any time zone.
    const QDateTime wall(date, QTime(time.hour(), time.minute()), Qt::UTC);
    for (int minute = 1; minute <= kLongestGapMinutes; ++minute) {
        const QDateTime next = wall.addSecs(60 * minute);
        const QDateTime local(next.date(), next.time());
        if (exists(local, next.date(), next.time()))
            return local;
    }
    return std::nullopt;
}

Outcome takeOverPeriod(PickedPeriod& picked, const Clock& clock, ValidityPeriod& period)
{
    if (auto m = moveSkipped(picked.startDate, picked.startTime, true))
        return Outcome::fail(*m);
    if (auto m = moveSkipped(picked.endDate, picked.endTime, false))
        return Outcome::fail(*m);
    period = ValidityPeriod{QDateTime(picked.startDate, picked.startTime), QDateTime(picked.endDate, picked.endTime)};
    return checkPeriod(period, clock);
}

Outcome checkPeriodOrder(const ValidityPeriod& period)
{
    if (period.start > period.end)
        return Outcome::fail(periodMessage(GetText(869, "Endzeit liegt vor der Startzeit!")));
    return Outcome::ok();
}

Outcome checkPeriod(const ValidityPeriod& period, const Clock& clock)
{
    if (Outcome order = checkPeriodOrder(period); !order)
        return order;
    if (toMinute(period.end) < toMinute(clock.now()))
        return Outcome::fail(periodMessage(GetText(870, "Endzeit liegt bereits in der Vergangenheit!")));
    return Outcome::ok();
}

}  // namespace varnox
