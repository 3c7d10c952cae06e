#pragma once

#include "core/model/Reader.h"
#include "core/shell/Message.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace varnox {

class Database;

// What the reader page and the pages that offer readers read from Leser.
// Each call opens the project file at `path`, reads and closes it again; a
// database error comes back as the shared report.
class ReaderQueries {
public:
    static constexpr int kAddressCount = 64;

    explicit ReaderQueries(QString path) : m_path(std::move(path)) {}

    // The free AS addresses of a bus line, ascending. A reader keeps its own
    // address on offer: `ownAddress` (when 0..63) counts as free.
    Outcome freeAddresses(int busLine, int ownAddress, QList<int>& out) const;

    // The reader of that serial number, for a click in a list.
    Outcome load(const QString& serial, Reader& out) const;

    // Every reader, in the order of the table.
    Outcome list(QList<ReaderListEntry>& out) const;
    // The same with every column.
    Outcome all(QList<Reader>& out) const;

    // The readers on a bus line, and the address of one of them (-1 when
    // there is no such reader on that line).
    Outcome onLine(int busLine, QList<ReaderListEntry>& out) const;
    Outcome addressOf(const QString& serial, int busLine, int& out) const;

    // Lookups on an open connection, for the operations of other pages.
    static std::optional<Reader> bySerial(Database& db, const QString& serial);
    static QList<ReaderListEntry> onLine(Database& db, int busLine);
    // The serial number of the reader at an address of a bus line; empty when none.
    static QString serialAt(Database& db, int busLine, int address);

    // Whether a reader other than the one stored as `except` holds a serial
    // number of the same value as `serial` ("007" and "7" are one number).
    static bool serialTaken(Database& db, const QString& serial, const QString& except = {});

private:
    QString m_path;
};

}  // namespace varnox
