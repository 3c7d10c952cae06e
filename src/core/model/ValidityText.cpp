#include "core/model/ValidityText.h"

#include <QRegularExpression>

namespace varnox {
namespace {

QString labelFormat(const QLocale& locale) { return validityDateFormat(locale) + QStringLiteral(" HH:mm"); }

}  // namespace

QString validityDateFormat(const QLocale& locale)
{
    static const QRegularExpression year(QStringLiteral("y+"));
    return locale.dateFormat(QLocale::ShortFormat).replace(year, QStringLiteral("yyyy"));
}

QString validityText(const QDateTime& time, const QLocale& locale)
{
    return time.isValid() ? locale.toString(time, labelFormat(locale)) : QString();
}

QString validityText(QDate date, QTime time, const QLocale& locale)
{
    return locale.toString(date, validityDateFormat(locale)) + QLatin1Char(' ')
        + time.toString(QStringLiteral("HH:mm"));
}

std::optional<QDateTime> parseValidityText(const QString& text, const QLocale& locale)
{
    const QDateTime time = locale.toDateTime(text.trimmed(), labelFormat(locale));
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString storedValidityTime(const QDateTime& time) { return time.toString(Qt::ISODate); }

std::optional<QDateTime> readStoredValidityTime(const QString& stored)
{
    const QDateTime time = QDateTime::fromString(stored, Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

}  // namespace varnox
