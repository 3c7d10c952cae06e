#include "ctl/Values.h"

#include "core/lang/Texts.h"
#include "core/model/KeyValidity.h"

#include <QRegularExpression>

namespace varnox::ctl {

void invalidValue(const QString& option, const QString& value)
{
    throw UsageError { GetText(4036, "%1 ist keine gültige Angabe für %2.")
                           .arg(QLatin1Char('"') + value + QLatin1Char('"'), QStringLiteral("--") + option) };
}

std::optional<int> decimal(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

std::optional<int> number(const QString& text)
{
    return decimal(text.trimmed());
}

std::optional<bool> onOff(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("on") || t == QLatin1String("yes") || t == QLatin1String("ein") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("off") || t == QLatin1String("no") || t == QLatin1String("aus") || t == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<int> choice(const QString& text, const QStringList& words)
{
    const QString t = text.trimmed().toLower();
    if (const qsizetype i = words.indexOf(t); i >= 0)
        return int(i);
    return std::nullopt;
}

std::optional<IsoMinute> isoMinute(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})[T ](\\d{2}:\\d{2})(:00(\\.0+)?)?(Z|[+-]\\d{2}:?\\d{2})?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(m.captured(1), Qt::ISODate);
    const QTime time = QTime::fromString(m.captured(2), QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    if (m.captured(5).isEmpty()) {
        if (afterSkippedTime(date, time))
            return IsoMinute { date, time, QDateTime(), true };
        return IsoMinute { date, time, QDateTime(date, time), false };
    }
    const QDateTime zoned
        = QDateTime::fromString(m.captured(1) + QLatin1Char('T') + m.captured(2) + m.captured(5), Qt::ISODate);
    if (!zoned.isValid())
        return std::nullopt;
    const QDateTime local = zoned.toLocalTime();
    return IsoMinute { local.date(), local.time(), local, false };
}

QString isoText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace varnox::ctl
