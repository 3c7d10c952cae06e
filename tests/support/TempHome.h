#pragma once

#include <QString>
#include <QTemporaryDir>

namespace varnox::test {

// A fresh program folder for one test: sets VARNOX_HOME (and XDG_CONFIG_HOME
// below it) for as long as it lives.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& content) const;
    QByteArray readFile(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QByteArray m_oldConfig;
    bool m_hadHome;
    bool m_hadConfig;
};

}  // namespace varnox::test
