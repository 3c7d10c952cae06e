#include "core/bus/DeviceAccess.h"

#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnox {
namespace {

QList<uint> ourGroups()
{
    QList<uint> groups{uint(::getegid())};
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        QList<gid_t> ids(count);
        const int got = ::getgroups(count, ids.data());
        for (int i = 0; i < got; ++i)
            groups << uint(ids[i]);
    }
    return groups;
}

QString groupName(uint gid)
{
    const group* g = ::getgrgid(gid_t(gid));
    return g ? QString::fromLocal8Bit(g->gr_name) : QString::number(gid);
}

}  // namespace

std::optional<uint> groupToJoinFor(uint mode, uint owner, uint group, uint uid, const QList<uint>& groups)
{
    // The system judges by the first of owner, group, others that fits, so
    // joining the group helps neither the owner nor a member.
    if (uid == owner || groups.contains(group) || (mode & (S_IROTH | S_IWOTH)) == (S_IROTH | S_IWOTH))
        return std::nullopt;
    if ((mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return std::nullopt;
    return group;
}

DeviceAccess inspectDevice(const QString& path)
{
    DeviceAccess a;
    a.device = QFileInfo(path).canonicalFilePath();
    if (a.device.isEmpty())
        return a;
    const QByteArray native = QFile::encodeName(a.device);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return a;
    a.groupId = uint(st.st_gid);
    a.readWrite = ::access(native.constData(), R_OK | W_OK) == 0;
    if (a.readWrite)
        return a;
    const std::optional<uint> join
        = groupToJoinFor(uint(st.st_mode), uint(st.st_uid), a.groupId, uint(::geteuid()), ourGroups());
    if (join)
        a.groupToJoin = groupName(*join);
    return a;
}

}  // namespace varnox
