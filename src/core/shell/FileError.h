#pragma once

#include <QString>

namespace varnox {

// Why a file or folder could not be written or read, for the operator: the
// reason in the current language ("Der Datenträger ist voll."), followed by
// the system's own technical words in parentheses when there are any.
// `errnum` is the system's error number (errno).
QString fileErrorReason(int errnum);
QString fileErrorText(int errnum, const QString& technical);

}  // namespace varnox
