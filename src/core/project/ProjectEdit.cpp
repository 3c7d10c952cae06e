#include "core/project/ProjectEdit.h"

#include "core/lang/Texts.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectSaver.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Operator.h"

#include <QFileInfo>

namespace varnox {
namespace {

const QLatin1String kNewLine("\r\n");

QString quotedFile(const QString& file)
{
    return QLatin1Char('"') + file + QLatin1Char('"');
}

Message failure(const QString& text)
{
    return Message { text, GetText(246, "Fehler"), MessageIcon::Critical, QString(), false };
}

} // namespace

ProjectEdit::ProjectEdit(const QString& projectName, Operator& op, bool allowUpgrade)
    : m_op(op)
    , m_projectName(projectName)
{
    m_state = open(projectName, allowUpgrade);
}

ProjectEdit::State ProjectEdit::open(const QString& projectName, bool allowUpgrade)
{
    const QString path = projectFilePathForName(projectName);
    m_projectFile = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) {
        m_op.tell(failure(GetText(4020, "Die Projektdatei %1 gibt es nicht.").arg(quotedFile(m_projectFile))));
        return State::NoProject;
    }
    Message inUse;
    if (!ProjectLock::hold(projectName, &inUse)) {
        m_op.tell(inUse);
        return State::Locked;
    }
    m_locked = true;
    if (hasUnsavedWorkCopy(m_projectFile)) {
        m_op.tell(failure(GetText(2202, "Zur Projektdatei ") + quotedFile(m_projectFile)
            + GetText(2203, " liegt noch eine Arbeitskopie mit nicht gespeicherten Änderungen vor.") + kNewLine
            + GetText(
                4021, "Sie bleibt unangetastet, bis die Änderungen im Programm gespeichert oder verworfen sind.")));
        return State::UnsavedWorkCopy;
    }
    const WorkCopy copy = MakeWorkCopy(m_projectFile, m_op, LeftBehind::Replace);
    if (copy.name.isEmpty())
        return State::Unusable;
    m_workCopy = copy.name;
    if (!CheckAndUpgrade(m_workCopy, m_op))
        return State::Unusable;
    // The upgrade writes to the work copy, so a copy that differs from its
    // file now was of an older version.
    m_upgraded = IsModified(m_workCopy);
    if (m_upgraded && !allowUpgrade) {
        m_op.tell(failure(GetText(252, "Die Projektdatei ") + quotedFile(m_projectFile)
            + GetText(4022, " wurde mit einer älteren Programmversion erstellt.") + kNewLine
            + GetText(4023, "Bringen Sie sie zuerst auf den neuesten Stand: varnoxctl check %1 --upgrade")
                  .arg(projectName)));
        return State::NeedsUpgrade;
    }
    return State::Open;
}

ProjectEdit::~ProjectEdit()
{
    if (!m_workCopy.isEmpty())
        DiscardWorkCopy(m_workCopy);
    else if (m_locked)
        ProjectLock::release(m_projectName);
}

QString ProjectEdit::workCopyPath() const
{
    return m_workCopy.isEmpty() ? QString() : varnox::workCopyPath(m_workCopy);
}

bool ProjectEdit::save()
{
    if (m_state != State::Open)
        return false;
    QString error;
    if (!CopyBack(m_workCopy, &error).isEmpty())
        return true;
    m_op.tell(failure(GetText(252, "Die Projektdatei ") + quotedFile(m_projectFile)
        + GetText(2207, " konnte nicht gespeichert werden.") + kNewLine + error + kNewLine
        + GetText(2208, "Die Projektdatei ist unverändert geblieben.")));
    return false;
}

} // namespace varnox
