#include "core/project/ProjectOpener.h"

#include "core/lang/Texts.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectHost.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectSaver.h"
#include "core/project/SaveState.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"
#include "core/shell/Session.h"

#include <QDir>

namespace varnox {

namespace {

const QLatin1String kNewLine("\r\n");

Message noFileSelectedMessage()
{
    Message m;
    m.text = GetText(244, "Sie müssen eine Datei auswählen,") + kNewLine + GetText(245, "die geöffnet werden soll!");
    m.title = GetText(246, "Fehler");
    m.icon = MessageIcon::Exclamation;
    return m;
}

Message endProgramQuestion(Mode mode)
{
    Message m;
    m.text
        = (mode == Mode::Konfiguration ? GetText(599, "Möchten Sie keine Datei öffnen bzw. keine neue Datei erstellen")
                                       : GetText(596, "Möchten Sie keine Datei öffnen"))
        + kNewLine + GetText(597, "und damit das Programm beenden?");
    m.title = GetText(598, "Achtung");
    m.icon = MessageIcon::Question;
    return m;
}

}  // namespace

Message ProjectOpener::noProjectFileMessage()
{
    Message m;
    m.text = GetText(315, "Es ist keine Projektdatei vorhanden. Sie müssen ein neues Projekt erstellen,") + kNewLine
        + GetText(316, "um mit dem Programm arbeiten zu können!") + kNewLine
        + GetText(318, "Dies ist jedoch nur im Konfigurationsmodus möglich!");
    m.title = GetText(317, "Keine Datei");
    m.icon = MessageIcon::Exclamation;
    return m;
}

QStringList ProjectOpener::projectFiles()
{
    QDir folder(ProgramFolder::projectsDir());
    if (!folder.exists())
        QDir().mkpath(folder.path());
    return folder.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void ProjectOpener::OpenProjectStart()
{
    Session& session = m_context.session;
    ProjectHost& host = m_context.host;
    const bool anyProject = !projectFiles().isEmpty();
    if (session.projectGivenAtStart) {
        writeWithoutLoginEntry(m_context);
        host.fillMainWindow();
        host.startSupervision();
    } else if (anyProject) {
        host.hideLoginDialog();
        host.showProjectDialog(session.mode == Mode::Konfiguration);
    } else if (session.mode != Mode::Konfiguration) {
        m_context.op.tell(noProjectFileMessage());
        session.noProjectMessageShown = true;
    } else {
        host.hideLoginDialog();
        host.showNewProjectDialog(session.workCopyName.isEmpty());
    }
}

bool ProjectOpener::OpenSelected(const QString& selectedFile)
{
    Session& session = m_context.session;
    if (selectedFile.isEmpty()) {
        m_context.op.tell(noFileSelectedMessage());
        return false;
    }
    bool resumed = false;
    const bool sameProject = !session.workCopyName.isEmpty()
        && projectFilePath(session.workCopyName) == ProgramFolder::projectsDir() + QLatin1Char('/') + selectedFile;
    if (sameProject ? !reloadCurrent() : !openOther(selectedFile, &resumed))
        return false;

    if (!session.noProjectMessageShown)
        writeLoginEntries(m_context);
    session.noProjectMessageShown = false;
    m_context.host.closeLoginDialog();
    // Changes kept from a left-behind work copy are not saved yet.
    SetSaved(!resumed);
    m_context.host.fillMainWindow();
    m_context.host.startSupervision();
    return true;
}

// The new work copy is made and checked before the open project is closed,
// so that a file that fails leaves the open project as it was.
bool ProjectOpener::openOther(const QString& selectedFile, bool* resumed)
{
    const WorkCopy copy = makeCheckedWorkCopy(selectedFile, m_context.op);
    if (copy.name.isEmpty())
        return false;
    m_saver.AskSaveAndClose();
    m_context.session.workCopyName = copy.name;
    *resumed = copy.resumed;
    return true;
}

bool ProjectOpener::reloadCurrent() { return m_saver.AskSaveAndReload() != Reload::Failed; }

bool ProjectOpener::cancelProjectDialog()
{
    if (!m_context.session.workCopyName.isEmpty())
        return true;
    if (m_context.op.ask(endProgramQuestion(m_context.session.mode), Buttons::YesNo) != Answer::Yes)
        return false;
    m_context.host.terminate();
    return true;
}

}  // namespace varnox
