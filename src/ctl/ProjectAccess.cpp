#include "ctl/ProjectAccess.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectListing.h"
#include "core/model/ProjectWork.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/FileCopy.h"
#include "core/project/FileTimes.h"
#include "core/project/ProjectEdit.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectNames.h"
#include "core/project/ProjectPaths.h"
#include "core/project/WorkCopy.h"
#include "core/supervision/AdditionalSave.h"
#include "core/supervision/SupervisionSettings.h"
#include "ctl/Console.h"
#include "ctl/Interrupt.h"

#include <QFileInfo>

namespace varnox::ctl {

ExitStatus statusOf(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Entry:
        return EntryRefused;
    case Refusal::Exists:
        return Exists;
    case Refusal::InUse:
        return InUse;
    case Refusal::NotFound:
        return NotFound;
    case Refusal::Database:
        break;
    }
    return Failed;
}

std::optional<QString> projectName(const QString& word, Operator& op)
{
    QString name = word;
    if (name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        name.chop(4);
    if (const std::optional<Message> fault = projectNameFault(name)) {
        op.tell(*fault);
        return std::nullopt;
    }
    return name;
}

ProjectRead::ProjectRead(const QString& projectName, Operator& op)
    : m_name(projectName)
{
    const QString file = projectFilePathForName(projectName);
    m_projectFile = QFileInfo(file).fileName();
    if (!QFileInfo(file).isFile()) {
        op.tell(Message { GetText(4020, "Die Projektdatei %1 gibt es nicht.").arg(quoted(m_projectFile)),
            GetText(246, "Fehler"), MessageIcon::Critical, QString(), false });
        return;
    }
    m_path = m_dir.filePath(m_projectFile);
    if (!m_dir.isValid() || !isRegularFile(file) || !copyFileKeepingTime(file, m_path)) {
        op.tell(accessDeniedMessage());
        return;
    }
    m_size = QFileInfo(file).size();
    m_storedVersion = readStoredVersion(m_path);
    if (!checkAndUpgradeCopy(m_path, m_projectFile, op)) {
        m_status = DataRefused;
        return;
    }
    m_olderVersion = !sameLastWrite(m_path, file);
    m_status = Done;
}

ExitStatus readProject(const QString& word, Operator& op, const std::function<ExitStatus(const ProjectRead&)>& work)
{
    const std::optional<QString> name = projectName(word, op);
    if (!name)
        return EntryRefused;
    const ProjectRead read(*name, op);
    if (read.status() == DataRefused) // a file that fails its check cannot be read
        return Unusable;
    return read.status() == Done ? work(read) : read.status();
}

ExitStatus editRefusal(const ProjectEdit& edit, ExitStatus failedFile)
{
    switch (edit.state()) {
    case ProjectEdit::State::Open:
        return Done;
    case ProjectEdit::State::Locked:
        return Locked;
    case ProjectEdit::State::UnsavedWorkCopy:
        return UnsavedChanges;
    case ProjectEdit::State::NoProject:
        return Unusable;
    default:
        return failedFile;
    }
}

ExitStatus saveProject(ProjectEdit& edit, Operator& op, ExitStatus status)
{
    if (!edit.save())
        return Failed;
    SupervisionSettings settings;
    readSupervisionSettings(edit.workCopyPath(), settings);
    if (const Outcome copied = AdditionalSave(edit.workCopyName(), settings.additionalSave); !copied) {
        op.tell(copied.message());
        return status == Done ? StoredWithNotice : status;
    }
    return status;
}

ExitStatus editProject(
    const QString& projectName, Operator& op, const std::function<EditResult(const QString&)>& work, bool allowUpgrade)
{
    ProjectEdit edit(projectName, op, allowUpgrade);
    if (const ExitStatus refused = editRefusal(edit, Unusable); refused != Done)
        return refused;
    const InterruptCleanup cleanup(edit.workCopyPath(), ProjectLock::filePath(projectName));
    const EditResult result = work(edit.workCopyPath());
    return result.stored ? saveProject(edit, op, result.status) : result.status;
}

EditResult reported(const Outcome& outcome, bool stored)
{
    if (outcome)
        return { Done, stored };
    errMessage(outcome.message());
    return { stored ? StoredWithNotice : statusOf(outcome.refusal()), stored };
}

EditResult reported(const Outcome& outcome)
{
    return reported(outcome, outcome.isOk());
}

} // namespace varnox::ctl
