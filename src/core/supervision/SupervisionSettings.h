#pragma once

#include "core/shell/Message.h"

#include <QList>
#include <QString>
#include <optional>

namespace varnox {

// One row of the project's settings table as the supervision reads it: the
// switch (Wert), the number (Zeitintervall) and the text (Funktion). A Null
// number reads as 0, a Null text as empty.
struct SettingRow {
    bool on = false;
    int interval = 0;
    QString text;
};

// The supervision settings of the open project, loaded when it is opened
// and again after each save of a settings window.
struct SupervisionSettings {
    SettingRow systemTest; // "Anlagentest": seconds between two readers, function sent on a failure
    SettingRow watchdog; // "Watchdog": seconds between two sends, function sent each time
    SettingRow networkWatchdog; // "WatchdogNW": seconds of silence until a failure is reported
    SettingRow errorBus; // "ErrorMesBUS": function sent on a network failure
    SettingRow errorText; // "ErrorMesTxt": message shown on a network failure
    SettingRow additionalSave; // "DubbleSave": folder of the additional copy
    SettingRow remoteMaintenance; // "Fernwartung": minutes between two checks, reference file
};

namespace SettingName {
constexpr const char* systemTest = "Anlagentest";
constexpr const char* watchdog = "Watchdog";
constexpr const char* networkWatchdog = "WatchdogNW";
constexpr const char* errorBus = "ErrorMesBUS";
constexpr const char* errorText = "ErrorMesTxt";
constexpr const char* additionalSave = "DubbleSave";
constexpr const char* remoteMaintenance = "Fernwartung";
} // namespace SettingName

// Reads every supervision row of the project at `workCopy`; a missing row
// reads as switched off. On failure `out` is left as it was.
Outcome readSupervisionSettings(const QString& workCopy, SupervisionSettings& out);

// A change of one row: the switch always, number and text when given (a
// feature switched off keeps its other columns).
struct SettingWrite {
    const char* name;
    bool on;
    std::optional<int> interval;
    std::optional<QString> text;
};

// Writes the rows in one transaction (a row the project lacks is added).
Outcome writeSupervisionSettings(const QString& workCopy, const QList<SettingWrite>& rows);

// The choices the settings windows offer.
const QList<int>& busIntervalChoices(); // system test and watchdog, seconds: 10 .. 60
const QList<int>& networkDelayChoices(); // network watchdog, seconds: 5 .. 600
const QList<int>& remoteIntervalChoices(); // remote maintenance, minutes: 1 .. 300

// The pause of a stored number of seconds, in ms. A number below one second
// (a Null value of a feature switched on by hand) waits the shortest time
// offered instead of running without pause; a day is the longest wait.
int supervisionPauseMs(int seconds);

} // namespace varnox
