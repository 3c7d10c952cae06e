#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace varnox::test {

namespace {

void restore(const char* name, bool had, const QByteArray& value)
{
    if (had)
        qputenv(name, value);
    else
        qunsetenv(name);
}

}  // namespace

TempHome::TempHome()
    : m_oldHome(qgetenv("VARNOX_HOME"))
    , m_oldConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_hadHome(qEnvironmentVariableIsSet("VARNOX_HOME"))
    , m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
{
    qputenv("VARNOX_HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral(".config"))));
}

TempHome::~TempHome()
{
    restore("VARNOX_HOME", m_hadHome, m_oldHome);
    restore("XDG_CONFIG_HOME", m_hadConfig, m_oldConfig);
}

void TempHome::writeFile(const QString& name, const QByteArray& content) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
}

QByteArray TempHome::readFile(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace varnox::test
