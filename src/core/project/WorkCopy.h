#pragma once

#include "core/shell/Message.h"

#include <QString>

namespace varnox {

class Operator;

// What to do with a work copy that a crash or a forced end left behind.
enum class LeftBehind {
    Ask,  // opening: offer to go on with its unsaved changes
    Replace,  // a file just written (new project, save as): it is the truth
    Keep,  // a start without anyone to ask: the copy holds the newest state and stays
};

struct WorkCopy {
    QString name;  // "~hlv<project>.tmp"; empty when none could be made
    bool resumed = false;  // a left-behind work copy was kept with its changes
};

// MakeWorkCopy: copies the project file `projectFile` (a name in the project
// folder) to its work copy, which keeps the project file's last-write time.
// A left-behind work copy that differs from the project file is only
// replaced after the operator chose to drop its changes. A file that cannot
// be copied gives the access-denied message and an empty name.
WorkCopy MakeWorkCopy(const QString& projectFile, Operator& op, LeftBehind leftBehind = LeftBehind::Ask);

// MakeWorkCopy followed by CheckAndUpgrade: a work copy that may be used, or
// an empty name (reported). A fresh copy that fails the check is deleted;
// a kept left-behind copy stays, since its changes exist nowhere else.
WorkCopy makeCheckedWorkCopy(const QString& projectFile, Operator& op, LeftBehind leftBehind = LeftBehind::Ask);

// Makes the open project's work copy anew from its project file: the fresh
// copy is made and checked (the file may be of an older version that only
// the old copy was upgraded from) beside the work copy in use, and replaces
// it only when it passed. False when the project file cannot be used
// (reported): the work copy is then as it was, changes included.
bool refreshWorkCopy(const QString& workCopyName, Operator& op);

// DiscardWorkCopy: deletes the work copy with any side file of the engine.
void DiscardWorkCopy(const QString& workCopyName);

// IsModified: the work copy has been written since it was made or saved.
bool IsModified(const QString& workCopyName);

// Whether the project file `projectFile` (a name in the project folder) has
// a work copy beside it that differs from it: changes nobody saved yet.
bool hasUnsavedWorkCopy(const QString& projectFile);

Message accessDeniedMessage();
// Why a work copy could not be made, from the system's error number.
Message copyFailedMessage(int errnum);
Message leftBehindQuestion(const QString& projectFile);
Message sameProjectNameMessage(const QString& projectFile, const QString& otherFile);

}  // namespace varnox
