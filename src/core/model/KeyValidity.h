#pragma once

#include "core/shell/Message.h"

#include <QDateTime>

#include <optional>

namespace varnox {

class Clock;

// The project's defaults for a new fixed period of a key, kept in eight rows
// of Einstellungen: a default start time of day, a default end time of day,
// and whether the end date lies a number of days after the start date.
struct ValidityDefaults {
    bool startTimeOn = false;  // StandardStartUhrzeit
    QTime startTime{0, 0};     // StandardStartStunde, StandardStartMinute
    bool endTimeOn = false;    // StandardEndeUhrzeit
    QTime endTime{0, 0};       // StandardEndeStunde, StandardEndeMinute
    bool endDaysOn = false;    // DifferenzEnde
    int endDays = 0;           // DifferenzEndeWert

    bool operator==(const ValidityDefaults&) const = default;
};

// The day count the dialog offers.
constexpr int kMaxValidityDays = 999;

Outcome readValidityDefaults(const QString& workCopy, ValidityDefaults& defaults);
Outcome writeValidityDefaults(const QString& workCopy, const ValidityDefaults& defaults);

struct ValidityPeriod {
    QDateTime start;
    QDateTime end;
};

// The period the dialog proposes for a key without one: today from now (or
// from the default start time while that is still ahead), until today or the
// given number of days later, at the current time or the default end time.
// Periods are kept to the minute, as the page shows them.
ValidityPeriod proposedPeriod(const ValidityDefaults& defaults, const Clock& clock);

// The values the dialog opens with: the period the page shows when the key
// has one ("Fester Zeitraum" set, both texts readable), else the proposal.
ValidityPeriod initialPeriod(const ValidityDefaults& defaults, bool fixedPeriod, const QString& startText,
                             const QString& endText, const Clock& clock);

// Whether the dialog may take the period over: the end not before the start
// ("Endzeit liegt vor der Startzeit!", checked first), and not in the past.
Outcome checkPeriod(const ValidityPeriod& period, const Clock& clock);
// Only the first of these checks, for periods that exist already (an
// import): an end that has passed is history, not a mistake.
Outcome checkPeriodOrder(const ValidityPeriod& period);

// The period as the dialog's pickers hold it: dates and times of day, which
// need not exist as local times.
struct PickedPeriod {
    QDate startDate;
    QTime startTime;
    QDate endDate;
    QTime endTime;
};

// The first minute after a local time that the clock skips when it is put
// forward (the hour lost when summer time begins); nullopt when the time exists.
std::optional<QDateTime> afterSkippedTime(QDate date, QTime time);

// Takes the picked period over into `period`. A start or end the clock skips
// is refused with a message naming it and the first valid minute after it,
// which then stands in `picked` in its place, so that the operator sees it
// and can take it over; otherwise checkPeriod() decides.
Outcome takeOverPeriod(PickedPeriod& picked, const Clock& clock, ValidityPeriod& period);

}  // namespace varnox
