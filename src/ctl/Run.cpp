#include "core/lang/LanguageSettings.h"
#include "core/lang/Texts.h"
#include "core/shell/Version.h"
#include "ctl/Commands.h"
#include "ctl/Values.h"

#include <QDir>
#include <QFile>

namespace varnox::ctl {
namespace {

QString helpText()
{
    const QString nl = QStringLiteral("\n");
    return GetText(4040, "Aufruf:") + nl
        + QStringLiteral("  varnoxctl [--home DIR] create PROJECT\n"
                         "  varnoxctl [--home DIR] check PROJECT [--upgrade]\n"
                         "  varnoxctl [--home DIR] info PROJECT\n"
                         "  varnoxctl [--home DIR] list readers|functions|zones|profiles|keys|assignments|ports PROJECT "
                         "[--format text|csv|json]\n"
                         "  varnoxctl [--home DIR] add|change|remove reader|function|zone|profile|key|assignment "
                         "PROJECT --FIELD VALUE ...\n"
                         "  varnoxctl [--home DIR] change port PROJECT --bus 1..16|desk --com 0..255\n"
                         "  varnoxctl [--home DIR] import keys PROJECT FILE.csv [--skip-bad]\n"
                         "  varnoxctl [--home DIR] export keys PROJECT\n"
                         "  varnoxctl [--home DIR] protocol DDMMYYYY [--verify]\n"
                         "  varnoxctl [--home DIR] protocol --follow\n"
                         "  varnoxctl [--home DIR] password observation|standard|configuration\n")
        + nl + GetText(2038, "Programmordner: $VARNOX_HOME, sonst ~/.local/share/varnox") + nl
        + GetText(4041, "Felder, Exit-Status und Beispiele: man varnoxctl") + nl;
}

using Command = ExitStatus (*)(Context&, Options&);

Command commandNamed(const QString& word)
{
    static const QList<QPair<QString, Command>> commands = {
        { QStringLiteral("create"), createCommand },
        { QStringLiteral("check"), checkCommand },
        { QStringLiteral("info"), infoCommand },
        { QStringLiteral("list"), listCommand },
        { QStringLiteral("add"), editCommand },
        { QStringLiteral("change"), editCommand },
        { QStringLiteral("remove"), editCommand },
        { QStringLiteral("import"), importCommand },
        { QStringLiteral("export"), exportCommand },
        { QStringLiteral("protocol"), protocolCommand },
        { QStringLiteral("password"), passwordCommand },
    };
    for (const auto& [name, command] : commands)
        if (name == word)
            return command;
    return nullptr;
}

// The language the operator chose for the program.
void applyLanguage()
{
    const LanguageSettings settings = LanguageSettings::read();
    SetLanguage(settings.langId, settings.langName);
}

ExitStatus usage(const QString& text)
{
    err(QStringLiteral("varnoxctl: ") + text + QLatin1Char('\n')
        + GetText(4042, "Aufruf: varnoxctl --help; Einzelheiten: man varnoxctl") + QLatin1Char('\n'));
    return Usage;
}

} // namespace

QStringList Context::words(const QStringList& names) const
{
    const QStringList given = args.words.mid(1);
    if (given.size() < names.size())
        throw UsageError { GetText(4034, "Es fehlt: %1").arg(names.mid(given.size()).join(QLatin1Char(' '))) };
    if (given.size() > names.size())
        throw UsageError { GetText(4035, "Zu viele Angaben: %1").arg(given.mid(names.size()).join(QLatin1Char(' '))) };
    return given;
}

void Context::noneLeft(const Options& options) const
{
    if (const QString option = options.unused(); !option.isEmpty())
        throw UsageError { GetText(4031, "Unbekannte Option für diesen Befehl: %1").arg(option) };
}

QString Context::unknownWord(const QString& word) const
{
    return GetText(4030, "Unbekannter Befehl: %1").arg(args.words.value(0) + QLatin1Char(' ') + word);
}

ExitStatus run(const QStringList& arguments)
{
    InitTexts();
    applyLanguage();
    Context c { Arguments::parse(arguments), {} };
    if (c.args.flags.contains(QStringLiteral("help"))) {
        out(helpText());
        return Done;
    }
    if (c.args.flags.contains(QStringLiteral("version"))) {
        out(QStringLiteral("varnoxctl ") + versionText() + QLatin1Char('\n'));
        return Done;
    }
    if (!c.args.error.isEmpty())
        return usage(c.args.error);
    if (c.args.words.isEmpty())
        return usage(GetText(4034, "Es fehlt: %1").arg(QStringLiteral("COMMAND")));
    const Command command = commandNamed(c.args.words.first());
    if (!command)
        return usage(GetText(4030, "Unbekannter Befehl: %1").arg(c.args.words.first()));
    if (!c.args.home.isEmpty())
        qputenv("VARNOX_HOME", QFile::encodeName(QDir(c.args.home).absolutePath()));
    Options options(c.args);
    try {
        return command(c, options);
    } catch (const UsageError& e) {
        return usage(e.text);
    }
}

} // namespace varnox::ctl
