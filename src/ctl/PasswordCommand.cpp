#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/FileError.h"
#include "core/shell/PasswordChange.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/StartupRepair.h"
#include "ctl/Commands.h"
#include "ctl/Values.h"

#include <QTextStream>

#include <termios.h>
#include <unistd.h>

namespace varnox::ctl {
namespace {

// The modes in their order (position p is mode p + 1), in English and as the program names them.
std::optional<int> modePosition(const QString& word)
{
    if (const auto english = choice(word,
            { QStringLiteral("observation"), QStringLiteral("standard"), QStringLiteral("configuration") }))
        return english;
    return choice(word, { QStringLiteral("beobachtung"), QStringLiteral("standard"), QStringLiteral("konfiguration") });
}

QString readLine()
{
    QTextStream in(stdin);
    return in.readLine();
}

// At a terminal the password is asked twice without being shown, as the
// program's dialog asks; from a pipe or file its first line is taken.
std::pair<QString, QString> readPassword()
{
    if (!::isatty(STDIN_FILENO)) {
        const QString password = readLine();
        return { password, password };
    }
    termios shown {};
    ::tcgetattr(STDIN_FILENO, &shown);
    termios hidden = shown;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    err(GetText(2456, "Neues Passwort:") + QLatin1Char(' '));
    const QString password = readLine();
    err(QStringLiteral("\n") + GetText(2457, "Passwort wiederholen:") + QLatin1Char(' '));
    const QString repetition = readLine();
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
    err(QStringLiteral("\n"));
    return { password, repetition };
}

} // namespace

// The password of a mode, stored as the program's "Moduspasswort ändern"
// stores it (the old one is not asked for: whoever may write the program
// folder may set it anyway), with its line in the daily protocol.
ExitStatus passwordCommand(Context& c, Options& options)
{
    const QStringList words = c.words({ QStringLiteral("observation|standard|configuration") });
    c.noneLeft(options);
    const std::optional<int> position = modePosition(words[0]);
    if (!position)
        throw UsageError { c.unknownWord(words[0]) };
    if (const int error = ProgramFolder::prepare()) {
        errMessage(ProgramFolder::unusableMessage(fileErrorText(error, qt_error_string(error))));
        return Unusable;
    }
    const auto [password, repetition] = readPassword();
    ConfigFile config(ProgramFolder::configFile());
    QString protocolLine;
    const Outcome changed
        = PasswordChange(config).ChangePassword(Mode(*position + 1), password, repetition, &protocolLine);
    if (!changed) {
        errMessage(changed.message());
        return statusOf(changed.refusal());
    }
    DailyProtocol protocol(SystemClock::instance());
    protocol.setSwitches(StartupRepair(config));
    protocol.write(protocolLine);
    return Done;
}

} // namespace varnox::ctl
