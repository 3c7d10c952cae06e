#include "ctl/Table.h"

#include "ctl/Csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace varnox::ctl {
namespace {

QString cell(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    return value.toString();
}

} // namespace

QString Table::write(Format format) const
{
    switch (format) {
    case Format::Csv:
        return csv();
    case Format::Json:
        return json();
    case Format::Text:
        break;
    }
    return text();
}

QString Table::text() const
{
    QList<qsizetype> widths;
    for (const QString& column : m_columns)
        widths << column.size();
    for (const QVariantList& row : m_rows)
        for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = qMax(widths[i], cell(row[i]).size());
    const auto line = [&widths](const QStringList& cells) {
        QString out;
        for (qsizetype i = 0; i < cells.size(); ++i)
            out += i + 1 < cells.size() ? cells[i].leftJustified(widths[i] + 2) : cells[i];
        return out + QLatin1Char('\n');
    };
    QString out = line(m_columns);
    for (const QVariantList& row : m_rows) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << cell(value);
        out += line(cells);
    }
    return out;
}

QString Table::csv() const
{
    QString out = csvLine(m_columns);
    for (const QVariantList& row : m_rows) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << cell(value);
        out += csvLine(cells);
    }
    return out;
}

QString Table::json() const
{
    QJsonArray rows;
    for (const QVariantList& row : m_rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < row.size() && i < m_columns.size(); ++i)
            object.insert(m_columns[i], QJsonValue::fromVariant(row[i]));
        rows.append(object);
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
}

} // namespace varnox::ctl
