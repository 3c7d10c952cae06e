#include "core/lang/Texts.h"
#include "core/model/ProjectListing.h"
#include "core/model/ProjectWork.h"
#include "core/project/ProjectCreator.h"
#include "core/project/ProjectEdit.h"
#include "core/project/ProjectLock.h"
#include "core/project/ProjectPaths.h"
#include "core/project/WorkCopy.h"
#include "core/shell/ProgramFolder.h"
#include "ctl/Commands.h"
#include "ctl/Interrupt.h"
#include "ctl/ProjectAccess.h"

#include <QDir>
#include <QFileInfo>

namespace varnox::ctl {
namespace {

constexpr int kCurrentVersion = 8;

QString versionText(const std::optional<int>& version)
{
    return version ? QString::number(*version) : GetText(4063, "ältestes Format ohne Versionsnummer");
}

QString yesNo(bool yes)
{
    return yes ? GetText(4090, "ja") : GetText(4091, "nein");
}

void line(const QString& label, const QString& value)
{
    out(label + QStringLiteral(": ") + value + QLatin1Char('\n'));
}

} // namespace

ExitStatus createCommand(Context& c, Options& options)
{
    const QStringList words = c.words({ QStringLiteral("PROJECT") });
    c.noneLeft(options);
    const std::optional<QString> name = projectName(words[0], c.op);
    if (!name)
        return EntryRefused;
    // The name is checked while the project is held, so that nobody else
    // creates it in between.
    QDir().mkpath(ProgramFolder::projectsDir());
    Message inUse;
    if (!ProjectLock::hold(*name, &inUse)) {
        c.op.tell(inUse);
        return Locked;
    }
    const QString path = projectFilePathForName(*name);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        ProjectLock::release(*name);
        c.op.tell(exclamationMessage(GetText(312, "Der Projektname existiert bereits!"), GetText(313, "Umbennen")));
        return Exists;
    }
    QString workCopy;
    QString reason;
    if (!writeNewProjectFile(path, ProgramFolder::templateFile(), true, c.op, &workCopy, &reason)) {
        ProjectLock::release(*name);
        if (!reason.isEmpty())
            err(reason + QLatin1Char('\n'));
        return Failed;
    }
    DiscardWorkCopy(workCopy);
    return Done;
}

ExitStatus checkCommand(Context& c, Options& options)
{
    const QStringList words = c.words({ QStringLiteral("PROJECT") });
    const bool upgrade = options.flag(QStringLiteral("upgrade"));
    c.noneLeft(options);
    const std::optional<QString> name = projectName(words[0], c.op);
    if (!name)
        return EntryRefused;
    if (!upgrade) {
        const ProjectRead read(*name, c.op);
        if (read.status() != Done)
            return read.status();
        if (read.olderVersion())
            out(GetText(4061,
                    "Die Projektdatei %1 ist in Ordnung, stammt aber von einer älteren Programmversion (Version %2).")
                    .arg(quoted(read.projectFile()), versionText(read.storedVersion()))
                + QLatin1Char('\n')
                + GetText(4064,
                    "Das Programm bringt sie beim Öffnen auf den neuesten Stand, varnoxctl check --upgrade sofort.")
                + QLatin1Char('\n'));
        else
            out(GetText(4060, "Die Projektdatei %1 ist in Ordnung (Version %2).")
                    .arg(quoted(read.projectFile()), versionText(read.storedVersion()))
                + QLatin1Char('\n'));
        return Done;
    }
    ProjectEdit edit(*name, c.op, true);
    if (const ExitStatus refused = editRefusal(edit, DataRefused); refused != Done)
        return refused;
    const InterruptCleanup cleanup(edit.workCopyPath(), ProjectLock::filePath(*name));
    if (edit.upgraded()) {
        if (const ExitStatus saved = saveProject(edit, c.op, Done); saved != Done)
            return saved;
        out(GetText(4062, "Die Projektdatei %1 wurde auf den neuesten Stand gebracht (Version %2).")
                .arg(quoted(edit.projectFile()))
                .arg(kCurrentVersion)
            + QLatin1Char('\n'));
    } else {
        out(GetText(4060, "Die Projektdatei %1 ist in Ordnung (Version %2).")
                .arg(quoted(edit.projectFile()))
                .arg(kCurrentVersion)
            + QLatin1Char('\n'));
    }
    return Done;
}

namespace {

// The version, size and counts of a project read, and whether it is open.
ExitStatus showInfo(const ProjectRead& read)
{
    ProjectCounts n;
    if (const Outcome counted = readProjectCounts(read.path(), n); !counted)
        return reported(counted).status;
    const ProjectLock::Holder holder = ProjectLock::holder(read.name());
    line(GetText(4070, "Projektdatei"), ProgramFolder::projectsDir() + QLatin1Char('/') + read.projectFile());
    line(GetText(4071, "Version"),
        versionText(read.storedVersion())
            + (read.olderVersion() ? QStringLiteral(" (") + GetText(4072, "älter") + QLatin1Char(')') : QString()));
    line(GetText(4073, "Größe in Bytes"), QString::number(read.size()));
    line(GetText(4074, "Leser"), QString::number(n.readers));
    line(GetText(4075, "davon dezentral"), QString::number(n.decentralReaders));
    line(GetText(4076, "warten auf Übertragung"), QString::number(n.readersToTransfer));
    line(GetText(4077, "Funktionen"), QString::number(n.functions));
    line(GetText(4078, "Zeitzonen"), QString::number(n.zones));
    line(GetText(4079, "Zutrittsprofile"), QString::number(n.profiles));
    line(GetText(4080, "Leserzuordnungen"), QString::number(n.assignments));
    line(GetText(4081, "Schlüssel"), QString::number(n.keys));
    line(GetText(4082, "davon mit Zutrittsprofil"), QString::number(n.linkedKeys));
    line(GetText(4083, "davon mit festem Zeitraum"), QString::number(n.keysWithPeriod));
    line(GetText(4084, "Im Programm geöffnet"), yesNo(holder == ProjectLock::Holder::Program));
    line(GetText(4085, "Nicht gespeicherte Änderungen in der Arbeitskopie"),
        yesNo(hasUnsavedWorkCopy(read.projectFile())));
    return Done;
}

} // namespace

ExitStatus infoCommand(Context& c, Options& options)
{
    const QStringList words = c.words({ QStringLiteral("PROJECT") });
    c.noneLeft(options);
    return readProject(words[0], c.op, showInfo);
}

} // namespace varnox::ctl
