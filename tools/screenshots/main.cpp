// varnox-screenshots [folder]: renders the pages, the main window in each
// operating mode and the dialogs in every interface language into `folder`
// (default "screenshots"), on a program folder of its own that it removes
// at the end. Run it under QT_QPA_PLATFORM=offscreen (scripts/screenshots).
//
// varnox-screenshots --live folder project seconds: the project of the
// program folder $VARNOX_HOME on its (simulated) installation, after that
// many seconds of live operation (scripts/screenshots --demo).
#include "SampleInstallation.h"
#include "Shots.h"
#include "core/lang/Texts.h"
#include "core/project/ProjectPaths.h"
#include "core/reports/TextBlocks.h"
#include "core/shell/ProgramFolder.h"
#include "ui/common/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

using namespace varnox;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--live")
        return shots::renderLiveInstallation(QDir(QString::fromLocal8Bit(argv[2])).absolutePath(),
            QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    const QString folder
        = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath();
    QTemporaryDir home;
    if (!home.isValid() || !QDir().mkpath(folder))
        qFatal("cannot make the folders");
    qputenv("VARNOX_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    MessageBox::setUnattended(true);
    InitTexts();

    QDir().mkpath(ProgramFolder::projectsDir());
    seedTextBlocks();
    const QString project = QStringLiteral("Werk Süd.mdb");
    shots::writeSampleInstallation(ProgramFolder::projectsDir() + QLatin1Char('/') + project);
    const QString workCopy = QStringLiteral("~hlvBilder.tmp");
    shots::writeSampleInstallation(workCopyPath(workCopy));

    for (const auto& [language, code, locale] :
        { std::tuple { kGerman, "de", "de_DE" }, { kEnglish, "en", "en_US" }, { kFrench, "fr", "fr_FR" } }) {
        setCurrentLanguage(language);
        QLocale::setDefault(QLocale(QLatin1String(locale))); // dates and times as a desk there shows them
        const shots::Shots shots { folder, QString::fromLatin1(code) };
        shots::renderPages(shots, workCopy);
        shots::renderPrintPreviews(shots, workCopy);
        shots::renderMainWindow(shots, project);
    }
    return 0;
}
