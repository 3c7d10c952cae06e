#include "core/project/ProjectSaver.h"

#include "core/lang/Texts.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectHost.h"
#include "core/project/ProjectPaths.h"
#include "core/project/SafeWrite.h"
#include "core/project/SaveState.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"
#include "core/shell/Session.h"

#include <QFileInfo>

namespace varnox {

namespace {

const QLatin1String kNewLine("\r\n");

QString quoted(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

Message saveFailedMessage(const QString& workCopyName, const QString& reason, bool keepsWorkCopy)
{
    Message m;
    m.text = GetText(252, "Die Projektdatei ") + quoted(projectFileName(workCopyName))
        + GetText(2207, " konnte nicht gespeichert werden.") + kNewLine + reason + kNewLine
        + GetText(2208, "Die Projektdatei ist unverändert geblieben.");
    if (keepsWorkCopy)
        m.text
            += kNewLine
            + GetText(
                   2209,
                   "Ihre Änderungen bleiben in der Arbeitskopie erhalten und werden beim nächsten Öffnen des Projekts angeboten.");
    m.title = GetText(246, "Fehler");
    m.icon = MessageIcon::Critical;
    return m;
}

}  // namespace

QString CopyBack(const QString& workCopyName, QString* error)
{
    const QString target = projectFilePath(workCopyName);
    const QFileInfo existing(target);
    if (existing.exists() && existing.isFile() && !existing.isWritable()) {
        // A project file protected against writing is not replaced behind
        // the protection's back.
        if (error)
            *error = GetText(746, "Der Zugriff wurde verweigert.");
        return {};
    }
    if (!writeSnapshot(workCopyPath(workCopyName), target, SnapshotTime::KeepSource, error))
        return {};
    return target;
}

Message ProjectSaver::saveQuestion(const QString& workCopyName)
{
    Message m;
    m.text = GetText(593, "Möchten Sie die Änderungen in ") + quoted(projectFileName(workCopyName))
        + GetText(594, " speichern?");
    m.title = GetText(916, "Varnox");
    m.icon = MessageIcon::Exclamation;
    return m;
}

bool ProjectSaver::copyBackOrReport(const QString& workCopyName, bool keepsWorkCopy)
{
    QString error;
    if (!CopyBack(workCopyName, &error).isEmpty())
        return true;
    m_context.op.tell(saveFailedMessage(workCopyName, error, keepsWorkCopy));
    return false;
}

void ProjectSaver::Save()
{
    const QString workCopy = m_context.session.workCopyName;
    if (workCopy.isEmpty())
        return;
    if (m_context.op.ask(saveQuestion(workCopy), Buttons::YesNo) == Answer::Yes)
        saveNow();
}

bool ProjectSaver::saveNow()
{
    const QString workCopy = m_context.session.workCopyName;
    if (!copyBackOrReport(workCopy, false))
        return false;
    m_context.host.additionalSave(workCopy);
    SetSaved(true);
    return true;
}

bool ProjectSaver::AskSaveAndClose()
{
    const QString workCopy = m_context.session.workCopyName;
    if (workCopy.isEmpty())
        return true;
    m_context.session.workCopyName.clear();
    if (IsModified(workCopy) && m_context.op.ask(saveQuestion(workCopy), Buttons::YesNo) == Answer::Yes) {
        if (!copyBackOrReport(workCopy, true))
            return false;
        m_context.host.additionalSave(workCopy);
    }
    DiscardWorkCopy(workCopy);
    return true;
}

Reload ProjectSaver::AskSaveAndReload()
{
    const QString workCopy = m_context.session.workCopyName;
    if (workCopy.isEmpty() || !IsModified(workCopy))
        return Reload::Unchanged;
    const bool save = m_context.op.ask(saveQuestion(workCopy), Buttons::YesNo) == Answer::Yes;
    if (save && !copyBackOrReport(workCopy, false))
        return Reload::Failed;
    if (!refreshWorkCopy(workCopy, m_context.op))
        return Reload::Failed;
    if (save)
        m_context.host.additionalSave(workCopy);
    return Reload::Fresh;
}

}  // namespace varnox
