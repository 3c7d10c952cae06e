#pragma once

// Runs build/varnoxctl on a temporary program folder, as a user would.
#include "TempHome.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace varnox::test {

struct CtlResult {
    int status = -1;
    QString out;
    QString err;
};

inline const QString& ctlBinary()
{
    static const QString binary = QStringLiteral(VARNOX_BINARY_DIR "/varnoxctl");
    return binary;
}

// The environment of a program run on `home`: no person at the screen, the
// language as the home's own settings say (German when they say nothing).
inline QProcessEnvironment programEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VARNOX_HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VARNOX_UNATTENDED"), QStringLiteral("1"));
    return env;
}

// varnoxctl with `arguments` on the program folder `home`, `input` on its
// standard input; waits for its end.
inline CtlResult runCtl(const QString& home, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.setProcessEnvironment(programEnvironment(home));
    process.start(ctlBinary(), arguments);
    if (!process.waitForStarted(30000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()) };
}

// A program folder with a varnoxctl of its own.
class CtlHome {
public:
    QString path() const { return m_home.path(); }
    const TempHome& home() const { return m_home; }
    CtlResult operator()(const QStringList& arguments, const QByteArray& input = {}) const
    {
        return runCtl(m_home.path(), arguments, input);
    }
    QString project(const QString& name) const
    {
        return m_home.file(QStringLiteral("projekte/") + name + QStringLiteral(".mdb"));
    }

private:
    TempHome m_home;
};

} // namespace varnox::test
