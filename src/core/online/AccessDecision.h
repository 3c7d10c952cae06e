#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace varnox {

class Database;
struct KeyRequest;

// The colours of the monitor list: a refusal, an assignment that could not
// be read, a grant.
inline const QColor kRefusedColour(255, 0, 0);
inline const QColor kUnreadableColour(255, 0, 255);
inline const QColor kGrantedColour(0, 0, 0);

// Whether a key may pass at a reader, and the texts that say why not. Found
// by the key, its profile, the reader at the request's address, the
// reader's assignment in that profile, and then the key's fixed period or
// the assignment's time zone at the request's moment.
struct AccessDecision {
    bool granted = false;
    QString protocolText; // the daily protocol line so far
    QString monitorKey; // the key number for an unknown key, else its name
    QString monitorText;
    QColor colour = kRefusedColour;

    QString keyName;
    QString readerName;
    int timeRecordingRole = 0; // the reader's Zeiterfassung: 0 none, 1 in, 2 out
    bool fixedPeriod = false;
    QString function; // the assignment's function, for a grant
};

// Every value from the telegram is bound, never written into the statements.
AccessDecision decideAccess(Database& db, const KeyRequest& request);

// The function step's look-up: the function's bus line and telegram, when
// the function exists and its bus line has a row in HLV_BUS.
struct StoredFunction {
    int busLine = 0;
    QString telegram;
};
std::optional<StoredFunction> lookupFunction(Database& db, const QString& name);

} // namespace varnox
