#include "core/lang/QtTranslations.h"

#include "core/lang/LanguageNames.h"
#include "core/lang/LanguageNotifier.h"
#include "core/lang/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnox {
namespace {

void apply(QTranslator* translator, int languageId)
{
    QCoreApplication::removeTranslator(translator);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(localeOfLanguage(languageId), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("No Qt translation for language %d in %s", languageId, qPrintable(folder));
}

}  // namespace

void followLanguageWithQtTexts()
{
    static QTranslator* translator = nullptr;
    if (translator || !QCoreApplication::instance())
        return;
    translator = new QTranslator(QCoreApplication::instance());
    apply(translator, currentLanguage());
    QObject::connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, translator,
                     [](int languageId) { apply(translator, languageId); });
}

}  // namespace varnox
