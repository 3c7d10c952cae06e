#pragma once

#include <QString>
#include <QTime>
#include <array>

namespace varnox {

constexpr int kZoneDays = 7;     // Monday (0) to Sunday (6)
constexpr int kZonePeriods = 4;  // periods 1 to 4, counted from 0

// A stored period marks itself unused by 11:11:11 in both fields; an end of
// 00:00:00 stands for midnight at the end of the day ("24:00" on the page).
inline const QString kUnusedTime = QStringLiteral("11:11:11");
inline const QString kMidnightEnd = QStringLiteral("00:00:00");

// One period as a Zeitzonen row holds it: times of day as "HH:MM:SS".
struct StoredPeriod {
    QString start;
    QString end;
    bool operator==(const StoredPeriod&) const = default;
};

// The 28 periods of a zone as stored, [day][period].
using StoredWeek = std::array<std::array<StoredPeriod, kZonePeriods>, kZoneDays>;

// "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So".
QString zoneDayPrefix(int day);
// "MoSzeit1" .. "SoSzeit4" and "MoEzeit1" .. "SoEzeit4".
QString zoneStartColumn(int day, int period);
QString zoneEndColumn(int day, int period);

// Whether a stored period covers the time of day t: start <= t < end, an end
// of 00:00:00 running to midnight. An unused period (11:11:11), and one whose
// start cannot be read, covers nothing.
bool periodCovers(const StoredPeriod& period, QTime t);

// Whether a stored zone covers a moment: any period of that weekday covers
// its time of day. This is the meaning the evaluation of key requests applies.
bool zoneCovers(const StoredWeek& week, Qt::DayOfWeek day, QTime t);

// A week in which every period is unused.
StoredWeek unusedWeek();

}  // namespace varnox
