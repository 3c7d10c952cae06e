#include "core/reports/TableFormat.h"

namespace varnox {

QList<TableColumn> parseTableFormat(const QString& format)
{
    QList<TableColumn> columns;
    QString spec = format.trimmed();
    if (spec.endsWith(QLatin1Char(';')))
        spec.chop(1);
    for (const QString& part : spec.split(QLatin1Char('|'))) {
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
