#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

#include <optional>

namespace varnox::ctl {

// The command line, split into words (command, kind, project, file ...),
// options with a value (--name Tür, --name=Tür) and flags (--upgrade).
// `--home DIR` may stand anywhere; `--` ends the options.
struct Arguments {
    QString home;
    QStringList words;
    QMap<QString, QString> values; // by option name, without the dashes
    QSet<QString> flags;
    QString error; // what is wrong with the command line; empty when nothing

    static Arguments parse(const QStringList& arguments);
    static bool isFlag(const QString& name);
};

// The options of one command: each command takes what it knows, and
// whatever is left over was not meant for it.
class Options {
public:
    explicit Options(const Arguments& arguments)
        : m_values(arguments.values)
        , m_flags(arguments.flags)
    {
    }

    std::optional<QString> take(const QString& name);
    bool flag(const QString& name);
    // The first option or flag nobody took, with its dashes; empty when none.
    QString unused() const;

private:
    QMap<QString, QString> m_values;
    QSet<QString> m_flags;
};

} // namespace varnox::ctl
