#pragma once

#include <QString>

namespace varnox {

// Why a file or folder could not be written or read, for the operator: the
// reason in the current language ("Der Datenträger ist voll."), followed by
// the system's own technical words in parentheses when there are any.
// `errnum` is the system's error number (errno).
QString fileErrorReason(int errnum);
QString fileErrorText(int errnum, const QString& technical);

// Writes `bytes` to `path` so that the file holds its old bytes or all the
// new ones at every moment, a full disk or a crash included: the bytes go
// into a temporary file beside it, are flushed and renamed into place. A
// symbolic link keeps pointing where it did. An existing file keeps its
// permissions; a new one gets `newFileMode`. On failure nothing is left
// behind, the file is as it was and false is returned with errno in
// `errnum`.
bool replaceFileContents(const QString& path, const QByteArray& bytes, int newFileMode, int* errnum = nullptr);

}  // namespace varnox
