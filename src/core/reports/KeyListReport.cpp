#include "core/reports/KeyListReport.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"
#include "core/reports/PageText.h"
#include "core/reports/TableFormat.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

QString runningNumber(qsizetype i)
{
    return QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'));
}
QString dateText(const QDate& day)
{
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}
QString title()
{
    return GetText(631, "Liste aller registrierten Schlüssel");
}

} // namespace

Outcome readAllKeys(const QString& workCopy, QList<KeyListRow>& keys)
{
    keys.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Sname, Schluesselnr FROM Schluessel ORDER BY Sname");
        while (q.executeStep())
            keys.append({ QString::fromStdString(q.getColumn(0).getString()),
                QString::fromStdString(q.getColumn(1).getString()).toUpper() });
        return Outcome::ok();
    });
}

Document keyListDocument(const QString& projectName, const QDate& day, const QList<KeyListRow>& keys)
{
    Document doc;
    doc.name = GetText(630, " Schlüsslliste ") + dateText(day);
    doc.style = { .family = QStringLiteral("Arial"), .size = 12, .bold = false, .marked = false };
    doc.header = QStringLiteral("||") + title() + QStringLiteral("\r\n") + GetText(632, "Projektname: ") + projectName
        + QStringLiteral("\r\n") + dateText(day);
    doc.footer = firstPassFooter();
    if (keys.isEmpty())
        return doc;
    Table table;
    table.columns = parseTableFormat(QStringLiteral("^+1200|+5600|^+2200;"));
    table.header = GetText(633, "lfd. Nr.|Schlüsselbezeichnung|Schlüssel-Nr.").split(QLatin1Char('|'));
    table.style = { .family = QStringLiteral("Courier"), .size = 12, .bold = false, .marked = false };
    table.rows.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        table.rows.append({ runningNumber(i), keys[i].name, keys[i].number });
    doc.blocks.append(std::move(table));
    return doc;
}

QString keyListExportText(const QDate& day, const QList<KeyListRow>& keys)
{
    const QString crlf = QStringLiteral("\r\n");
    const QChar tab = QLatin1Char('\t');
    QString out = title() + crlf + GetText(3800, "Stand vom") + QLatin1Char(' ') + dateText(day) + crlf + crlf
        + GetText(633, "lfd. Nr.|Schlüsselbezeichnung|Schlüssel-Nr.").replace(QLatin1Char('|'), tab) + crlf;
    for (qsizetype i = 0; i < keys.size(); ++i)
        out += runningNumber(i) + tab + keys[i].name + tab + keys[i].number.toUpper() + crlf;
    return out;
}

Message noKeysToCopyMessage()
{
    return { .text = GetText(835, "Keine Schlüssel zum Kopieren vorhanden!"),
        .title = GetText(916, "Varnox"),
        .icon = MessageIcon::Information,
        .focus = {},
        .selectAll = false };
}

} // namespace varnox
