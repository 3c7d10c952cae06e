#pragma once

#include <QDateTime>
#include <QString>

namespace varnox {

// LastWriteTime: a file's last-write time in local time, to the second;
// invalid when the file cannot be found.
QDateTime LastWriteTime(const QString& path);

// Whether two files carry the same last-write time, as exactly as the file
// system keeps it. Work copy and project file are compared this way: a
// change made within the same second as the last save still counts. Only
// two regular files can carry the same time.
bool sameLastWrite(const QString& a, const QString& b);

// Gives the open file `fd` the last-write time that `from` has now.
bool takeLastWrite(int fd, const QString& from);

}  // namespace varnox
