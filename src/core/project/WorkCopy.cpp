#include "core/project/WorkCopy.h"

#include "core/lang/Texts.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/FileCopy.h"
#include "core/project/FileTimes.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Operator.h"

#include <QFileInfo>

namespace varnox {

namespace {

const QLatin1String kNewLine("\r\n");

bool leftBehindDiffers(const QString& projectFile, const QString& workCopy)
{
    return QFileInfo::exists(workCopy) && (hasSideFiles(workCopy) || !sameContent(projectFile, workCopy));
}

}  // namespace

Message accessDeniedMessage()
{
    Message m;
    m.text = GetText(745, "Die ausgewählte Projektdatei kann nicht geöffnet werden.") + kNewLine
        + GetText(746, "Der Zugriff wurde verweigert.") + kNewLine + kNewLine
        + GetText(747, "Es besteht die Möglichkeit, daß die Datei bereits von") + kNewLine
        + GetText(748, "einem anderen Programm benutzt wird und damit für jedes") + kNewLine
        + GetText(749, "weitere Programm gesperrt wurde. Sie kann auch schreib-") + kNewLine
        + GetText(750, "geschützt sein bzw. sich auf einem schreibgeschützten") + kNewLine
        + GetText(751, "Datenträger befinden oder Sie haben keine ausreichende") + kNewLine
        + GetText(752, "Zugriffsberechtigung!");
    m.title = GetText(916, "Varnox");
    m.icon = MessageIcon::Critical;
    return m;
}

Message leftBehindQuestion(const QString& projectFile)
{
    Message m;
    m.text = GetText(2202, "Zur Projektdatei ") + QLatin1Char('"') + projectFile + QLatin1Char('"')
        + GetText(2203, " liegt noch eine Arbeitskopie mit nicht gespeicherten Änderungen vor.") + kNewLine
        + GetText(2204, "Möchten Sie mit diesen Änderungen weiterarbeiten?") + kNewLine
        + GetText(2205, "Bei Nein werden die Änderungen verworfen.");
    m.title = GetText(2206, "Nicht gespeicherte Änderungen");
    m.icon = MessageIcon::Question;
    return m;
}

WorkCopy MakeWorkCopy(const QString& projectFile, Operator& op, LeftBehind leftBehind)
{
    const QString source = ProgramFolder::projectsDir() + QLatin1Char('/') + projectFile;
    const QString name = workCopyNameFor(projectFile);
    const QString target = workCopyPath(name);
    const bool inProjectFolder = !projectFile.contains(QLatin1Char('/')) && projectFile != QLatin1String("..");
    if (!inProjectFolder || !isRegularFile(source) || !QFileInfo(source).isReadable()) {
        op.tell(accessDeniedMessage());
        return {};
    }
    // From here until the work copy is discarded the project is this process's.
    const QString project = projectNameOf(name);
    const bool heldBefore = ProjectLock::isHeld(project);
    Message inUse;
    if (!ProjectLock::hold(project, &inUse)) {
        op.tell(inUse);
        return {};
    }
    if (leftBehind != LeftBehind::Replace && leftBehindDiffers(source, target)
        && (leftBehind == LeftBehind::Keep || op.ask(leftBehindQuestion(projectFile), Buttons::YesNo) == Answer::Yes))
        return {name, true};
    if (!copyFileKeepingTime(source, target)) {
        if (!heldBefore)
            ProjectLock::release(project);
        op.tell(accessDeniedMessage());
        return {};
    }
    return {name, false};
}

WorkCopy makeCheckedWorkCopy(const QString& projectFile, Operator& op, LeftBehind leftBehind)
{
    const WorkCopy copy = MakeWorkCopy(projectFile, op, leftBehind);
    if (copy.name.isEmpty() || CheckAndUpgrade(copy.name, op))
        return copy;
    if (!copy.resumed)
        DiscardWorkCopy(copy.name);
    else
        ProjectLock::release(projectNameOf(copy.name));
    return {};
}

void DiscardWorkCopy(const QString& workCopyName)
{
    if (workCopyName.isEmpty())
        return;
    removeDatabaseFiles(workCopyPath(workCopyName));
    ProjectLock::release(projectNameOf(workCopyName));
}

bool hasUnsavedWorkCopy(const QString& projectFile)
{
    return leftBehindDiffers(
        ProgramFolder::projectsDir() + QLatin1Char('/') + projectFile, workCopyPath(workCopyNameFor(projectFile)));
}

bool IsModified(const QString& workCopyName)
{
    return !sameLastWrite(workCopyPath(workCopyName), projectFilePath(workCopyName));
}

}  // namespace varnox
