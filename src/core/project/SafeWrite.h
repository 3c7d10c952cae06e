#pragma once

#include <QString>

namespace varnox {

enum class SnapshotTime { KeepSource, Now };

// Writes the database `source` to `target` so that `target` holds its old
// bytes or the whole new file at every moment, a crash or a power failure
// included: a consistent snapshot of `source` goes into a temporary file
// beside the target, is flushed to disk and renamed over the target, and the
// folder is flushed. With KeepSource the result carries the source's
// last-write time. On failure the target is left exactly as it was, the
// temporary file is removed and false returned with the reason in `error`,
// in the operator's language, the system's own words after it.
bool writeSnapshot(const QString& source, const QString& target, SnapshotTime time, QString* error = nullptr);

// The temporary file a snapshot of `target` is built in.
QString snapshotTempPath(const QString& target);

}  // namespace varnox
