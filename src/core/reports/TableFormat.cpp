#include "core/reports/TableFormat.h"

namespace varnox {

QList<TableColumn> parseTableFormat(const QString& format)
{
    QList<TableColumn> columns;
    QString widths = format.trimmed();
    if (widths.endsWith(QLatin1Char(';')))
        widths.chop(1);
    for (const QString& part : widths.split(QLatin1Char('|'))) {
        TableColumn column;
        QString digits;
        for (const QChar c : part) {
            if (c.isDigit())
                digits += c;
            else if (c == QLatin1Char('^'))
                column.align = Align::Centre;
            else if (c == QLatin1Char('>'))
                column.align = Align::Right;
        }
        column.width = digits.toInt();
        if (column.width > 0)
            columns.append(column);
    }
    return columns;
}

} // namespace varnox
