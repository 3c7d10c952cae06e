#pragma once

#include "ctl/Arguments.h"
#include "ctl/Console.h"
#include "ctl/ExitStatus.h"

namespace varnox::ctl {

// What every command works with: the command line and the console.
struct Context {
    Arguments args;
    ConsoleOperator op;

    // The words after the command: exactly as many as `names` (a usage
    // error names what is missing or too much).
    QStringList words(const QStringList& names) const;
    // A usage error for the first option the command did not take.
    void noneLeft(const Options& options) const;
    QString unknownWord(const QString& word) const;
};

ExitStatus createCommand(Context& c, Options& options);
ExitStatus checkCommand(Context& c, Options& options);
ExitStatus infoCommand(Context& c, Options& options);
ExitStatus listCommand(Context& c, Options& options);
ExitStatus editCommand(Context& c, Options& options); // add, change, remove
ExitStatus importCommand(Context& c, Options& options);
ExitStatus exportCommand(Context& c, Options& options);
ExitStatus protocolCommand(Context& c, Options& options);
ExitStatus passwordCommand(Context& c, Options& options);

// The command line as a whole: help, version, and the command it names.
ExitStatus run(const QStringList& arguments);

} // namespace varnox::ctl
