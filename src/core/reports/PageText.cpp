#include "core/reports/PageText.h"

#include "core/lang/Texts.h"

#include <QRegularExpression>

namespace varnox {
namespace {

QStringList lines(const QString& part, int page)
{
    if (part.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return QString(part).replace(QStringLiteral("%d"), QString::number(page)).split(lineBreak);
}

} // namespace

ThreeParts splitThreeParts(const QString& text, int page)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    ThreeParts out;
    out.left = lines(parts.value(0), page);
    out.centre = lines(parts.value(1), page);
    // Bars after the second belong to the right-hand text.
    out.right = lines(parts.mid(2).join(QLatin1Char('|')), page);
    return out;
}

QString firstPassFooter()
{
    return GetText(499, "|Seite %d von ??|");
}

QString numberedFooter(int pageCount)
{
    return QLatin1Char('|') + GetText(577, "|Seite %d von ") + QString::number(pageCount);
}

QString pageLabel(int page, int pageCount)
{
    return GetText(261, "Seite ") + QString::number(page) + GetText(262, " von ") + QString::number(pageCount);
}

} // namespace varnox
