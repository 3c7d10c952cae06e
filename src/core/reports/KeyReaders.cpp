#include "core/reports/KeyReaders.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

QString sixDigits(const QString& number)
{
    return number.rightJustified(6, QLatin1Char('0'));
}
QString column(SQLite::Statement& q, int i)
{
    return QString::fromStdString(q.getColumn(i).getString());
}

Message noKeyMessage(const QString& firstLine)
{
    return exclamationMessage(
        messageLines({ firstLine, GetText(272, "müssen Sie ihn zunächst aus der Liste der Schlüssel auswählen!") }),
        GetText(273, "Schlüssel fehlt"));
}

} // namespace

Outcome readKeyChoices(const QString& workCopy, QList<KeyChoice>& keys)
{
    keys.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Sname, Schluesselnr FROM Schluessel ORDER BY rowid");
        while (q.executeStep())
            keys.append({ column(q, 0), column(q, 1) });
        return Outcome::ok();
    });
}

Outcome readReadersOfKey(const QString& workCopy, const QString& keyNumber, QList<QStringList>& rows)
{
    rows.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(),
            "SELECT r.Lname, r.Seriennr, r.BusID, r.AS_adr FROM Zuschluessel s "
            "JOIN Zuleser l ON l.Profil = s.Profil JOIN Leser r ON r.Seriennr = l.Leser "
            "WHERE s.Schluessel = ? ORDER BY l.rowid");
        q.bind(1, keyNumber.toStdString());
        const QString blanks = QStringLiteral("  ");
        while (q.executeStep())
            rows.append({ sixDigits(QString::number(rows.size() + 1)), blanks + column(q, 0), sixDigits(column(q, 1)),
                blanks + column(q, 2), blanks + column(q, 3) });
        return Outcome::ok();
    });
}

QStringList readerListHeaders()
{
    return { GetText(80, "lfd. Nr."), GetText(81, "Leserbezeichnung"), GetText(82, "Seriennummer"),
        GetText(83, "BusID"), GetText(84, "AS-Adresse") };
}

QString readerListTitle(const QDate& day)
{
    return GetText(580, "Bezeichnung der einzelnen Türstationen ") + GetText(581, "(Stand ")
        + day.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(')');
}

QString readerListExportText(const QDate& day, const QList<QStringList>& rows)
{
    const QString crlf = QStringLiteral("\r\n");
    const QChar tab = QLatin1Char('\t');
    QString out = readerListTitle(day) + crlf + crlf + readerListHeaders().join(tab) + crlf;
    for (const QStringList& row : rows)
        out += row.join(tab) + crlf;
    return out;
}

Message noKeyToPrintMessage()
{
    return noKeyMessage(GetText(271, "Wenn Sie die Leserliste eines Schlüssels ausdrucken möchten,"));
}

Message noKeyToExportMessage()
{
    return noKeyMessage(GetText(905, "Wenn Sie die Leserliste eines Schlüssels exportieren möchten,"));
}

} // namespace varnox
