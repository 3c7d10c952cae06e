#pragma once

#include "FakeClock.h"
#include "ProjectFiles.h"
#include "RecordingHost.h"
#include "ScriptedOperator.h"
#include "TempHome.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectContext.h"
#include "core/project/ProjectCreator.h"
#include "core/project/ProjectOpener.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectSaver.h"
#include "core/project/WorkCopy.h"
#include "core/shell/Session.h"

#include <QDir>
#include <QFile>

namespace varnox::test {

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
    QStringList protocolTexts() const
    {
        QFile file(DailyProtocol::filePath(clock.now().date()));
        QStringList texts;
        if (!file.open(QIODevice::ReadOnly))
            return texts;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                texts << QString::fromUtf8(line.mid(9).trimmed());
        return texts;
    }

    // Every file in the project folder, sorted.
    static QStringList projectFolder()
    {
        return QDir(ProgramFolder::projectsDir()).entryList(QDir::Files | QDir::Hidden);
    }
};

}  // namespace varnox::test
