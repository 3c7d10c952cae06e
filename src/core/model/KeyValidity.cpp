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

Outcome checkPeriod(const ValidityPeriod& period, const Clock& clock)
{
    if (period.start > period.end)
        return Outcome::fail(periodMessage(GetText(869, "Endzeit liegt vor der Startzeit!")));
    if (toMinute(period.end) < toMinute(clock.now()))
        return Outcome::fail(periodMessage(GetText(870, "Endzeit liegt bereits in der Vergangenheit!")));
    return Outcome::ok();
}

}  // namespace varnox
