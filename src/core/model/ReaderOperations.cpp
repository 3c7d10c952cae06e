#include "core/model/ReaderOperations.h"

#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/FunctionProtocol.h"
#include "core/model/ProjectWork.h"
#include "core/model/ReaderMessages.h"
#include "core/model/ReaderQueries.h"
#include "core/model/SerialNumber.h"
#include "core/model/ZoneOperations.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

Message missing(const QString& text, const QString& title, const char* field)
{
    return exclamationMessage(text, title, QString::fromLatin1(field));
}

Message missingName()
{
    return missing(GetText(427, "Geben Sie dem Leser eine Bezeichnung!"), GetText(320, "Bezeichnung fehlt"), ReaderField::name);
}

Message missingAddress()
{
    return missing(GetText(428, "Es muss eine AS-Adresse zugewiesen werden!"), GetText(429, "AS-Adresse fehlt"), ReaderField::address);
}

Message missingFunction()
{
    return missing(GetText(439, "Geben Sie eine Funktion an!"), GetText(440, "Funktion fehlt"), ReaderField::function);
}

Message missingSerial(const char* field)
{
    return missing(GetText(446, "Geben Sie dem Leser eine Seriennummer!"), GetText(329, "Seriennummer fehlt"), field);
}

// Every refusal of a write has the reader's own message.
std::optional<Message> writeRefusals(const DbError& error) { return ReaderMessages::writeRefused(error); }

bool addressMissing(const ReaderForm& form)
{
    return form.address < 0 || form.address >= ReaderQueries::kAddressCount;
}

// A Mifare reader always works in Zentralmodus; the page locks the mode for it.
std::optional<Message> mifareDecentral(int type, const ReaderForm& form)
{
    if (type != int(ReaderType::Mifare) || form.mode != ReaderMode::Decentral)
        return std::nullopt;
    return missing(GetText(4007, "Ein Mifare-Leser arbeitet immer im Zentralmodus."), GetText(246, "Fehler"),
        ReaderField::decentral);
}

// The page offers only the free addresses of a bus line; an address given
// any other way must be free as well (a reader keeps its own).
std::optional<Outcome> addressTaken(Database& db, const Reader& r, const QString& ownSerial = {})
{
    const QString holder = ReaderQueries::serialAt(db, r.busLine, r.address);
    if (holder.isEmpty() || (!ownSerial.isEmpty() && holder == ownSerial))
        return std::nullopt;
    const QString bus = BusLineList::captions().value(BusLineList::positionOf(r.busLine));
    return Outcome::fail(
        missing(GetText(4006, "Die AS-Adresse %1 ist auf %2 bereits vergeben.").arg(r.address).arg(bus),
            GetText(429, "AS-Adresse fehlt"), ReaderField::address),
        Refusal::Exists);
}

bool functionMissing(const ReaderForm& form)
{
    return form.mode == ReaderMode::Decentral && form.function < 0;
}

// The row the page's entries describe; what the page does not edit comes
// from `base`.
Reader fromForm(const ReaderForm& form, Reader base)
{
    base.name = form.name;
    if (const int line = BusLineList::lineAt(form.busPosition); line > 0)
        base.busLine = line;
    base.address = form.address;
    base.central = form.mode != ReaderMode::Decentral;
    base.function = base.central ? 0 : form.function + 1;
    base.settings = form.settings;
    base.timeRecording = form.timeRecording;
    return base;
}

void bindSettings(SQLite::Statement& q, int first, const Reader& r)
{
    q.bind(first, r.settings.rsz);
    q.bind(first + 1, int(r.settings.progSp));
    q.bind(first + 2, int(r.settings.toe));
    q.bind(first + 3, int(r.settings.akustik));
}

bool linkedToProfile(Database& db, const QString& serial)
{
    SQLite::Statement q(db.sql(), "SELECT 1 FROM Zuleser WHERE Leser = ? LIMIT 1");
    q.bind(1, serial.toStdString());
    return q.executeStep();
}

bool switchesToDecentral(const Reader& stored, const ReaderForm& form)
{
    return stored.central && form.mode == ReaderMode::Decentral;
}

// The assignments of the reader that name a zone other than the always-zone
// or a function of their own.
int assignmentsWithChoices(Database& db, const QString& serial)
{
    return countRows(db, "SELECT count(*) FROM Zuleser WHERE Leser = ? "
                         "AND (Zeitzone IS NOT ? OR coalesce(ZFunktion, '') <> '')",
                     {serial, kAlwaysZone});
}

// A decentral reader opens for its profiles at any time with its own linked
// function, so its assignments hold the always-zone and no function.
void bringAssignmentsToDecentral(Database& db, const QString& serial)
{
    SQLite::Statement q(db.sql(), "UPDATE Zuleser SET Zeitzone = ?, ZFunktion = NULL WHERE Leser = ?");
    q.bind(1, kAlwaysZone.toStdString());
    q.bind(2, serial.toStdString());
    q.exec();
}

// Door-opener functions name their reader by bus line and address, so they
// follow the reader to its new address.
void moveDoorOpeners(Database& db, int busLine, int oldAddress, int newAddress)
{
    SQLite::Statement q(db.sql(), "UPDATE Funktionen SET Protokoll = ? WHERE FTyp = 0 AND BusID = ? AND Protokoll = ?");
    q.bind(1, FunctionProtocol::doorOpener(newAddress).toStdString());
    q.bind(2, busLine);
    q.bind(3, FunctionProtocol::doorOpener(oldAddress).toStdString());
    q.exec();
}

}  // namespace

std::optional<Message> ReaderOperations::checkNew(const ReaderForm& form)
{
    if (form.type < 0 || form.type >= kReaderTypeCount)
        return missing(GetText(1027, "Es muss ein Typ für den Leser ausgewählt werden!"), GetText(1028, "Typ fehlt"),
                       ReaderField::type);
    if (form.name.trimmed().isEmpty())
        return missingName();
    if (auto m = SerialNumber::check(form.serial, missingSerial(ReaderField::serial), QString::fromLatin1(ReaderField::serial)))
        return m;
    if (BusLineList::lineAt(form.busPosition) < 0)
        return missing(GetText(447, "Es muss ein HLV:BUS ausgewählt werden!"), GetText(448, "HLV:BUS fehlt"),
            ReaderField::busLine);
    if (addressMissing(form))
        return missingAddress();
    if (form.mode == ReaderMode::None)
        return missing(GetText(449, "Sie müssen für den Leser einen Modus angeben!"), GetText(450, "Modus fehlt"),
            ReaderField::central);
    if (auto m = mifareDecentral(form.type, form))
        return m;
    if (functionMissing(form))
        return missingFunction();
    return std::nullopt;
}

std::optional<Message> ReaderOperations::checkChange(const Reader& stored, const ReaderForm& form)
{
    if (form.name.trimmed().isEmpty())
        return missingName();
    if (addressMissing(form))
        return missingAddress();
    if (auto m = mifareDecentral(stored.type, form))
        return m;
    if (switchesToDecentral(stored, form) && stored.keyCount > kMaxDecentralKeys)
        return ReaderMessages::tooManyKeysForDecentral();
    if (form.mode != ReaderMode::Decentral && !stored.central)
        return ReaderMessages::cannotBecomeCentral();
    if (functionMissing(form))
        return missingFunction();
    return std::nullopt;
}

bool ReaderOperations::needsTransfer(const Reader& stored, const Reader& changed)
{
    return stored.modify || stored.address != changed.address || stored.function != changed.function
        || stored.settings != changed.settings || stored.central != changed.central;
}

Outcome ReaderOperations::create(const ReaderForm& form) const
{
    if (auto m = checkNew(form))
        return Outcome::fail(*m);
    Reader r = fromForm(form, Reader());
    r.type = form.type;
    r.serial = SerialNumber::normalized(form.serial);
    r.name = form.name.trimmed();
    r.keyCount = 0;
    r.modify = true;
    return writeToProject(
        m_path,
        [&](Database& db) {
            if (ReaderQueries::serialTaken(db, r.serial))
                throw DbRefusal(DbErrorKind::Duplicate);
            if (std::optional<Outcome> taken = addressTaken(db, r))
                return *taken;
            SQLite::Statement q(db.sql(),
                "INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, "
                "RSZ, ProgSp, TOE, Akustik, Modify, Zeiterfassung) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, 1, ?)");
            q.bind(1, r.type);
            q.bind(2, r.serial.toStdString());
            q.bind(3, r.name.toStdString());
            q.bind(4, r.busLine);
            q.bind(5, r.address);
            q.bind(6, int(r.central));
            q.bind(7, r.function);
            bindSettings(q, 8, r);
            q.bind(12, r.timeRecording);
            q.exec();
            return Outcome::ok();
        },
        writeRefusals);
}

Outcome ReaderOperations::change(const QString& serial, const ReaderForm& form) const
{
    return writeToProject(
        m_path,
        [&](Database& db) {
            const std::optional<Reader> stored = ReaderQueries::bySerial(db, serial);
            if (!stored)
                throw DbRefusal(DbErrorKind::NoCurrentRow);
            if (auto m = checkChange(*stored, form))
                return Outcome::fail(*m);
            Reader changed = fromForm(form, *stored);
            changed.name = form.name.trimmed();
            changed.modify = needsTransfer(*stored, changed);
            if (std::optional<Outcome> taken = addressTaken(db, changed, serial))
                return *taken;
            SQLite::Statement q(db.sql(),
                "UPDATE Leser SET Lname = ?, BusID = ?, AS_adr = ?, Zmodus = ?, Funktion = ?, RSZ = ?, "
                "ProgSp = ?, TOE = ?, Akustik = ?, Modify = ?, Zeiterfassung = ? WHERE Seriennr = ?");
            q.bind(1, changed.name.toStdString());
            q.bind(2, changed.busLine);
            q.bind(3, changed.address);
            q.bind(4, int(changed.central));
            q.bind(5, changed.function);
            bindSettings(q, 6, changed);
            q.bind(10, int(changed.modify));
            q.bind(11, changed.timeRecording);
            q.bind(12, serial.toStdString());
            q.exec();
            if (changed.address != stored->address)
                moveDoorOpeners(db, stored->busLine, stored->address, changed.address);
            if (switchesToDecentral(*stored, form))
                bringAssignmentsToDecentral(db, serial);
            return Outcome::ok();
        },
        writeRefusals);
}

Outcome ReaderOperations::questionBeforeChange(const QString& serial, const ReaderForm& form,
                                               std::optional<Message>& question) const
{
    question.reset();
    return readFromProject(m_path, [&](Database& db) {
        const std::optional<Reader> stored = ReaderQueries::bySerial(db, serial);
        if (!stored)
            return Outcome::ok();  // change() reports it
        if (auto m = checkChange(*stored, form))
            return Outcome::fail(*m);
        if (!switchesToDecentral(*stored, form))
            return Outcome::ok();
        if (const int replaced = assignmentsWithChoices(db, serial); replaced > 0)
            question = ReaderMessages::switchReplacesAssignments(replaced);
        return Outcome::ok();
    });
}

Outcome ReaderOperations::changeSerial(const QString& serial, const QString& newSerial) const
{
    const QString field = QString::fromLatin1(ReaderField::newSerial);
    if (auto m = SerialNumber::check(newSerial, missingSerial(ReaderField::newSerial), field))
        return Outcome::fail(*m);
    const QString normalized = SerialNumber::normalized(newSerial);
    return writeToProject(m_path, [&](Database& db) {
        if (!ReaderQueries::bySerial(db, serial))
            throw DbRefusal(DbErrorKind::NoCurrentRow);
        // Access profiles name the reader by its serial number.
        if (normalized != serial && linkedToProfile(db, serial))
            throw DbRefusal(DbErrorKind::StillReferenced);
        if (ReaderQueries::serialTaken(db, normalized, serial))
            throw DbRefusal(DbErrorKind::Duplicate);
        SQLite::Statement q(db.sql(), "UPDATE Leser SET Seriennr = ?, Modify = 1 WHERE Seriennr = ?");
        q.bind(1, normalized.toStdString());
        q.bind(2, serial.toStdString());
        q.exec();
        return Outcome::ok();
    }, writeRefusals);
}

Outcome ReaderOperations::remove(const QString& serial) const
{
    return writeToProject(m_path, [&](Database& db) {
        if (!ReaderQueries::bySerial(db, serial))
            throw DbRefusal(DbErrorKind::NoCurrentRow);
        if (linkedToProfile(db, serial))
            throw DbRefusal(DbErrorKind::StillReferenced);
        SQLite::Statement q(db.sql(), "DELETE FROM Leser WHERE Seriennr = ?");
        q.bind(1, serial.toStdString());
        q.exec();
        return Outcome::ok();
    }, [](const DbError& error) { return std::optional(ReaderMessages::deleteRefused(error)); });
}

}  // namespace varnox
