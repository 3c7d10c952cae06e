#include "core/model/KeyOperations.h"

#include "core/lang/Texts.h"
#include "core/model/KeyNumber.h"
#include "core/model/KeyRows.h"
#include "core/model/ReaderCounts.h"
#include "core/model/ValidityText.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>

namespace varnox {
namespace {

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

// The profile link as the form asks for it, for a stored key; `profile` is
// the form's profile as the project spells it.
std::optional<Message> relink(Database& db, const QString& number, const KeyForm& form, const QString& profile)
{
    const std::optional<Link> link = linkOf(db, number);
    if (!link)
        return profile.isEmpty() ? std::nullopt : linkNewProfile(db, number, profile);
    if (form.dropProfile)
        return dropLink(db, *link);
    if (profile.isEmpty() || compareNames(profile, link->profile) == 0)
        return std::nullopt;
    return moveLink(db, *link, profile);
}

WriteResult storedWith(const std::optional<Message>& notice)
{
    return WriteResult{notice ? Outcome::fail(*notice) : Outcome::ok(), true};
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
    const KeyFields fields = keyFieldsOf(form);
    return writeToProjectNoting(
        workCopy, [&](Database& db) { return work(db, number, fields); }, keyDuplicateRefusal);
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
        return Outcome::fail(stopMessage(messageLines({ GetText(395, "Die Nummer des Schlüssels darf nur"),
                                             GetText(340, "aus den Zeichen von 0 bis 9 und A bis F bestehen!") }),
            GetText(341, "Bedienungsfehler"), QStringLiteral("TxtKeyNr")));
    if (auto tooLong = nameTooLong(form.name, QStringLiteral("TxtKeyBez")))
        return Outcome::fail(*tooLong);
    if (auto tooLong = nameTooLong(form.shortName, QStringLiteral("TxtKeyKurz"), true))
        return Outcome::fail(*tooLong);
    if (form.fixedPeriod && (!parseValidityText(form.startText) || !parseValidityText(form.endText)))
        return Outcome::fail(missingTimesMessage());
    return Outcome::ok();
}

WriteResult addKey(const QString& workCopy, const KeyForm& form)
{
    return writeKey(workCopy, form, [&](Database& db, const QString& number, const KeyFields& fields) {
        QString profile;
        if (std::optional<WriteResult> unknown = resolveKeyProfile(db, form, profile))
            return *unknown;
        KeyInsert(db).run(number, form, fields);
        return storedWith(profile.isEmpty() ? std::nullopt : linkNewProfile(db, number, profile));
    });
}

WriteResult changeKey(const QString& workCopy, const KeyForm& form)
{
    return writeKey(workCopy, form, [&](Database& db, const QString& number, const KeyFields& fields) {
        const std::optional<std::int64_t> row = keyRow(db, number);
        if (!row)
            return WriteResult { Outcome::fail(
                                     notFoundMessage(GetText(3212, "Der zu ändernde Schlüssel wurde nicht gefunden!")),
                                     Refusal::NotFound),
                false };
        QString profile;
        if (std::optional<WriteResult> unknown = resolveKeyProfile(db, form, profile))
            return *unknown;
        const std::optional<Message> notice = relink(db, number, form, profile);
        SQLite::Statement q(db.sql(),
            "UPDATE Schluessel SET Sname = ?, HilfsID = coalesce(?, HilfsID), AbsoluteZeit = ?, "
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
            return WriteResult { Outcome::fail(
                                     notFoundMessage(GetText(419, "Der zu löschende Schlüssel wurde nicht gefunden!")),
                                     Refusal::NotFound),
                link.has_value() };
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
    return writeToProject(workCopy, work, keyDuplicateRefusal);
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
