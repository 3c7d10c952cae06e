#include "core/model/ZoneTimes.h"

namespace varnox {
namespace {

int twoDigits(const QString& text, int at)
{
    const int high = text[at].digitValue();
    const int low = text[at + 1].digitValue();
    return high < 0 || low < 0 ? -1 : high * 10 + low;
}

// "HH:MM:SS" or "HH:MM"; an invalid time for anything else. Read by hand:
// the evaluation of key requests asks for every request.
QTime readTime(const QString& text)
{
    if ((text.size() != 5 && text.size() != 8) || text[2] != QLatin1Char(':'))
        return QTime();
    const int seconds = text.size() == 8 && text[5] == QLatin1Char(':') ? twoDigits(text, 6) : 0;
    return QTime(twoDigits(text, 0), twoDigits(text, 3), text.size() == 8 && text[5] != QLatin1Char(':') ? -1 : seconds);
}

}  // namespace

QString zoneDayPrefix(int day)
{
    static const char* const prefixes[kZoneDays] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return QString::fromLatin1(prefixes[day]);
}

QString zoneStartColumn(int day, int period)
{
    return zoneDayPrefix(day) + QStringLiteral("Szeit") + QString::number(period + 1);
}

QString zoneEndColumn(int day, int period)
{
    return zoneDayPrefix(day) + QStringLiteral("Ezeit") + QString::number(period + 1);
}

bool periodCovers(const StoredPeriod& period, QTime t)
{
    if (period.start == kUnusedTime)
        return false;
    const QTime start = readTime(period.start);
    if (!start.isValid() || t < start)
        return false;
    if (period.end == kMidnightEnd)
        return true;
    const QTime end = readTime(period.end);
    return end.isValid() && t < end;
}

bool zoneCovers(const StoredWeek& week, Qt::DayOfWeek day, QTime t)
{
    if (day < Qt::Monday || day > Qt::Sunday)
        return false;
    for (const StoredPeriod& period : week[day - Qt::Monday]) {
        if (periodCovers(period, t))
            return true;
    }
    return false;
}

StoredWeek unusedWeek()
{
    StoredWeek week;
    for (auto& day : week)
        day.fill(StoredPeriod{kUnusedTime, kUnusedTime});
    return week;
}

}  // namespace varnox
