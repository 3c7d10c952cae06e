#include "core/model/FunctionOperations.h"

#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/FunctionMessages.h"
#include "core/model/FunctionProtocol.h"
#include "core/model/ProjectWork.h"
#include "core/model/ReaderQueries.h"
#include "core/model/SerialNumber.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

Message fault(const QString& text, const QString& title, const char* field, bool selectAll = false)
{
    return exclamationMessage(text, title, QString::fromLatin1(field), selectAll);
}

std::optional<Message> checkControl(const FunctionForm& form)
{
    const Message missingSerial = fault(GetText(328, "Geben Sie eine Seriennummer an!"), GetText(329, "Seriennummer fehlt"),
                                        FunctionField::serial);
    if (auto m = SerialNumber::check(form.serial, missingSerial, QString::fromLatin1(FunctionField::serial)))
        return m;
    if (form.controlNumber < 0 || form.controlNumber >= FunctionProtocol::kControlFunctionCount)
        return fault(GetText(332, "Ordnen Sie der Funktion eine Steuerfunktion-Nr. zu!"), GetText(333, "Steuerfunktion-Nr. fehlt"),
                     FunctionField::controlNumber);
    return std::nullopt;
}

std::optional<Message> checkFree(const FunctionForm& form)
{
    const QString wrongLength = GetText(338, "Falsche Protokolllänge");
    switch (form.length) {
    case ProtocolLength::None:
        return fault(GetText(334, "Sie müssen die gewünschte Protokolllänge auswählen!"), GetText(335, "Protokolllänge fehlt"),
                     FunctionField::length);
    case ProtocolLength::Short:
        if (form.content.size() != 4)
            return fault(GetText(336, "Die Länge des Protokolls muss genau 4 Zeichen betragen!"), wrongLength, FunctionField::content, true);
        break;
    case ProtocolLength::Long:
        if (form.content.size() != 8)
            return fault(GetText(337, "Die Länge des Protokolls muss genau 8 Zeichen betragen!"), wrongLength, FunctionField::content, true);
        break;
    }
    if (!FunctionProtocol::isHex(form.content)) {
        Message m = fault(GetText(339, "Das freie Protokoll darf nur") + QStringLiteral("\r\n")
                              + GetText(340, "aus den Zeichen von 0 bis 9 und A bis F bestehen!"),
                          GetText(341, "Bedienungsfehler"), FunctionField::content, true);
        m.icon = MessageIcon::Critical;
        return m;
    }
    return std::nullopt;
}

Message noReader()
{
    return fault(GetText(327, "Wählen Sie einen Leser für die Türöffnerfunktion aus!"), GetText(320, "Bezeichnung fehlt"),
                 FunctionField::reader);
}

// The telegram text of a checked form. A door opener takes the address of
// its reader as the project holds it now; a reader that went away in the
// meantime counts as none chosen.
std::optional<QString> protocolOf(Database& db, const FunctionForm& form, Message& failure)
{
    switch (form.kind) {
    case FunctionKind::DoorOpener: {
        SQLite::Statement q(db.sql(), "SELECT AS_adr FROM Leser WHERE Seriennr = ? AND BusID = ?");
        q.bind(1, form.readerSerial.toStdString());
        q.bind(2, BusLineList::lineAt(form.busPosition));
        if (!q.executeStep()) {
            failure = noReader();
            return std::nullopt;
        }
        return FunctionProtocol::doorOpener(q.getColumn(0).getInt());
    }
    case FunctionKind::Control:
        return FunctionProtocol::control(SerialNumber::normalized(form.serial).toInt(), form.controlNumber + 1);
    default: return FunctionProtocol::free(form.content);
    }
}

bool inUse(Database& db, const QString& name)
{
    SQLite::Statement q(db.sql(), "SELECT 1 FROM Zuleser WHERE ZFunktion = ? LIMIT 1");
    q.bind(1, name.toStdString());
    return q.executeStep();
}

bool exists(Database& db, const QString& name)
{
    SQLite::Statement q(db.sql(), "SELECT 1 FROM Funktionen WHERE Fname = ?");
    q.bind(1, name.toStdString());
    return q.executeStep();
}

}  // namespace

std::optional<Message> FunctionOperations::check(const FunctionForm& form)
{
    const QString name = form.name.trimmed();
    if (name.isEmpty())
        return fault(GetText(319, "Geben Sie der Funktion eine Bezeichnung!"), GetText(320, "Bezeichnung fehlt"), FunctionField::name);
    if (name.toUcs4().size() > kMaxFunctionNameLength)
        return fault(GetText(321, "Die Bezeichnung der Funktion ist zu lang!") + QStringLiteral("\r\n")
                         + GetText(322, "Sie darf maximal 50 Zeichen betragen."),
                     GetText(320, "Bezeichnung fehlt"), FunctionField::name);
    if (BusLineList::lineAt(form.busPosition) < 0)
        return fault(GetText(323, "Ordnen Sie der Funktion einen HLV:BUS-Strang zu!"), GetText(324, "HLV:BUS-Nr. fehlt"),
                     FunctionField::busLine);
    switch (form.kind) {
    case FunctionKind::None:
        return fault(GetText(325, "Ordnen Sie der Funktion einen Funktionstyp zu!"), GetText(326, "Funktionstyp fehlt"),
                     FunctionField::kind);
    case FunctionKind::DoorOpener: return form.readerSerial.isEmpty() ? std::optional(noReader()) : std::nullopt;
    case FunctionKind::Control: return checkControl(form);
    case FunctionKind::Free: return checkFree(form);
    }
    return std::nullopt;
}

Outcome FunctionOperations::create(const FunctionForm& form) const
{
    if (auto m = check(form))
        return Outcome::fail(*m);
    const auto duplicateName = [](const DbError& error) {
        return error.kind == DbErrorKind::Duplicate ? std::optional(FunctionMessages::duplicateName()) : std::nullopt;
    };
    return writeToProject(m_path, [&](Database& db) {
        Message failure;
        const std::optional<QString> protocol = protocolOf(db, form, failure);
        if (!protocol)
            return Outcome::fail(failure);
        SQLite::Statement q(db.sql(), "INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES (?, ?, ?, ?)");
        q.bind(1, form.name.trimmed().toStdString());
        q.bind(2, int(form.kind));
        q.bind(3, protocol->toStdString());
        q.bind(4, BusLineList::lineAt(form.busPosition));
        q.exec();
        return Outcome::ok();
    }, duplicateName);
}

Outcome FunctionOperations::change(const QString& selected, const FunctionForm& form) const
{
    if (auto m = check(form))
        return Outcome::fail(*m);
    const QString name = form.name.trimmed();
    return writeToProject(m_path, [&](Database& db) {
        if (selected.isEmpty() || !exists(db, selected))
            return Outcome::fail(FunctionMessages::noneSelected(), Refusal::NotFound);
        // Access profiles name the function; it keeps its name while they do.
        if (compareNames(name, selected) != 0 && inUse(db, selected))
            return Outcome::fail(FunctionMessages::inUseForChange(), Refusal::InUse);
        Message failure;
        const std::optional<QString> protocol = protocolOf(db, form, failure);
        if (!protocol)
            return Outcome::fail(failure);
        SQLite::Statement q(db.sql(), "UPDATE Funktionen SET Fname = ?, FTyp = ?, Protokoll = ?, BusID = ? WHERE Fname = ?");
        q.bind(1, name.toStdString());
        q.bind(2, int(form.kind));
        q.bind(3, protocol->toStdString());
        q.bind(4, BusLineList::lineAt(form.busPosition));
        q.bind(5, selected.toStdString());
        q.exec();
        return Outcome::ok();
    });
}

Outcome FunctionOperations::remove(const QString& selected) const
{
    return writeToProject(m_path, [&](Database& db) {
        if (selected.isEmpty() || !exists(db, selected))
            return Outcome::fail(FunctionMessages::notFoundForDelete(), Refusal::NotFound);
        if (inUse(db, selected))
            return Outcome::fail(FunctionMessages::inUseForDelete(), Refusal::InUse);
        SQLite::Statement q(db.sql(), "DELETE FROM Funktionen WHERE Fname = ?");
        q.bind(1, selected.toStdString());
        q.exec();
        return Outcome::ok();
    });
}

Outcome FunctionOperations::list(QStringList& out) const
{
    out.clear();
    return readFromProject(m_path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Fname FROM Funktionen ORDER BY rowid");
        while (q.executeStep())
            out.append(QString::fromStdString(q.getColumn(0).getString()));
        return Outcome::ok();
    });
}

}  // namespace varnox
