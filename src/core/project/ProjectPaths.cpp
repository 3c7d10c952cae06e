#include "core/project/ProjectPaths.h"

#include <QDir>
#include <QFileInfo>

namespace varnox {

namespace {

const QLatin1String kMarker("~hlv");
const QLatin1String kWorkCopyExtension(".tmp");
const QLatin1String kProjectExtension(".mdb");

}  // namespace

QString workCopyNameFor(const QString& projectFileName)
{
    return kMarker + projectFileName.left(projectFileName.size() - 4) + kWorkCopyExtension;
}

QString projectNameOf(const QString& workCopyName) { return workCopyName.mid(4, workCopyName.size() - 8); }

QString projectFilePathForName(const QString& projectName)
{
    const QString wanted = projectName + kProjectExtension;
    const QDir folder(ProgramFolder::projectsDir());
    if (!QFileInfo::exists(folder.filePath(wanted))) {
        const QStringList entries
            = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            if (entry.size() == wanted.size() && entry.startsWith(projectName)
                && entry.endsWith(kProjectExtension, Qt::CaseInsensitive))
                return folder.filePath(entry);
    }
    return folder.filePath(wanted);
}

QString projectFilePath(const QString& workCopyName) { return projectFilePathForName(projectNameOf(workCopyName)); }

QString projectFileName(const QString& workCopyName) { return QFileInfo(projectFilePath(workCopyName)).fileName(); }

}  // namespace varnox
