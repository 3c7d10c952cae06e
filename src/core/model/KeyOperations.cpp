#include "core/model/KeyOperations.h"

#include "core/lang/Texts.h"
#include "core/model/KeyNumber.h"
#include "core/model/ReaderCounts.h"
#include "core/model/ValidityText.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>

namespace varnox {
namespace {

// The parts of a key the form stores beside its number and name.
struct KeyFields {
    std::optional<QString> shortName;  // nullopt: leave as it is
    std::optional<QString> start;      // nullopt: leave as it is
    std::optional<QString> end;
};

KeyFields fieldsOf(const KeyForm& form)
{
    KeyFields fields;
    if (!form.shortName.isEmpty())
        fields.shortName = form.shortName;
    if (form.fixedPeriod) {
        fields.start = storedValidityTime(*parseValidityText(form.startText));
        fields.end = storedValidityTime(*parseValidityText(form.endText));
    }
    return fields;
}

void bindOptional(SQLite::Statement& q, int index, const std::optional<QString>& value)
{
    if (value)
        q.bind(index, value->toStdString());
    else
        q.bind(index);
}

std::optional<std::int64_t> keyRow(Database& db, const QString& number)
{
    return findRow(db, "SELECT rowid FROM Schluessel WHERE Schluesselnr = ?", {number});
}

struct Link {
    std::int64_t row;
    QString profile;
};

std::optional<Link> linkOf(Database& db, const QString& number)
{
    SQLite::Statement q(db.sql(), "SELECT rowid, Profil FROM Zuschluessel WHERE Schluessel = ? ORDER BY rowid");
    q.bind(1, number.toStdString());
    if (!q.executeStep())
        return std::nullopt;
    return Link{q.getColumn(0).getInt64(), QString::fromStdString(q.getColumn(1).getString())};
}

void insertLink(Database& db, const QString& number, const QString& profile)
{
    SQLite::Statement q(db.sql(), "INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)");
    q.bind(1, number.toStdString());
    q.bind(2, profile.toStdString());
    q.exec();
}

void deleteRow(Database& db, const char* sql, std::int64_t row)
{
    SQLite::Statement q(db.sql(), sql);
    q.bind(1, row);
    q.exec();
}

// A new link, unless a decentral reader of the profile is full: then the
// capacity message, and the key stays without the link.
std::optional<Message> linkNewProfile(Database& db, const QString& number, const QString& profile)
{
    if (std::optional<QString> full = fullReader(db, profile))
        return capacityMessage(*full);
    insertLink(db, number, profile);
    countUp(db, profile);
    return std::nullopt;
}

std::optional<Message> dropLink(Database& db, const Link& link)
{
    deleteRow(db, "DELETE FROM Zuschluessel WHERE rowid = ?", link.row);
    if (std::optional<QString> wrong = countDown(db, link.profile))
        return zeroCountMessage(*wrong);
    return std::nullopt;
}

std::optional<Message> moveLink(Database& db, const Link& link, const QString& profile)
{
    if (std::optional<QString> full = fullReader(db, profile, link.profile))
        return capacityMessage(*full);
    SQLite::Statement q(db.sql(), "UPDATE Zuschluessel SET Profil = ? WHERE rowid = ?");
    q.bind(1, profile.toStdString());
    q.bind(2, link.row);
    q.exec();
    // Up first: should the old profile's counts need a fresh count, it then
    // sees the link where it ends.
    countUp(db, profile);
    if (std::optional<QString> wrong = countDown(db, link.profile))
        return zeroCountMessage(*wrong);
    return std::nullopt;
}

// The profile link as the form asks for it, for a stored key.
std::optional<Message> relink(Database& db, const QString& number, const KeyForm& form)
{
    const std::optional<Link> link = linkOf(db, number);
    if (!link)
        return form.profile.isEmpty() ? std::nullopt : linkNewProfile(db, number, form.profile);
    if (form.dropProfile)
        return dropLink(db, *link);
    if (form.profile.isEmpty() || compareNames(form.profile, link->profile) == 0)
        return std::nullopt;
    return moveLink(db, *link, form.profile);
}

WriteResult storedWith(const std::optional<Message>& notice)
{
    return WriteResult{notice ? Outcome::fail(*notice) : Outcome::ok(), true};
}

std::optional<Message> duplicateRefusal(const DbError& error)
{
    if (error.kind != DbErrorKind::Duplicate)
        return std::nullopt;
    return databaseRefusal(
        {GetText(414, "Die eingegebene Bezeichnung bzw. Schlüsselnummer existiert bereits in der Projektdatenbank!"),
         GetText(415, "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte."),
         GetText(417, "Das Programm lässt zwei Datensätze mit der gleichen Bezeichnung ")
             + GetText(418, "bzw. Schlüsselnummer in einer Anlage nicht zu.")});
}

Message missingTimesMessage()
{
    return exclamationMessage(
        messageLines({GetText(899, "Sie haben die Funktion") + QLatin1Char(' ') + quoted(GetText(843, "Fester Zeitraum"))
                          + QLatin1Char(' ') + GetText(900, "aktiviert."),
                      GetText(901, "Hierfür wird die Zeit des Beginns und des Endes der Gültigkeit benötigt."),
                      GetText(902, "Zum Erstellen der Zeiten betätigen Sie den Button") + QLatin1Char(' ')
                          + quoted(GetText(842, "Bearbeiten")) + QLatin1Char('!')}),
        GetText(903, "Zeiten fehlen"), QStringLiteral("cmdZeitAbsolut"));
}

Message notFoundMessage(const QString& text) { return exclamationMessage(text, GetText(246, "Fehler")); }

using KeyWork = std::function<WriteResult(Database&, const QString& number, const KeyFields&)>;

// Add and change: the input checks, then `work` with the stored number and
// fields in one transaction.
WriteResult writeKey(const QString& workCopy, const KeyForm& form, const KeyWork& work)
{
    if (Outcome check = checkKeyForm(form); !check)
        return WriteResult{check, false};
    const QString number = normalizedKeyNumber(form.number);
    const KeyFields fields = fieldsOf(form);
    return writeToProjectNoting(workCopy, [&](Database& db) { return work(db, number, fields); }, duplicateRefusal);
}

}  // namespace

Outcome checkKeyForm(const KeyForm& form)
{
    if (form.name.isEmpty())
        return Outcome::fail(exclamationMessage(GetText(392, "Geben Sie dem Schlüssel eine Bezeichnung!"),
                                                GetText(320, "Bezeichnung fehlt"), QStringLiteral("TxtKeyBez")));
    if (form.number.isEmpty())
        return Outcome::fail(exclamationMessage(GetText(393, "Geben Sie die Schlüsselnummer ein!"),
                                                GetText(394, "Schlüssel-Nr. fehlt"), QStringLiteral("TxtKeyNr")));
    if (!isKeyNumberText(form.number))
        return Outcome::fail(stopMessage(messageLines({GetText(395, "Die Nummer des Schlüssels darf nur"),
                                                       GetText(340, "aus den Zeichen von 0 bis 9 und A bis F bestehen!")}),
                                         GetText(341, "Bedienungsfehler"), QStringLiteral("TxtKeyNr")));
    if (form.fixedPeriod && (!parseValidityText(form.startText) || !parseValidityText(form.endText)))
        return Outcome::fail(missingTimesMessage());
    return Outcome::ok();
}

WriteResult addKey(const QString& workCopy, const KeyForm& form)
{
    return writeKey(workCopy, form, [&](Database& db, const QString& number, const KeyFields& fields) {
        SQLite::Statement q(db.sql(), "INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit) "
                                      "VALUES (?, ?, ?, ?, ?, ?)");
        q.bind(1, number.toStdString());
        q.bind(2, form.name.toStdString());
        bindOptional(q, 3, fields.shortName);
        q.bind(4, form.fixedPeriod ? 1 : 0);
        bindOptional(q, 5, fields.start);
        bindOptional(q, 6, fields.end);
        q.exec();
        return storedWith(form.profile.isEmpty() ? std::nullopt : linkNewProfile(db, number, form.profile));
    });
}

WriteResult changeKey(const QString& workCopy, const KeyForm& form)
{
    return writeKey(workCopy, form, [&](Database& db, const QString& number, const KeyFields& fields) {
        const std::optional<std::int64_t> row = keyRow(db, number);
        if (!row)
            return WriteResult{Outcome::fail(notFoundMessage(GetText(3212, "Der zu ändernde Schlüssel wurde nicht gefunden!"))),
                               false};
        const std::optional<Message> notice = relink(db, number, form);
        SQLite::Statement q(db.sql(), "UPDATE Schluessel SET Sname = ?, HilfsID = coalesce(?, HilfsID), AbsoluteZeit = ?, "
                                      "Startzeit = coalesce(?, Startzeit), Endzeit = coalesce(?, Endzeit) WHERE rowid = ?");
        q.bind(1, form.name.toStdString());
        bindOptional(q, 2, fields.shortName);
        q.bind(3, form.fixedPeriod ? 1 : 0);
        bindOptional(q, 4, fields.start);
        bindOptional(q, 5, fields.end);
        q.bind(6, *row);
        q.exec();
        return storedWith(notice);
    });
}

WriteResult removeKey(const QString& workCopy, const QString& enteredNumber)
{
    const QString number = normalizedKeyNumber(enteredNumber);
    const auto work = [&](Database& db) {
        const std::optional<Link> link = enteredNumber.isEmpty() ? std::nullopt : linkOf(db, number);
        // A link left behind by a key already gone goes too, with its counts.
        const std::optional<Message> notice = link ? dropLink(db, *link) : std::nullopt;
        const std::optional<std::int64_t> row = enteredNumber.isEmpty() ? std::nullopt : keyRow(db, number);
        if (!row)
            return WriteResult{Outcome::fail(notFoundMessage(GetText(419, "Der zu löschende Schlüssel wurde nicht gefunden!"))),
                               link.has_value()};
        deleteRow(db, "DELETE FROM Schluessel WHERE rowid = ?", *row);
        return storedWith(notice);
    };
    return writeToProjectNoting(workCopy, work);
}

QString testKeyNumber(int i) { return QStringLiteral("%1").arg(i, kKeyNumberLength, 10, QLatin1Char('0')); }

QString testKeyName(int i) { return QStringLiteral("Schlüssel %1").arg(i, 6, 10, QLatin1Char('0')); }

Outcome createTestKeys(const QString& workCopy, int count)
{
    const auto work = [&](Database& db) {
        SQLite::Statement q(db.sql(), "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, ?, 0)");
        for (int i = 0; i < count; ++i) {
            q.reset();
            q.bind(1, testKeyNumber(i).toStdString());
            q.bind(2, testKeyName(i).toStdString());
            q.exec();
        }
        return Outcome::ok();
    };
    return writeToProject(workCopy, work, duplicateRefusal);
}

Message testKeysCreatedMessage()
{
    return Message{GetText(3210, "Testdaten (-schlüssel) erfolgreich erstellt!"), GetText(916, "Varnox"), MessageIcon::None, {}, false};
}

Message testKeysFailedMessage()
{
    return Message{GetText(3211, "Fehler bei Testdatenerstellung!"), GetText(916, "Varnox"), MessageIcon::None, {}, false};
}

}  // namespace varnox
