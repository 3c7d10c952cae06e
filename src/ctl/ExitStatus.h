#pragma once

#include "core/shell/Message.h"

namespace varnox::ctl {

// The exit statuses of varnoxctl; the manual page lists them.
enum ExitStatus {
    Done = 0,
    DataRefused = 1, // import rows refused, damaged protocol records, a project that fails its check
    Usage = 2, // the command line itself is wrong
    Unusable = 3, // no such project or day file, a file that cannot be used, an older version
    Locked = 4, // the program or another varnoxctl has the project
    UnsavedChanges = 5, // a left-behind work copy holds changes nobody saved
    EntryRefused = 6, // the program's checks of the entries refused them
    Exists = 7, // a number or name that must be unique exists already
    InUse = 8, // other rows still name what was to be changed or removed
    NotFound = 9, // what was to be changed or removed is not there
    StoredWithNotice = 10, // stored, with something to tell (a key without its profile link)
    Failed = 11, // the project file or the disk failed
    NotConfirmed = 12, // the program would have asked first; the answer was no
};

// The status for a refused operation of the core.
ExitStatus statusOf(Refusal refusal);

} // namespace varnox::ctl
