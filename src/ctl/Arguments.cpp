#include "ctl/Arguments.h"

#include "core/lang/Texts.h"

namespace varnox::ctl {
namespace {

const QStringList kFlags = { QStringLiteral("upgrade"), QStringLiteral("skip-bad"), QStringLiteral("verify"), QStringLiteral("follow"),
    QStringLiteral("yes"), QStringLiteral("drop-profile"), QStringLiteral("no-period"), QStringLiteral("help"),
    QStringLiteral("version") };

} // namespace

bool Arguments::isFlag(const QString& name)
{
    return kFlags.contains(name);
}

Arguments Arguments::parse(const QStringList& arguments)
{
    Arguments a;
    const auto fail = [&a](const QString& text) {
        if (a.error.isEmpty())
            a.error = text;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            a.words << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg.mid(2);
        std::optional<QString> value;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq > 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        }
        if (isFlag(name)) {
            if (value)
                fail(GetText(4031, "Unbekannte Option für diesen Befehl: %1").arg(arg));
            a.flags.insert(name);
            continue;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                fail(GetText(4032, "Die Option %1 braucht einen Wert.").arg(QStringLiteral("--") + name));
                continue;
            }
            value = arguments[++i];
        }
        if (name == QLatin1String("home")) {
            a.home = *value;
            continue;
        }
        if (a.values.contains(name))
            fail(GetText(4033, "Die Option %1 ist doppelt angegeben.").arg(QStringLiteral("--") + name));
        a.values.insert(name, *value);
    }
    return a;
}

std::optional<QString> Options::take(const QString& name)
{
    const auto found = m_values.constFind(name);
    if (found == m_values.constEnd())
        return std::nullopt;
    const QString value = *found;
    m_values.remove(name);
    return value;
}

bool Options::flag(const QString& name)
{
    return m_flags.remove(name);
}

QString Options::unused() const
{
    if (!m_values.isEmpty())
        return QStringLiteral("--") + m_values.firstKey();
    if (!m_flags.isEmpty())
        return QStringLiteral("--") + *m_flags.constBegin();
    return {};
}

} // namespace varnox::ctl
