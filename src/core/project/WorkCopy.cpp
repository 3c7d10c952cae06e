#include "core/project/WorkCopy.h"

#include "core/lang/Texts.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/FileCopy.h"
#include "core/project/FileTimes.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/FileError.h"
#include "core/shell/Operator.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

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

// A copy that failed for want of room or of the disk itself says so; the
// established message covers everything that keeps the file from being read.
Message copyFailedMessage(int errnum)
{
    if (errnum != ENOSPC && errnum != EDQUOT && errnum != EFBIG && errnum != EIO)
        return accessDeniedMessage();
    Message m = accessDeniedMessage();
    m.text = GetText(745, "Die ausgewählte Projektdatei kann nicht geöffnet werden.") + kNewLine
        + fileErrorText(errnum, qt_error_string(errnum));
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

Message sameProjectNameMessage(const QString& projectFile, const QString& otherFile)
{
    const auto quoted = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
    Message m;
    m.text = GetText(3400, "Die Projektdatei %1 kann nicht geöffnet werden.").arg(quoted(projectFile)) + kNewLine
        + GetText(3401, "Die Datei %1 im Projektordner trägt denselben Projektnamen; beim Speichern würde eine die andere überschreiben.")
              .arg(quoted(otherFile))
        + kNewLine + GetText(3402, "Benennen Sie eine der beiden Dateien um.");
    m.title = GetText(246, "Fehler");
    m.icon = MessageIcon::Critical;
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
    // Names that differ only in the case of the extension share one work
    // copy and one file to save to: only the file the name leads to opens.
    const QString namesake = projectFilePath(name);
    if (namesake != source) {
        op.tell(sameProjectNameMessage(projectFile, QFileInfo(namesake).fileName()));
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
    int errnum = 0;
    if (!copyFileKeepingTime(source, target, nullptr, &errnum)) {
        if (!heldBefore)
            ProjectLock::release(project);
        op.tell(copyFailedMessage(errnum));
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

bool refreshWorkCopy(const QString& workCopyName, Operator& op)
{
    const QString source = projectFilePath(workCopyName);
    const QString target = workCopyPath(workCopyName);
    const QString fresh = target + QStringLiteral(".fresh");
    removeDatabaseFiles(fresh);
    int errnum = EACCES;
    if (!isRegularFile(source) || !copyFileKeepingTime(source, fresh, nullptr, &errnum)) {
        op.tell(copyFailedMessage(errnum));
        return false;
    }
    if (!checkAndUpgradeCopy(fresh, QFileInfo(source).fileName(), op)) {
        removeDatabaseFiles(fresh);
        return false;
    }
    removeSideFiles(target);  // a stale journal must never meet the fresh copy
    if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    removeDatabaseFiles(fresh);
    op.tell(accessDeniedMessage());
    return false;
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
