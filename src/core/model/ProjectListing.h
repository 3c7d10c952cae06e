#pragma once

#include "core/model/ZoneTimes.h"
#include "core/shell/Message.h"

#include <QList>
#include <QString>

#include <optional>

namespace varnox {

// Whole tables at once, in stored order, for lists and exports outside the
// pages (the command-line tool). Each call opens the project file at `path`
// read-only and closes it again.

struct FunctionEntry {
    QString name;
    int busLine = 0;
    int kind = -1; // FTyp
    QString protocol; // the stored telegram
};

struct ZoneEntry {
    QString name;
    StoredWeek week;
};

struct ProfileEntry {
    QString name;
    int readers = 0; // assignments of the profile
    int keys = 0; // keys linked with it
};

struct AssignmentEntry {
    QString profile;
    QString readerSerial;
    QString readerName; // empty when the project holds no such reader
    QString zone;
    QString function;
};

// How many of each kind a project holds.
struct ProjectCounts {
    int readers = 0;
    int decentralReaders = 0;
    int readersToTransfer = 0; // Modify set
    int functions = 0;
    int zones = 0; // the always-zone included
    int profiles = 0;
    int assignments = 0;
    int keys = 0;
    int linkedKeys = 0;
    int keysWithPeriod = 0;
    int version = 0; // the row "Version"; 0 when there is none
};

Outcome readAllFunctions(const QString& path, QList<FunctionEntry>& functions);
Outcome readAllZones(const QString& path, QList<ZoneEntry>& zones);
Outcome readAllProfiles(const QString& path, QList<ProfileEntry>& profiles);
Outcome readAllAssignments(const QString& path, QList<AssignmentEntry>& assignments);
Outcome readProjectCounts(const QString& path, ProjectCounts& counts);

// The schema version a project file states, before any check or upgrade;
// nullopt for a file of the two oldest layouts, which state none, and for
// anything that cannot be read.
std::optional<int> readStoredVersion(const QString& path);

} // namespace varnox
