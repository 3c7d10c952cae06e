#pragma once

#include "core/model/KeyOperations.h"

#include <QList>

namespace varnox {

// One key to import, as the keys page would hold it when "Hinzufügen" is
// pressed, with the line of the file it comes from.
struct ImportedKey {
    int line = 0;
    KeyForm form;
};

// A key the import did not take as it stands: `outcome` carries the message
// the keys page gives for it. `stored`: the key was stored all the same,
// only without its profile link (a full decentral reader).
struct RefusedKey {
    int line = 0;
    Outcome outcome = Outcome::ok();
    bool stored = false;
};

struct KeyImportResult {
    Outcome outcome = Outcome::ok(); // a failure of the project file: nothing was written
    int stored = 0; // keys stored, with or without their link
    QList<RefusedKey> refused;
    bool written = false; // the import was committed to the work copy
};

enum class ImportMode {
    AllOrNothing, // a single refused key leaves the work copy as it was
    SkipBad, // the refused keys are left out, the rest is stored
    CheckOnly, // every key is tried and nothing is stored
};

// Adds many keys at once, each exactly as addKey() would one after the
// other: the same checks and messages, the same links, and the same key
// counts and transfer marks of the readers. It is one transaction over
// prepared statements that keeps the readers' counts in memory and writes
// them once at the end.
KeyImportResult importKeys(const QString& workCopy, const QList<ImportedKey>& keys, ImportMode mode);

} // namespace varnox
