#include "core/model/ZoneForm.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"

namespace varnox {
namespace {

constexpr int kQuarter = 15;
constexpr int kQuarters = 96;

QString clockText(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString storedText(int minutes) { return clockText(minutes) + QStringLiteral(":00"); }

// Minutes of the day of a stored time, kNoTime when it cannot be read.
int storedMinutes(const QString& text)
{
    const QTime t = QTime::fromString(text.left(5), QStringLiteral("HH:mm"));
    return t.isValid() ? t.hour() * 60 + t.minute() : kNoTime;
}

// The end compared with other times: "24:00" counts as 23:59.
int comparableEnd(int end) { return end == kEndOfDay ? kEndOfDay - 1 : end; }

QString overlapPairText(int first, int second)
{
    switch (first * kZonePeriods + second) {
    case 1: return GetText(564, "Zeitraum 1 und 2 vom ");
    case 2: return GetText(565, "Zeitraum 1 und 3 vom ");
    case 3: return GetText(566, "Zeitraum 1 und 4 vom ");
    case 6: return GetText(567, "Zeitraum 2 und 3 vom ");
    case 7: return GetText(568, "Zeitraum 2 und 4 vom ");
    default: return GetText(569, "Zeitraum 3 und 4 vom ");
    }
}

std::optional<Message> checkPeriod(const PeriodTimes& p, int period, int day)
{
    if (p.start != kNoTime && p.end != kNoTime) {
        if (comparableEnd(p.end) > p.start)
            return std::nullopt;
        return exclamationMessage(GetText(558, "Die Zeitangabe vom ") + weekdayName(day) + GetText(559, " der ")
                                      + periodName(period) + GetText(560, " ist fehlerhaft."),
                                  GetText(561, "Falsche Zeitangaben"), zoneListName(zoneEndList(period, day)));
    }
    if (p.start != kNoTime)
        return exclamationMessage(GetText(3010, "Sie haben eine Startzeit eingetragen, ohne eine Endzeit anzugeben."),
                                  GetText(246, "Fehler"), zoneListName(zoneEndList(period, day)));
    if (p.end != kNoTime)
        return exclamationMessage(GetText(3011, "Sie haben eine Endzeit eingetragen, ohne eine Startzeit anzugeben."),
                                  GetText(246, "Fehler"), zoneListName(zoneStartList(period, day)));
    return std::nullopt;
}

bool overlap(const PeriodTimes& a, const PeriodTimes& b)
{
    return a.start < comparableEnd(b.end) && b.start < comparableEnd(a.end);
}

std::optional<Message> checkOverlaps(const ZoneForm& form, int day)
{
    for (int i = 0; i < kZonePeriods; ++i) {
        for (int j = i + 1; j < kZonePeriods; ++j) {
            const PeriodTimes& a = form.at(i, day);
            const PeriodTimes& b = form.at(j, day);
            if (a.start == kNoTime || b.start == kNoTime || !overlap(a, b))
                continue;
            return exclamationMessage(
                overlapPairText(i, j) + weekdayName(day) + GetText(3012, " dürfen sich nicht überschneiden!")
                    + QStringLiteral("\r\n") + GetText(3013, "Korrigieren Sie bitte den Fehler!"),
                GetText(3014, "Überschneidung von Zeiträumen"), zoneListName(zoneStartList(j, day)));
        }
    }
    return std::nullopt;
}

}  // namespace

QString noTimeEntry() { return QStringLiteral("----------"); }

QStringList zoneStartChoices()
{
    QStringList list{noTimeEntry()};
    for (int i = 1; i <= kQuarters; ++i)
        list << clockText(startMinutesAt(i));
    return list;
}

QStringList zoneEndChoices()
{
    QStringList list{noTimeEntry()};
    for (int i = 1; i <= kQuarters; ++i)
        list << clockText(endMinutesAt(i));
    return list;
}

int startMinutesAt(int index) { return index >= 1 && index <= kQuarters ? (index - 1) * kQuarter : kNoTime; }
int endMinutesAt(int index) { return index >= 1 && index <= kQuarters ? index * kQuarter : kNoTime; }

int startIndexOf(int minutes)
{
    return minutes >= 0 && minutes < kEndOfDay && minutes % kQuarter == 0 ? minutes / kQuarter + 1 : 0;
}

int endIndexOf(int minutes)
{
    return minutes > 0 && minutes <= kEndOfDay && minutes % kQuarter == 0 ? minutes / kQuarter : 0;
}

int zoneStartList(int period, int day) { return period * 2 * kZoneDays + day; }
int zoneEndList(int period, int day) { return zoneStartList(period, day) + kZoneDays; }
QString zoneListName(int number) { return QStringLiteral("Combo2_") + QString::number(number); }

QString weekdayName(int day)
{
    switch (day) {
    case 0: return GetText(224, "Montag");
    case 1: return GetText(225, "Dienstag");
    case 2: return GetText(226, "Mittwoch");
    case 3: return GetText(227, "Donnerstag");
    case 4: return GetText(228, "Freitag");
    case 5: return GetText(229, "Samstag");
    default: return GetText(230, "Sonntag");
    }
}

QString periodName(int period)
{
    switch (period) {
    case 0: return GetText(233, "Zeitraum 1");
    case 1: return GetText(234, "Zeitraum 2");
    case 2: return GetText(235, "Zeitraum 3");
    default: return GetText(236, "Zeitraum 4");
    }
}

Outcome checkZoneTimes(const ZoneForm& form)
{
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            if (auto refusal = checkPeriod(form.at(period, day), period, day))
                return Outcome::fail(*refusal);
        }
    }
    for (int day = 0; day < kZoneDays; ++day) {
        if (auto refusal = checkOverlaps(form, day))
            return Outcome::fail(*refusal);
    }
    return Outcome::ok();
}

StoredWeek toStoredWeek(const ZoneForm& form)
{
    StoredWeek week = unusedWeek();
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            const PeriodTimes& p = form.at(period, day);
            if (p.start == kNoTime)
                continue;
            week[day][period] = {storedText(p.start), p.end == kEndOfDay ? kMidnightEnd : storedText(p.end)};
        }
    }
    return week;
}

ZoneForm fromStoredWeek(const QString& name, const StoredWeek& week)
{
    ZoneForm form;
    form.name = name;
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            const StoredPeriod& stored = week[day][period];
            const int start = stored.start == kUnusedTime ? kNoTime : storedMinutes(stored.start);
            if (start == kNoTime)
                continue;
            const int end = stored.end == kMidnightEnd ? kEndOfDay : storedMinutes(stored.end);
            form.at(period, day) = {start, end};
        }
    }
    return form;
}

}  // namespace varnox
