#pragma once

#include "core/model/ZoneTimes.h"
#include "core/shell/Message.h"

#include <QStringList>

namespace varnox {

constexpr int kNoTime = -1;          // "----------": no time chosen
constexpr int kEndOfDay = 24 * 60;   // "24:00"
constexpr int kZoneLists = kZonePeriods * kZoneDays * 2;

// A period as the zone page shows it, in minutes of the day.
struct PeriodTimes {
    int start = kNoTime;
    int end = kNoTime;
    bool operator==(const PeriodTimes&) const = default;
};

// A time zone as the zone page holds it.
struct ZoneForm {
    QString name;
    std::array<std::array<PeriodTimes, kZoneDays>, kZonePeriods> periods{};  // [period][day]

    PeriodTimes& at(int period, int day) { return periods[period][day]; }
    const PeriodTimes& at(int period, int day) const { return periods[period][day]; }
    bool operator==(const ZoneForm&) const = default;
};

// The entries of the time lists: "----------", then the quarter hours from
// "00:00" to "23:45" (start lists) or from "00:15" to "24:00" (end lists).
QString noTimeEntry();
QStringList zoneStartChoices();
QStringList zoneEndChoices();
int startMinutesAt(int index);
int endMinutesAt(int index);
int startIndexOf(int minutes);  // 0 ("----------") for what the list cannot show
int endIndexOf(int minutes);

// The time lists are numbered period × 14 + weekday for the start and seven
// more for the end; `Combo2_<number>` is the list's objectName.
int zoneStartList(int period, int day);
int zoneEndList(int period, int day);
QString zoneListName(int number);

// "Montag" .. "Sonntag" and "Zeitraum 1" .. "Zeitraum 4" in the current language.
QString weekdayName(int day);
QString periodName(int period);

// The checks of the periods in the order the operator meets them: each
// period by itself (period 1 to 4, each from Monday to Sunday), then the
// overlaps of each weekday's periods.
Outcome checkZoneTimes(const ZoneForm& form);

// Between the page's form and the stored row.
StoredWeek toStoredWeek(const ZoneForm& form);
ZoneForm fromStoredWeek(const QString& name, const StoredWeek& week);

}  // namespace varnox
