#include "core/lang/Texts.h"

#include "core/lang/CatalogueFile.h"
#include "core/lang/LanguageNotifier.h"

#include <QHash>

namespace varnox {
namespace {

int g_language = kGerman;

QString resourceName(int languageId)
{
    switch (languageId) {
    case kEnglish: return QStringLiteral(":/lang/en.txt");
    case kFrench: return QStringLiteral(":/lang/fr.txt");
    default: return QStringLiteral(":/lang/de.txt");
    }
}

const QHash<int, QString>& catalogue(int languageId)
{
    static QHash<int, QHash<int, QString>> loaded;
    auto it = loaded.find(languageId);
    if (it == loaded.end())
        it = loaded.insert(languageId, CatalogueFile::load(resourceName(languageId)).texts);
    return *it;
}

}  // namespace

QString GetText(int number, const char* /*germanSource*/)
{
    const QString text = catalogue(g_language).value(number);
    if (!text.isEmpty() || g_language == kGerman)
        return text;
    return catalogue(kGerman).value(number);
}

void InitTexts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    catalogue(kGerman);
}

int currentLanguage() { return g_language; }

const QList<int>& supportedLanguages()
{
    static const QList<int> languages{kGerman, kEnglish, kFrench};
    return languages;
}

bool isSupportedLanguage(int languageId) { return supportedLanguages().contains(languageId); }

void SetLanguage(int languageId, const QString& /*languageName*/) { setCurrentLanguage(languageId); }

void setCurrentLanguage(int languageId)
{
    const int chosen = isSupportedLanguage(languageId) ? languageId : kGerman;
    if (chosen == g_language)
        return;
    g_language = chosen;
    LanguageNotifier::instance().announce(chosen);
}

}  // namespace varnox
