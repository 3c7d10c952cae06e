#include "ui/print/PrintFonts.h"

#include <QFontDatabase>
#include <QHash>

namespace varnox {

QString printFamily(const QString& family)
{
    static const QHash<QString, QString> twins {
        { QStringLiteral("times new roman"), QStringLiteral("Liberation Serif") },
        { QStringLiteral("times"), QStringLiteral("Liberation Serif") },
        { QStringLiteral("arial"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("helvetica"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("courier"), QStringLiteral("Liberation Mono") },
        { QStringLiteral("courier new"), QStringLiteral("Liberation Mono") },
    };
    const QString twin = twins.value(family.toLower());
    if (twin.isEmpty() || QFontDatabase::hasFamily(family))
        return family;
    return QFontDatabase::hasFamily(twin) ? twin : family;
}

QFont printFont(const TextStyle& style)
{
    QFont font(printFamily(style.family));
    font.setPixelSize(qRound(style.size * kTwipsPerPoint));
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false); // so that a text is as wide as its characters' advances (TextMeasure)
    font.setStyleHint(
        style.family.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive) ? QFont::TypeWriter : QFont::AnyStyle);
    return font;
}

} // namespace varnox
