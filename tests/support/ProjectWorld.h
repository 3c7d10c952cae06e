#pragma once

#include "ProjectFiles.h"
#include "ProtocolHome.h"
#include "ScriptedOperator.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectCreator.h"
#include "core/project/ProjectHost.h"
#include "core/project/ProjectOpener.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectSaver.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Session.h"


namespace varnox::test {

// A host that records what the project procedures asked of the windows, in
// order, as short texts such as "fillMainWindow" or "showProjectDialog(1)".
class RecordingHost final : public ProjectHost {
public:
    QStringList calls;

    void showProjectDialog(bool newAllowed) override { calls << QStringLiteral("showProjectDialog(%1)").arg(int(newAllowed)); }
    void showNewProjectDialog(bool atStart) override
    {
        calls << QStringLiteral("showNewProjectDialog(%1)").arg(int(atStart));
    }
    void hideLoginDialog() override { calls << QStringLiteral("hideLoginDialog"); }
    void closeLoginDialog() override { calls << QStringLiteral("closeLoginDialog"); }
    void fillMainWindow() override { calls << QStringLiteral("fillMainWindow"); }
    void terminate() override { calls << QStringLiteral("terminate"); }
    void startSupervision() override { calls << QStringLiteral("startSupervision"); }
    void additionalSave(const QString& copy) override { calls << QStringLiteral("additionalSave(%1)").arg(copy); }
};

// Everything the procedures over project files work with, in a fresh program
// folder: the session, a daily protocol that records, a scripted operator and
// a recording host.
struct ProjectWorld {
    TempHome home;
    FakeClock clock;
    Session session;
    DailyProtocol protocol {clock};
    ScriptedOperator op;
    RecordingHost host;
    ProjectContext context {session, protocol, op, host};
    ProjectSaver saver {context};
    ProjectOpener opener {context, saver};
    ProjectCreator creator {context, saver};

    ProjectWorld()
    {
        protocol.setSwitches({255, false});
        session.mode = Mode::Konfiguration;
        QDir().mkpath(ProgramFolder::projectsDir());
    }

    static QString projectFile(const QString& name) { return ProgramFolder::projectsDir() + QLatin1Char('/') + name; }

    // Writes projekte/<name>.mdb and makes it the open project.
    QString openProject(const QString& name, Layout layout = Layout::Version8)
    {
        writeProject(projectFile(name + QStringLiteral(".mdb")), layout);
        session.workCopyName = MakeWorkCopy(name + QStringLiteral(".mdb"), op).name;
        return session.workCopyName;
    }

    // Changes the open project: adds an access profile to its work copy.
    void change() const { addProfile(workCopyPath(session.workCopyName)); }
    QByteArray workCopyDigest() const { return projectDigest(workCopyPath(session.workCopyName)); }

    // The texts written to today's daily protocol, without their times.
    QStringList protocolTexts() const { return test::protocolTexts(clock.now().date()); }

    // Every file in the project folder, sorted.
    // The files of the project folder, the open project's lock aside.
    static QStringList projectFolder()
    {
        QStringList files = QDir(ProgramFolder::projectsDir()).entryList(QDir::Files | QDir::Hidden);
        files.removeIf([](const QString& f) { return f.startsWith(QLatin1Char('.')) && f.endsWith(QLatin1String(".lock")); });
        return files;
    }
};

}  // namespace varnox::test
