#pragma once

#include <QString>
#include <QStringList>

namespace varnox {

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString projectFile;  // a project file name in the project folder, or empty
    QString error;        // why the command line was refused

    // `arguments` without the program's own name. --help wins over
    // --version, both over a mistake, so that help is always reachable.
    static CommandLine parse(const QStringList& arguments);

    // The arguments without the options the window system's toolkit takes
    // for itself (-platform offscreen, -style=fusion, -reverse, ...), so
    // that the command line can be judged before any window starts.
    static QStringList withoutToolkitOptions(const QStringList& arguments);

    static QString helpText();
    static QString versionText();
};

}  // namespace varnox
