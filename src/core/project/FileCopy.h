#pragma once

#include <QString>

namespace varnox {

// A plain file that can be read as a whole (not a folder, a pipe or a device).
bool isRegularFile(const QString& path);

// Copies the regular file `from` to a new file `to` (an old one there is
// removed first) and gives the copy the source's last-write time. A copy that
// fails half-way is removed again; `errnum` then holds the system's error
// number.
bool copyFileKeepingTime(const QString& from, const QString& to, QString* error = nullptr, int* errnum = nullptr);

// Copies what is left to read of `in` to `out`; false, with errno set, when a
// read or a write fails.
bool copyBytes(int in, int out);

// A path as the system calls take it.
QByteArray nativePath(const QString& path);

// Whether the two files hold the same bytes.
bool sameContent(const QString& a, const QString& b);

// A database file together with the side files its engine may leave beside
// it after a crash; a stale journal must never meet a fresh copy.
void removeDatabaseFiles(const QString& path);
void removeSideFiles(const QString& path);
bool hasSideFiles(const QString& path);

// Closes a POSIX file descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) { }
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close();

private:
    int m_fd;
};

QString systemError();  // the text of the last failed system call

}  // namespace varnox
