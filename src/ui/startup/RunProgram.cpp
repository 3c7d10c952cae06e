#include "core/lang/LanguageChoice.h"
#include "core/lang/Texts.h"
#include "core/project/ProjectTemplate.h"
#include "core/reports/TextBlocks.h"
#include "core/shell/Clock.h"
#include "core/shell/CommandLine.h"
#include "core/shell/FileError.h"
#include "core/shell/InstanceLock.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/SignalWatcher.h"
#include "ui/common/MessageBox.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/startup/ProgramRun.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

namespace varnox {
namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

int runProgram(int argc, char* argv[])
{
    // Help, version and a mistake on the command line need no screen: they
    // are answered before the windows start, in the language chosen last.
    useStoredLanguage();
    const CommandLine early = CommandLine::parse(CommandLine::withoutToolkitOptions(rawArguments(argc, argv)));
    if (early.action == CommandLine::Action::Help) {
        print(stdout, CommandLine::helpText());
        return 0;
    }
    if (early.action == CommandLine::Action::Version) {
        print(stdout, CommandLine::versionText());
        return 0;
    }
    if (early.action == CommandLine::Action::Error) {
        print(stderr, early.error + QLatin1Char('\n') + CommandLine::helpText());
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnox"));
    // Without a person at the screen (scripted runs) message boxes are logged and answered cautiously.
    MessageBox::setUnattended(qEnvironmentVariableIsSet("VARNOX_UNATTENDED"));
    chooseLanguageAtStart();
    // The windowing system's own options are gone from the arguments by now.
    const CommandLine commandLine = CommandLine::parse(QApplication::arguments().mid(1));
    if (commandLine.action == CommandLine::Action::Error) {
        print(stderr, commandLine.error + QLatin1Char('\n') + CommandLine::helpText());
        return 2;
    }

    // A program that cannot keep its files, or its lock, in its folder does
    // not start: it would lose its protocol and could run twice.
    if (const int error = ProgramFolder::prepare()) {
        MessageBox::show(nullptr, ProgramFolder::unusableMessage(fileErrorText(error, qt_error_string(error))));
        return 1;
    }
    InstanceLock lock(ProgramFolder::root());
    if (!lock.acquire()) {
        MessageBox::show(nullptr, lock.heldByOther() ? InstanceLock::secondInstanceMessage()
                                                     : ProgramFolder::unusableMessage(lock.failure()));
        return 1;
    }
    QString templateError;
    if (!ensureProjectTemplate(&templateError))
        MessageBox::show(nullptr, templateMissingMessage(templateError));
    seedTextBlocks();

    ProgramRun run(SystemClock::instance());
    run.endProcessNow = [&lock] {
        lock.release();
        std::fflush(nullptr);
        ::_exit(0);
    };
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &run, &ProgramRun::endFromOutside);
    run.projectArgument = commandLine.projectFile;
    run.start();
    if (!MessageBox::unattended())
        run.askForModeAtStart(qEnvironmentVariableIntValue("VARNOX_LOGIN_MODE"));
    const int rc = QApplication::exec();
    run.finish();
    return rc;
}

}  // namespace varnox
