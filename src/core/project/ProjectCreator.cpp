#include "core/project/ProjectCreator.h"

#include "core/lang/Texts.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/FileTimes.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectHost.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectNames.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectSaver.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/SafeWrite.h"
#include "core/project/SaveState.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"
#include "core/shell/Session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace varnox {

namespace {

const QLatin1String kNewLine("\r\n");
const QLatin1String kExtension(".mdb");

Message message(const QString& text, const QString& title, MessageIcon icon)
{
    Message m;
    m.text = text;
    m.title = title;
    m.icon = icon;
    return m;
}

Message nameExistsMessage()
{
    return message(GetText(312, "Der Projektname existiert bereits!"), GetText(313, "Umbennen"),
                   MessageIcon::Exclamation);
}

Message replaceQuestion(const QString& file)
{
    return message(GetText(252, "Die Projektdatei ") + QLatin1Char('"') + file + QLatin1Char('"')
                       + GetText(253, " besteht bereits!") + kNewLine + GetText(254, "Möchten Sie sie ersetzen?"),
                   GetText(255, "Projekt speichern unter"), MessageIcon::Exclamation);
}

// `reason`: why a file could not be written, when the check of the new file
// has not told it already.
Message retryQuestion(const QString& what, const QString& reason)
{
    return message(what + kNewLine + (reason.isEmpty() ? QString() : reason + kNewLine)
                       + GetText(259, "Möchten Sie den Vorgang wiederholen?"),
                   GetText(246, "Fehler"), MessageIcon::None);
}

}  // namespace

// The new project file is written in one piece, its work copy made and
// checked; on any failure both are removed again. A project that another
// process holds (the command-line tool writing it) is not touched at all.
bool writeNewProjectFile(const QString& path, const QString& source, bool fromTemplate, Operator& op,
                         QString* workCopyName, QString* reason)
{
    QDir().mkpath(ProgramFolder::projectsDir());
    if (fromTemplate && !ensureProjectTemplate(reason))
        return false;
    const QString file = QFileInfo(path).fileName();
    const QString project = projectNameOf(workCopyNameFor(file));
    Message inUse;
    if (!ProjectLock::hold(project, &inUse)) {
        op.tell(inUse);
        return false;
    }
    if (!writeSnapshot(source, path, fromTemplate ? SnapshotTime::Now : SnapshotTime::KeepSource, reason)) {
        ProjectLock::release(project);
        return false;  // the file there, if any, is as it was
    }
    const WorkCopy copy = MakeWorkCopy(file, op, LeftBehind::Replace);
    if (copy.name.isEmpty() || !CheckAndUpgrade(copy.name, op)) {
        QFile::remove(path);
        DiscardWorkCopy(workCopyNameFor(file));
        return false;
    }
    *workCopyName = copy.name;
    return true;
}

bool ProjectCreator::writeNewProject(const QString& path, const QString& source, bool fromTemplate,
                                     QString* workCopyName, QString* reason)
{
    return writeNewProjectFile(path, source, fromTemplate, m_context.op, workCopyName, reason);
}

DialogStep ProjectCreator::CreateProject(const QString& name, bool atStart)
{
    Session& session = m_context.session;
    if (const auto fault = projectNameFault(name)) {
        m_context.op.tell(*fault);
        return DialogStep::Stay;
    }
    const QString path = projectFilePathForName(name);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()
        || workCopyNameFor(name + kExtension) == session.workCopyName) {
        m_context.op.tell(nameExistsMessage());
        return DialogStep::Stay;
    }
    QString workCopy;
    QString reason;
    if (!writeNewProject(path, ProgramFolder::templateFile(), true, &workCopy, &reason)) {
        const QString what = GetText(314, "Bei der Erstellung der neuen Projektdatei ist ein Fehler aufgetreten!");
        if (m_context.op.ask(retryQuestion(what, reason), Buttons::YesNo) == Answer::Yes)
            return DialogStep::SelectName;
        return !atStart || cancelNewProject(true) ? DialogStep::Close : DialogStep::Stay;
    }
    m_saver.AskSaveAndClose();
    session.workCopyName = workCopy;
    if (!session.noProjectMessageShown)
        writeLoginEntries(m_context);
    session.noProjectMessageShown = false;
    SetSaved(true);
    m_context.host.closeLoginDialog();
    m_context.host.fillMainWindow();
    m_context.host.startSupervision();
    return DialogStep::Done;
}

DialogStep ProjectCreator::SaveAs(const QString& name)
{
    Session& session = m_context.session;
    const QString file = name.endsWith(kExtension, Qt::CaseInsensitive) ? name : name + kExtension;
    const QString projectName = file.left(file.size() - kExtension.size());
    if (const auto fault = projectNameFault(projectName)) {
        m_context.op.tell(*fault);
        return DialogStep::Stay;
    }
    QString target = projectFilePathForName(projectName);
    if (!QFileInfo::exists(target))
        target = ProgramFolder::projectsDir() + QLatin1Char('/') + file;  // as typed, "X.MDB" included
    else if (m_context.op.ask(replaceQuestion(QFileInfo(target).fileName()), Buttons::YesNo) != Answer::Yes)
        return DialogStep::Stay;
    const QString oldWorkCopy = session.workCopyName;
    if (oldWorkCopy.isEmpty())
        return DialogStep::Close;
    if (workCopyNameFor(file) == oldWorkCopy)
        return saveInPlace();

    QString newWorkCopy;
    QString reason;
    if (!writeNewProject(target, workCopyPath(oldWorkCopy), false, &newWorkCopy, &reason)) {
        const QString what = GetText(258, "Beim Speichern der Projektdatei ist ein Fehler aufgetreten!");
        return m_context.op.ask(retryQuestion(what, reason), Buttons::YesNo) == Answer::Yes ? DialogStep::SelectName
                                                                                    : DialogStep::Close;
    }
    closeOldProject(oldWorkCopy, target);
    session.workCopyName = newWorkCopy;
    writeModeEntry(m_context);
    SetSaved(true);
    m_context.host.additionalSave(newWorkCopy);
    m_context.host.fillMainWindow();
    return DialogStep::Done;
}

// Saving the open project under its own name is a plain save: its work copy
// must not be replaced by itself and then deleted as the "old" one.
DialogStep ProjectCreator::saveInPlace()
{
    if (!m_saver.saveNow())
        return DialogStep::Stay;
    m_context.host.fillMainWindow();
    return DialogStep::Done;
}

// The new file carries the old work copy's last-write time; when the old
// project file has another one, the old project had unsaved changes, and it
// receives them as well.
void ProjectCreator::closeOldProject(const QString& oldWorkCopy, const QString& newProjectFile)
{
    if (!sameLastWrite(newProjectFile, projectFilePath(oldWorkCopy)) && !m_saver.copyBackOrReport(oldWorkCopy, true))
        return;
    DiscardWorkCopy(oldWorkCopy);
}

bool ProjectCreator::cancelNewProject(bool atStart)
{
    if (!atStart)
        return true;
    const Message question = message(GetText(2201, "Möchten Sie kein neues Projekt erstellen") + kNewLine
                                         + GetText(597, "und damit das Programm beenden?"),
                                     GetText(598, "Achtung"), MessageIcon::Question);
    if (m_context.op.ask(question, Buttons::YesNo) != Answer::Yes)
        return false;
    m_context.host.terminate();
    return true;
}

}  // namespace varnox
