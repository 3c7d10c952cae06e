#pragma once

#include <QDate>
#include <QString>

namespace varnox {

class Clock;

// Time recording: each granted request at a reader that records time adds
// the moment to time/yyyymmdd.tim in the program folder, the file of the day
// it happens. The file is an initialisation file with one section per key
// name and the key "Zeiten": "hhmmss;" for each coming in (role 1), "hhmmss|"
// for each going out (any other role), in the order they happened.
QString timeRecordPath(const QDate& day);

// WriteTimeRecord. A record that cannot be written is lost; the program runs on.
void WriteTimeRecord(const Clock& clock, const QString& keyName, int role);

// The day's value of "Zeiten" for a key name, empty when there is none.
QString readTimeRecord(const QDate& day, const QString& keyName);

} // namespace varnox
