#include "core/lang/LanguageNames.h"

#include <array>

namespace varnox {
namespace {

struct KnownLanguage {
    int id;
    const char* germanName;
    QLocale::Language language;
    QLocale::Script script;
    QLocale::Territory territory;
};

// Every language that ever had texts of its own; only German, English and
// French can still be chosen, the others fall back to German.
constexpr std::array<KnownLanguage, 16> kLanguages{{
    {1029, "Tschechisch", QLocale::Czech, QLocale::AnyScript, QLocale::CzechRepublic},
    {1031, "Deutsch (Deutschland)", QLocale::German, QLocale::AnyScript, QLocale::Germany},
    {1032, "Griechisch", QLocale::Greek, QLocale::AnyScript, QLocale::Greece},
    {1033, "Englisch (USA)", QLocale::English, QLocale::AnyScript, QLocale::UnitedStates},
    {1036, "Französisch (Frankreich)", QLocale::French, QLocale::AnyScript, QLocale::France},
    {1049, "Russisch", QLocale::Russian, QLocale::AnyScript, QLocale::Russia},
    {1050, "Kroatisch", QLocale::Croatian, QLocale::AnyScript, QLocale::Croatia},
    {1051, "Slowakisch", QLocale::Slovak, QLocale::AnyScript, QLocale::Slovakia},
    {1055, "Türkisch", QLocale::Turkish, QLocale::AnyScript, QLocale::Turkey},
    {1060, "Slowenisch", QLocale::Slovenian, QLocale::AnyScript, QLocale::Slovenia},
    {2052, "Chinesisch (VR China)", QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China},
    {2060, "Französisch (Belgien)", QLocale::French, QLocale::AnyScript, QLocale::Belgium},
    {2067, "Niederländisch (Belgien)", QLocale::Dutch, QLocale::AnyScript, QLocale::Belgium},
    {2074, "Serbisch (Lateinisch)", QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia},
    {4103, "Deutsch (Luxemburg)", QLocale::German, QLocale::AnyScript, QLocale::Luxembourg},
    {10249, "Englisch (Belize)", QLocale::English, QLocale::AnyScript, QLocale::Belize},
}};

const KnownLanguage* find(int languageId)
{
    for (const KnownLanguage& known : kLanguages)
        if (known.id == languageId)
            return &known;
    return nullptr;
}

}  // namespace

QString LanguageName(int languageId)
{
    const KnownLanguage* known = find(languageId);
    return known ? QString::fromUtf8(known->germanName) : QStringLiteral("Invalid Language Index");
}

QLocale localeOfLanguage(int languageId)
{
    const KnownLanguage* known = find(languageId);
    return known ? QLocale(known->language, known->script, known->territory) : QLocale::c();
}

QString NativeLanguageName(int languageId)
{
    return find(languageId) ? localeOfLanguage(languageId).nativeLanguageName() : QString();
}

}  // namespace varnox
