#pragma once

#include "core/shell/Message.h"

#include <QList>
#include <QStringList>

namespace varnox {

// A reader as the assignment page lists it.
struct ReaderEntry {
    QString name;    // Lname
    QString serial;  // Seriennr, by which Zuleser names the reader
    bool central = true;
    int linkedFunction = 0;  // Leser.Funktion of a decentral reader
    bool operator==(const ReaderEntry&) const = default;
};

// A zone in the assignment page's list: the always-zone shows as text 102
// ("IMMER" in the current language) and is stored as "IMMER".
struct ZoneChoice {
    QString text;
    QString stored;
};

// The assignment of one reader to one profile as the page edits it.
struct Assignment {
    QString profile;
    QString readerSerial;
    QString zone;      // stored zone name ("IMMER" for the always-zone); empty: none chosen
    QString function;  // function name; empty: none chosen
};

// The lists of the assignment page.
Outcome readProfileReaders(const QString& workCopy, const QString& profile, QList<ReaderEntry>& readers);
Outcome readReadersOutsideProfile(const QString& workCopy, const QString& profile, QList<ReaderEntry>& readers);
Outcome readAssignmentZones(const QString& workCopy, QList<ZoneChoice>& zones);  // the always-zone first
Outcome readFunctionNames(const QString& workCopy, QStringList& names);

// The page's messages for the missing choices before any database work.
Message noProfileChosenMessage();
Message noReaderChosenMessage();

// Assign, change and remove as the page's buttons ask. Assigning and removing
// keep the reader's key count: it rises by the keys of the profile that are
// new to the reader and falls by those it loses; a decentral reader is also
// marked to receive its data. A refused or failed operation changes nothing.
Outcome assignReader(const QString& workCopy, const Assignment& assignment);
Outcome changeAssignment(const QString& workCopy, const Assignment& assignment);
Outcome removeAssignment(const QString& workCopy, const QString& profile, const QString& readerSerial);

// An assignment as stored; `reader` tells whether the read-only pair applies.
Outcome loadAssignment(const QString& workCopy, const QString& profile, const QString& readerSerial,
                       ReaderEntry& reader, Assignment& assignment);

// "Türöffner mit AS-Adresse" / "Steuerfunktion 1 mit eigener SN" for Leser.Funktion 1 / 2.
QString linkedFunctionText(int linkedFunction);
// The zone as the page shows it: the always-zone as text 102.
QString zoneDisplayText(const QString& stored);

}  // namespace varnox
