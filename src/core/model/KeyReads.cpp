#include "core/model/KeyNumber.h"
#include "core/model/KeyOperations.h"
#include "core/model/ValidityText.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

QString text(SQLite::Statement& q, int column) { return QString::fromStdString(q.getColumn(column).getString()); }

// A key with its first link.
constexpr const char* kKeyColumns = "SELECT Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit, "
                                    "(SELECT Profil FROM Zuschluessel WHERE Schluessel = Schluesselnr "
                                    "ORDER BY rowid LIMIT 1) FROM Schluessel ";

KeyRecord keyAt(SQLite::Statement& q)
{
    return KeyRecord { text(q, 0).toUpper(), text(q, 1), text(q, 2), text(q, 6), q.getColumn(3).getInt() != 0,
        readStoredValidityTime(text(q, 4)), readStoredValidityTime(text(q, 5)) };
}

// The first key the condition (one bound value) finds.
Outcome readKey(const QString& workCopy, const char* condition, const QString& value, std::optional<KeyRecord>& key)
{
    key.reset();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), std::string(kKeyColumns) + "WHERE " + condition + " ORDER BY rowid");
        q.bind(1, value.toStdString());
        if (q.executeStep())
            key = keyAt(q);
        return Outcome::ok();
    });
}

}  // namespace

Outcome loadKey(const QString& workCopy, const QString& name, std::optional<KeyRecord>& key)
{
    return readKey(workCopy, "Sname = ?", name, key);
}

Outcome lookUpKeyByNumber(const QString& workCopy, const QString& number, std::optional<KeyRecord>& key)
{
    // A desk reader may send fewer than twelve digits; the key is stored padded.
    return readKey(workCopy, "Schluesselnr = ?", normalizedKeyNumber(number), key);
}

Outcome readAllKeys(const QString& workCopy, QList<KeyRecord>& keys)
{
    keys.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), std::string(kKeyColumns) + "ORDER BY rowid");
        while (q.executeStep())
            keys.append(keyAt(q));
        return Outcome::ok();
    });
}

Outcome readKeyList(const QString& workCopy, bool withLinks, QList<KeyEntry>& keys)
{
    keys.clear();
    return readFromProject(workCopy, [&](Database& db) {
        // One pass over the keys and their links rather than a lookup per key.
        SQLite::Statement q(db.sql(), withLinks ? "SELECT Sname, EXISTS (SELECT 1 FROM Zuschluessel WHERE Schluessel = "
                                                  "Schluesselnr) FROM Schluessel ORDER BY rowid"
                                                : "SELECT Sname, 0 FROM Schluessel ORDER BY rowid");
        while (q.executeStep())
            keys.append(KeyEntry{text(q, 0), q.getColumn(1).getInt() != 0});
        return Outcome::ok();
    });
}

}  // namespace varnox
