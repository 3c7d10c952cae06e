#include "core/shell/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace varnox {

QString ProgramFolder::root()
{
    const QString fromEnv = qEnvironmentVariable("VARNOX_HOME");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(QDir(fromEnv).absolutePath());
    return QDir::homePath() + QStringLiteral("/.local/share/varnox");
}

QString ProgramFolder::file(const QString& name) { return root() + QLatin1Char('/') + name; }
QString ProgramFolder::configFile() { return file(QStringLiteral("VARNOXCF.INI")); }
QString ProgramFolder::templateFile() { return file(QStringLiteral("default.$$$")); }
QString ProgramFolder::projectsDir() { return file(QStringLiteral("projekte")); }
QString ProgramFolder::logDir() { return file(QStringLiteral("log")); }
QString ProgramFolder::timeDir() { return file(QStringLiteral("time")); }
QString ProgramFolder::textsDir() { return file(QStringLiteral("Texte")); }

bool ProgramFolder::ensureRoot() { return QDir().mkpath(root()); }

}  // namespace varnox
