#include "core/model/ReaderQueries.h"

#include "core/model/ProjectWork.h"
#include "core/model/ReaderMessages.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <bitset>

namespace varnox {
namespace {

QString text(SQLite::Statement& q, const char* column)
{
    return QString::fromStdString(q.getColumn(column).getString());
}

int integer(SQLite::Statement& q, const char* column, int whenEmpty)
{
    const SQLite::Column c = q.getColumn(column);
    return c.isNull() ? whenEmpty : c.getInt();
}

bool yes(SQLite::Statement& q, const char* column) { return q.getColumn(column).getInt() != 0; }

Reader readRow(SQLite::Statement& q)
{
    Reader r;
    r.type = integer(q, "Typ", -1);
    r.serial = text(q, "Seriennr");
    r.name = text(q, "Lname");
    r.busLine = integer(q, "BusID", 0);
    r.address = integer(q, "AS_adr", 0);
    r.central = yes(q, "Zmodus");
    r.function = integer(q, "Funktion", 0);
    r.keyCount = integer(q, "Sanzahl", 0);
    r.settings.rsz = integer(q, "RSZ", 0);
    r.settings.progSp = yes(q, "ProgSp");
    r.settings.toe = yes(q, "TOE");
    r.settings.akustik = yes(q, "Akustik");
    r.modify = yes(q, "Modify");
    r.timeRecording = integer(q, "Zeiterfassung", 0);
    return r;
}

// A row of "Lname, Seriennr, Zmodus".
ReaderListEntry listEntry(SQLite::Statement& q)
{
    return ReaderListEntry{QString::fromStdString(q.getColumn(0).getString()),
                           QString::fromStdString(q.getColumn(1).getString()), q.getColumn(2).getInt() != 0};
}

std::optional<Reader> firstRow(SQLite::Statement& q)
{
    if (!q.executeStep())
        return std::nullopt;
    return readRow(q);
}

}  // namespace

std::optional<Reader> ReaderQueries::bySerial(Database& db, const QString& serial)
{
    SQLite::Statement q(db.sql(), "SELECT * FROM Leser WHERE Seriennr = ?");
    q.bind(1, serial.toStdString());
    return firstRow(q);
}

QList<ReaderListEntry> ReaderQueries::onLine(Database& db, int busLine)
{
    QList<ReaderListEntry> readers;
    SQLite::Statement q(db.sql(), "SELECT Lname, Seriennr, Zmodus FROM Leser WHERE BusID = ? ORDER BY rowid");
    q.bind(1, busLine);
    while (q.executeStep())
        readers.append(listEntry(q));
    return readers;
}

QString ReaderQueries::serialAt(Database& db, int busLine, int address)
{
    SQLite::Statement q(db.sql(), "SELECT Seriennr FROM Leser WHERE BusID = ? AND AS_adr = ?");
    q.bind(1, busLine);
    q.bind(2, address);
    return q.executeStep() ? QString::fromStdString(q.getColumn(0).getString()) : QString();
}

bool ReaderQueries::serialTaken(Database& db, const QString& serial, const QString& except)
{
    // Leading zeros and blanks do not change a number; an empty text is none.
    SQLite::Statement q(db.sql(), "SELECT 1 FROM Leser WHERE ltrim(trim(Seriennr), '0') = ltrim(trim(?), '0') "
                                  "AND trim(Seriennr) <> '' AND Seriennr IS NOT ? LIMIT 1");
    q.bind(1, serial.toStdString());
    if (except.isNull())
        q.bind(2);
    else
        q.bind(2, except.toStdString());
    return q.executeStep();
}

Outcome ReaderQueries::freeAddresses(int busLine, int ownAddress, QList<int>& out) const
{
    out.clear();
    return readFromProject(m_path, [&](Database& db) {
        std::bitset<kAddressCount> used;
        SQLite::Statement q(db.sql(), "SELECT AS_adr FROM Leser WHERE BusID = ?");
        q.bind(1, busLine);
        while (q.executeStep()) {
            const int address = q.getColumn(0).getInt();
            if (address >= 0 && address < kAddressCount)
                used.set(address);
        }
        if (ownAddress >= 0 && ownAddress < kAddressCount)
            used.reset(ownAddress);
        for (int a = 0; a < kAddressCount; ++a)
            if (!used.test(a))
                out.append(a);
        return Outcome::ok();
    });
}

Outcome ReaderQueries::load(const QString& serial, Reader& out) const
{
    return readFromProject(m_path, [&](Database& db) {
        const std::optional<Reader> found = bySerial(db, serial);
        if (!found)
            return Outcome::fail(ReaderMessages::notFoundForLoad(), Refusal::NotFound);
        out = *found;
        return Outcome::ok();
    });
}

Outcome ReaderQueries::list(QList<ReaderListEntry>& out) const
{
    out.clear();
    return readFromProject(m_path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Lname, Seriennr, Zmodus FROM Leser ORDER BY rowid");
        while (q.executeStep())
            out.append(listEntry(q));
        return Outcome::ok();
    });
}

Outcome ReaderQueries::all(QList<Reader>& out) const
{
    out.clear();
    return readFromProject(m_path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT * FROM Leser ORDER BY rowid");
        while (q.executeStep())
            out.append(readRow(q));
        return Outcome::ok();
    });
}

Outcome ReaderQueries::onLine(int busLine, QList<ReaderListEntry>& out) const
{
    out.clear();
    return readFromProject(m_path, [&](Database& db) {
        out = onLine(db, busLine);
        return Outcome::ok();
    });
}

Outcome ReaderQueries::addressOf(const QString& serial, int busLine, int& out) const
{
    out = -1;
    return readFromProject(m_path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT AS_adr FROM Leser WHERE Seriennr = ? AND BusID = ?");
        q.bind(1, serial.toStdString());
        q.bind(2, busLine);
        if (q.executeStep() && !q.getColumn(0).isNull())
            out = q.getColumn(0).getInt();
        return Outcome::ok();
    });
}

}  // namespace varnox
