#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

namespace varnox::ctl {

enum class Format { Text, Csv, Json };

// Rows of values under named columns, written as the caller asks: aligned
// text, CSV (RFC 4180) or a JSON array of objects. Numbers and yes/no values
// keep their type in JSON; empty texts stay empty texts.
class Table {
public:
    explicit Table(QStringList columns)
        : m_columns(std::move(columns))
    {
    }

    void add(QVariantList row) { m_rows << std::move(row); }
    QString write(Format format) const;

private:
    QString text() const;
    QString csv() const;
    QString json() const;

    QStringList m_columns;
    QList<QVariantList> m_rows;
};

} // namespace varnox::ctl
