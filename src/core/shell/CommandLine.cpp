#include "core/shell/CommandLine.h"

#include "core/lang/Texts.h"
#include "core/shell/Version.h"

namespace varnox {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    QString error;
    QStringList positional;
    for (const QString& a : arguments) {
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-"))
            positional << a;
        else if (a == QLatin1String("--"))
            optionsEnded = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            help = true;
        else if (a == QLatin1String("--version"))
            version = true;
        else if (error.isEmpty())
            error = GetText(2031, "Unbekannte Option: %1").arg(a);
    }
    if (positional.size() > 1 && error.isEmpty())
        error = GetText(2032, "Nur ein Projekt kann angegeben werden: %1").arg(positional.join(QLatin1Char(' ')));

    CommandLine cl;
    if (!positional.isEmpty())
        cl.projectFile = positional.first();
    cl.error = error;
    cl.action = help ? Action::Help : version ? Action::Version : !error.isEmpty() ? Action::Error : Action::Run;
    return cl;
}

QStringList CommandLine::withoutToolkitOptions(const QStringList& arguments)
{
    static const QStringList withValue = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                                          "geometry", "style", "stylesheet", "name", "title", "visual", "qmljsdebugger"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        // The toolkit takes its options with one dash or two.
        QString name;
        if (a.startsWith(QLatin1String("--")))
            name = a.mid(2);
        else if (a.startsWith(QLatin1Char('-')))
            name = a.mid(1);
        if (!name.isEmpty() && withValue.contains(name.section(QLatin1Char('='), 0, 0))) {
            if (!name.contains(QLatin1Char('=')))
                ++i;  // the value follows
            continue;
        }
        if (name.isEmpty() || !flags.contains(name))
            kept << a;
    }
    return kept;
}

QString CommandLine::helpText()
{
    const QString nl = QStringLiteral("\n");
    return GetText(2033, "Aufruf: varnox [Optionen] [Projektdatei]") + nl + nl
        + GetText(2034, "Eine angegebene Projektdatei (Name mit .mdb im Ordner projekte) wird ohne Anmeldung im Beobachtungsmodus geöffnet.")
        + nl + nl + GetText(2035, "Optionen:") + nl
        + QStringLiteral("  --help     ") + GetText(2036, "zeigt diese Hilfe und endet") + nl
        + QStringLiteral("  --version  ") + GetText(2037, "zeigt die Versionsnummer und endet") + nl + nl
        + GetText(2038, "Programmordner: $VARNOX_HOME, sonst ~/.local/share/varnox") + nl;
}

QString CommandLine::versionText() { return GetText(916, "Varnox") + QLatin1Char(' ') + varnox::versionText() + QLatin1Char('\n'); }

}  // namespace varnox
