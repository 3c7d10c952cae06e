#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace varnox {

// What the system says about a serial device that would not open: the
// device the configured name stands for (a link such as
// /dev/serial/by-id/... followed to its end), whether this program may read
// and write it, and the group whose membership would let it.
struct DeviceAccess {
    QString device;          // empty when there is no such device
    bool readWrite = false;  // this program may open it for reading and writing
    uint groupId = 0;
    QString groupToJoin;     // the device's group, when joining it gives the access missing

    bool exists() const { return !device.isEmpty(); }
};

DeviceAccess inspectDevice(const QString& path);

// The group a program with user `uid` and groups `groups` would have to
// join to read and write a device of `mode`, `owner` and `group`; none when
// it may already, or when no membership would help (the group itself lacks
// the right, or the program is in it already and something else stops it).
std::optional<uint> groupToJoinFor(uint mode, uint owner, uint group, uint uid, const QList<uint>& groups);

}  // namespace varnox
