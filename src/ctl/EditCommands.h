#pragma once

#include "ctl/Commands.h"

namespace varnox::ctl {

// add, change and remove of one kind of row: `verb` is the command word,
// `project` the project's name; the options are the fields. Each reads and
// checks its options first and only then opens the project.
using EditCommand = ExitStatus (*)(Context& c, const QString& verb, const QString& project, Options& options);

ExitStatus editReader(Context& c, const QString& verb, const QString& project, Options& options);
ExitStatus editFunction(Context& c, const QString& verb, const QString& project, Options& options);
ExitStatus editZone(Context& c, const QString& verb, const QString& project, Options& options);
ExitStatus editProfile(Context& c, const QString& verb, const QString& project, Options& options);
ExitStatus editKey(Context& c, const QString& verb, const QString& project, Options& options);
ExitStatus editAssignment(Context& c, const QString& verb, const QString& project, Options& options);

// The value of an option every form of a command needs.
QString required(Options& options, const QString& option);

} // namespace varnox::ctl
