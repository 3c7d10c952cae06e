#pragma once

#include "core/shell/Message.h"

namespace varnox {

struct SettingRow;

// The additional save after each save of the project: the work copy is
// copied to the folder of the setting "DubbleSave" as "<project>.mdb". The
// copy is made under a temporary name in that folder, flushed and renamed
// over the old copy, so that the folder holds the old copy or the whole new
// one at every moment, never a part. Nothing happens while the setting is
// off; a failure comes back as the message to show (the project itself has
// been saved by then).
Outcome AdditionalSave(const QString& workCopyName, const SettingRow& setting);

// "Die zusätzliche Speicherung kann nicht durchgeführt werden." and the reason.
Message additionalSaveFailure(const QString& reason);

// Whether `folder` is a folder the program can look into; its check message.
bool folderAccessible(const QString& folder);
QString folderInaccessibleText();

} // namespace varnox
