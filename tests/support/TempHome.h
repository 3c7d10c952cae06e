#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

namespace varnox::test {

// A fresh program folder for one test: sets VARNOX_HOME (and XDG_CONFIG_HOME
// below it) for as long as it lives.
class TempHome {
public:
    TempHome()
    {
        qputenv("VARNOX_HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral(".config"))));
    }
    ~TempHome()
    {
        restore("VARNOX_HOME", m_oldHome);
        restore("XDG_CONFIG_HOME", m_oldConfig);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(file(name)).path());
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    // Puts a variable back as it was before: set to its value, or unset.
    static void restore(const char* name, const std::optional<QByteArray>& old)
    {
        if (old)
            qputenv(name, *old);
        else
            qunsetenv(name);
    }
    static std::optional<QByteArray> current(const char* name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }

    std::optional<QByteArray> m_oldHome = current("VARNOX_HOME");
    std::optional<QByteArray> m_oldConfig = current("XDG_CONFIG_HOME");
    QTemporaryDir m_dir;
};

}  // namespace varnox::test
