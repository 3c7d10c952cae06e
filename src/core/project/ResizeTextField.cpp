#include "core/project/ResizeTextField.h"

#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>

namespace varnox {

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

QString tableDefinition(Database& db, const QString& table)
{
    SQLite::Statement q(db.sql(), "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    q.bind(1, utf8(table));
    if (!q.executeStep())
        throw std::runtime_error("no table " + utf8(table));
    return QString::fromStdString(q.getColumn(0).getString());
}

// The column definitions and table constraints between the outer brackets
// of CREATE TABLE, split at the commas that separate them.
QStringList definitionParts(const QString& createSql)
{
    const qsizetype open = createSql.indexOf(QLatin1Char('('));
    const qsizetype close = createSql.lastIndexOf(QLatin1Char(')'));
    QStringList parts;
    QString current;
    int depth = 0;
    QChar quote;
    for (qsizetype i = open + 1; i < close; ++i) {
        const QChar c = createSql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (createSql.mid(i, 2) == QLatin1String("--")) {
            i = createSql.indexOf(QLatin1Char('\n'), i);  // comments are dropped
            if (i < 0)
                break;
            continue;
        } else if (createSql.mid(i, 2) == QLatin1String("/*")) {
            i = createSql.indexOf(QLatin1String("*/"), i) + 1;
            if (i <= 0)
                break;
            continue;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            quote = c;
        } else if (c == QLatin1Char('[')) {
            quote = QLatin1Char(']');
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (c == QLatin1Char(',') && depth == 0) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    parts << current.trimmed();
    return parts;
}

QString leadingName(const QString& part)
{
    static const QRegularExpression name(QStringLiteral("^(?:\"((?:[^\"]|\"\")*)\"|`([^`]*)`|\\[([^\\]]*)\\]|(\\w+))"));
    const auto m = name.match(part);
    for (int i = 1; i <= 4; ++i)
        if (m.hasCaptured(i))
            return m.captured(i).replace(QLatin1String("\"\""), QLatin1String("\""));
    return {};
}

QString collationOf(const QString& columnDefinition)
{
    static const QRegularExpression collate(QStringLiteral("\\bCOLLATE\\s+(\\w+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = collate.match(columnDefinition);
    return m.hasMatch() ? m.captured(1) : QString();
}

QStringList columnNames(Database& db, const QString& table)
{
    SQLite::Statement q(db.sql(), "SELECT name FROM pragma_table_info(?) ORDER BY cid");
    q.bind(1, utf8(table));
    QStringList names;
    while (q.executeStep())
        names << QString::fromStdString(q.getColumn(0).getString());
    return names;
}

// Exactly one statement: the definitions come from the file itself, and
// whatever might follow them in a crafted file is never run.
void run(Database& db, const QString& sql)
{
    SQLite::Statement statement(db.sql(), utf8(sql));
    statement.exec();
}

QStringList indexDefinitions(Database& db, const QString& table)
{
    SQLite::Statement q(db.sql(),
                        "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE "
                        "AND sql IS NOT NULL");
    q.bind(1, utf8(table));
    QStringList sql;
    while (q.executeStep())
        sql << QString::fromStdString(q.getColumn(0).getString());
    return sql;
}

}  // namespace

QString quotedIdentifier(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

void ResizeTextField(Database& db, const QString& table, const QString& field, int size)
{
    const QStringList columns = columnNames(db, table);
    QStringList parts = definitionParts(tableDefinition(db, table));
    bool found = false;
    for (QString& part : parts) {
        if (leadingName(part).compare(field, Qt::CaseInsensitive) != 0)
            continue;
        const QString collation = collationOf(part);
        const QString name = quotedIdentifier(field);
        part = QStringLiteral("%1 TEXT(%2)%3 CHECK (length(%1) <= %2)")
                   .arg(name)
                   .arg(size)
                   .arg(collation.isEmpty() ? QString() : QStringLiteral(" COLLATE ") + collation);
        found = true;
    }
    if (!found)
        throw std::runtime_error("no column " + utf8(field) + " in " + utf8(table));

    const QStringList indexes = indexDefinitions(db, table);
    const QString rebuilt = quotedIdentifier(table + QStringLiteral("_resize"));
    QStringList quotedColumns;
    for (const QString& c : columns)
        quotedColumns << quotedIdentifier(c);
    const QString list = quotedColumns.join(QStringLiteral(", "));
    run(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(rebuilt, parts.join(QStringLiteral(", "))));
    run(db, QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3").arg(rebuilt, list, quotedIdentifier(table)));
    run(db, QStringLiteral("DROP TABLE %1").arg(quotedIdentifier(table)));
    run(db, QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(rebuilt, quotedIdentifier(table)));
    for (const QString& index : indexes)
        run(db, index);
}

}  // namespace varnox
