#include "core/model/KeyImport.h"

#include "core/model/KeyNumber.h"
#include "core/model/KeyRows.h"
#include "core/model/ProfileOperations.h"
#include "core/model/ReaderCounts.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Transaction.h>

#include <QHash>

#include <cstdint>
#include <map>
#include <optional>

namespace varnox {
namespace {

// A reader some profile of the import reaches, as the import changes it.
struct ReaderState {
    QString name;
    int count = 0; // Sanzahl; an empty one counts as 0, as countUp() takes it
    bool decentral = false;
    bool changed = false;
};

// The project as the import sees it: the readers of each profile in the
// order of their assignments, and their counts, read once.
class ImportState {
public:
    explicit ImportState(Database& db)
        : m_db(db)
        , m_keys(db)
        , m_link(db.sql(), "INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)")
    {
    }

    // The key of one line, as addKey() takes it; nullopt when it was stored
    // with its link as asked.
    std::optional<RefusedKey> add(const ImportedKey& key);
    void writeCounts();

private:
    struct Profile {
        QString stored; // the name as the project spells it
        QList<std::int64_t> readers; // each once, in the order of their first assignment
    };
    const Profile* profile(const QString& name);
    std::optional<QString> fullReader(const Profile& profile) const;
    void countUp(const Profile& profile);

    Database& m_db;
    KeyInsert m_keys;
    SQLite::Statement m_link;
    QHash<QString, std::optional<Profile>> m_profiles; // by the name as given
    std::map<std::int64_t, ReaderState> m_readers; // by rowid
};

const ImportState::Profile* ImportState::profile(const QString& name)
{
    auto found = m_profiles.find(name);
    if (found == m_profiles.end()) {
        std::optional<Profile> p;
        if (std::optional<QString> stored = storedProfileName(m_db, name)) {
            p = Profile { *stored, {} };
            SQLite::Statement q(m_db.sql(),
                "SELECT Leser.rowid, Lname, coalesce(Sanzahl, 0), coalesce(Zmodus, 0) = 0 "
                "FROM Zuleser JOIN Leser ON Leser = Seriennr WHERE Profil = ? "
                "ORDER BY Zuleser.rowid");
            q.bind(1, stored->toStdString());
            while (q.executeStep()) {
                const std::int64_t row = q.getColumn(0).getInt64();
                // Once per reader, as countUp() counts it.
                if (p->readers.contains(row))
                    continue;
                p->readers.append(row);
                m_readers.try_emplace(row,
                    ReaderState { QString::fromStdString(q.getColumn(1).getString()), q.getColumn(2).getInt(),
                        q.getColumn(3).getInt() != 0, false });
            }
        }
        found = m_profiles.insert(name, p);
    }
    return found->has_value() ? &**found : nullptr;
}

std::optional<QString> ImportState::fullReader(const Profile& profile) const
{
    for (const std::int64_t row : profile.readers) {
        const ReaderState& r = m_readers.at(row);
        if (r.decentral && r.count >= kDecentralKeyCapacity)
            return r.name;
    }
    return std::nullopt;
}

void ImportState::countUp(const Profile& profile)
{
    for (const std::int64_t row : profile.readers) {
        ReaderState& r = m_readers.at(row);
        ++r.count;
        r.changed = true;
    }
}

std::optional<RefusedKey> ImportState::add(const ImportedKey& key)
{
    const KeyForm& form = key.form;
    if (Outcome check = checkKeyForm(form); !check)
        return RefusedKey { key.line, check, false };
    const Profile* linked = nullptr;
    if (!form.profile.isEmpty()) {
        linked = profile(form.profile);
        if (!linked)
            return RefusedKey { key.line, Outcome::fail(unknownProfileMessage(form.profile), Refusal::NotFound),
                false };
    }
    const QString number = normalizedKeyNumber(form.number);
    try {
        m_keys.run(number, form, keyFieldsOf(form));
    } catch (const SQLite::Exception& e) {
        const std::optional<Message> duplicate = keyDuplicateRefusal(toDbError(e));
        if (!duplicate)
            throw;
        return RefusedKey { key.line, Outcome::fail(*duplicate, Refusal::Exists), false };
    }
    if (!linked)
        return std::nullopt;
    if (std::optional<QString> full = fullReader(*linked))
        return RefusedKey { key.line, Outcome::fail(capacityMessage(*full)), true };
    m_link.tryReset();
    m_link.bind(1, number.toStdString());
    m_link.bind(2, linked->stored.toStdString());
    m_link.exec();
    countUp(*linked);
    return std::nullopt;
}

// A decentral reader that gained keys must receive its list again; a central
// one asks for every key online and keeps its mark.
void ImportState::writeCounts()
{
    SQLite::Statement decentral(m_db.sql(), "UPDATE Leser SET Sanzahl = ?, Modify = 1 WHERE rowid = ?");
    SQLite::Statement central(m_db.sql(), "UPDATE Leser SET Sanzahl = ? WHERE rowid = ?");
    for (const auto& [row, reader] : m_readers) {
        if (!reader.changed)
            continue;
        SQLite::Statement& q = reader.decentral ? decentral : central;
        q.tryReset();
        q.bind(1, reader.count);
        q.bind(2, row);
        q.exec();
    }
}

} // namespace

KeyImportResult importKeys(const QString& workCopy, const QList<ImportedKey>& keys, ImportMode mode)
{
    KeyImportResult result;
    try {
        Database db(workCopy);
        SQLite::Transaction transaction(db.sql());
        ImportState state(db);
        for (const ImportedKey& key : keys) {
            const std::optional<RefusedKey> refused = state.add(key);
            if (refused)
                result.refused.append(*refused);
            if (!refused || refused->stored)
                ++result.stored;
        }
        if (mode == ImportMode::CheckOnly || (mode == ImportMode::AllOrNothing && !result.refused.isEmpty()))
            return result;
        state.writeCounts();
        transaction.commit();
        result.written = true;
    } catch (const std::exception& e) {
        const DbError error = toDbError(e);
        result = KeyImportResult {};
        result.outcome = Outcome::fail(databaseErrorMessage(error), Refusal::Database);
    }
    return result;
}

} // namespace varnox
