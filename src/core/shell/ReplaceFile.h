#pragma once

#include <QByteArray>
#include <QString>

namespace varnox {

// Writes `bytes` to `path` so that the file holds its old bytes or all the
// new ones at every moment, a full disk or a crash included: the bytes go
// into a temporary file beside it, are flushed and renamed into place. A
// symbolic link keeps pointing where it did. An existing file keeps its
// permissions; a new one gets `newFileMode`. On failure nothing is left
// behind, the file is as it was and false is returned with errno in
// `errnum`.
bool replaceFileContents(const QString& path, const QByteArray& bytes, int newFileMode, int* errnum = nullptr);

// Writes all `size` bytes to the file descriptor, again after an interrupted
// call; false, with errno set, when a write fails.
bool writeAll(int fd, const char* data, qsizetype size);

}  // namespace varnox
