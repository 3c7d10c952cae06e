#include "ui/common/DayCalendar.h"

#include "core/online/DayFiles.h"

#include <QCalendarWidget>
#include <QTextCharFormat>

namespace varnox {

QSet<QDate> showDaysWithFile(QCalendarWidget& calendar, int year, int month)
{
    calendar.setDateTextFormat(QDate(), QTextCharFormat());
    QSet<QDate> days;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const QDate first(year, month, 1);
    for (const QDate& m : { first.addMonths(-1), first, first.addMonths(1) }) {
        for (const QDate& day : DayFiles::daysWithFile(m.year(), m.month())) {
            calendar.setDateTextFormat(day, bold);
            days.insert(day);
        }
    }
    return days;
}

} // namespace varnox
