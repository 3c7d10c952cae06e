#pragma once

#include <QDate>
#include <QSet>

class QCalendarWidget;

namespace varnox {

// Shows the days that have a protocol file in bold on the calendar's page of
// `month` (with the ends of the neighbouring months it shows as well) and
// returns them.
QSet<QDate> showDaysWithFile(QCalendarWidget& calendar, int year, int month);

} // namespace varnox
