// Showing a stored function: its telegram text is read back into the
// entries it was built from, as far as the text still fits its kind.
#include "core/model/BusLineList.h"
#include "core/model/FunctionMessages.h"
#include "core/model/FunctionOperations.h"
#include "core/model/FunctionProtocol.h"
#include "core/model/ProjectWork.h"
#include "core/model/ReaderQueries.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

void showDoorOpener(Database& db, int busLine, const QString& protocol, FunctionView& out)
{
    out.readers = ReaderQueries::onLine(db, busLine);
    const int address = FunctionProtocol::doorOpenerAddress(protocol);
    const QString reader = address < 0 ? QString() : ReaderQueries::serialAt(db, busLine, address);
    if (reader.isEmpty()) {
        out.warning = FunctionMessages::readerGone();
        return;
    }
    out.form.readerSerial = reader;
    out.address = address;
}

void showControl(const QString& protocol, FunctionView& out)
{
    const int serial = FunctionProtocol::controlSerial(protocol);
    if (serial >= 0)
        out.form.serial = QString::number(serial);
    const int number = FunctionProtocol::controlNumber(protocol);
    if (number >= 1 && number <= FunctionProtocol::kControlFunctionCount)
        out.form.controlNumber = number - 1;
}

void showFree(const QString& protocol, FunctionView& out)
{
    out.form.content = protocol;
    if (protocol.size() == 4)
        out.form.length = ProtocolLength::Short;
    else if (protocol.size() == 8)
        out.form.length = ProtocolLength::Long;
    else
        out.warning = FunctionMessages::freeLengthWrong();
}

}  // namespace

Outcome FunctionOperations::show(const QString& name, FunctionView& out) const
{
    out = FunctionView();
    return readFromProject(m_path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Fname, FTyp, Protokoll, BusID FROM Funktionen WHERE Fname = ?");
        q.bind(1, name.toStdString());
        if (!q.executeStep())
            return Outcome::fail(FunctionMessages::notFoundForShow(), Refusal::NotFound);
        out.form.name = QString::fromStdString(q.getColumn(0).getString());
        const int kind = q.getColumn(1).isNull() ? -1 : q.getColumn(1).getInt();
        const QString protocol = QString::fromStdString(q.getColumn(2).getString());
        const int busLine = q.getColumn(3).getInt();
        out.form.busPosition = BusLineList::positionOf(busLine);
        switch (kind) {
        case int(FunctionKind::DoorOpener): showDoorOpener(db, busLine, protocol, out); break;
        case int(FunctionKind::Control): showControl(protocol, out); break;
        case int(FunctionKind::Free): showFree(protocol, out); break;
        default: out.warning = FunctionMessages::wrongKind(); return Outcome::ok();
        }
        out.form.kind = FunctionKind(kind);
        return Outcome::ok();
    });
}

}  // namespace varnox
