#include "core/online/AccessDecision.h"

#include "core/lang/Texts.h"
#include "core/model/ValidityText.h"
#include "core/model/ZoneOperations.h"
#include "core/model/ZoneTimes.h"
#include "core/online/KeyRequestPairing.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

const QLatin1String kDash(" - ");

QString text(SQLite::Statement& q, int column)
{
    return QString::fromStdString(q.getColumn(column).getString());
}

struct ReaderRow {
    QString serial;
    QString name;
    int role = 0;
};

std::optional<ReaderRow> readerAt(Database& db, const KeyRequest& r)
{
    SQLite::Statement q(db.sql(),
        "SELECT Seriennr, Lname, coalesce(Zeiterfassung, 0) FROM Leser "
        "WHERE AS_adr = ? AND BusID = ? ORDER BY rowid LIMIT 1");
    q.bind(1, r.asAddress);
    q.bind(2, r.busLine);
    if (!q.executeStep())
        return std::nullopt;
    return ReaderRow { text(q, 0), text(q, 1), q.getColumn(2).getInt() };
}

QString unknownReader(const KeyRequest& r)
{
    return QString::number(r.busLine) + GetText(242, ", AS ") + r.addressText + QLatin1Char(')');
}

// The end of the texts of an unknown key or a key without a profile: the
// reader at the address, or that there is none.
void appendReaderPart(Database& db, const KeyRequest& r, AccessDecision& d)
{
    if (const std::optional<ReaderRow> reader = readerAt(db, r)) {
        d.protocolText += GetText(165, "Leser ") + reader->name;
        d.monitorText += GetText(165, "Leser ") + reader->name.toUpper();
        return;
    }
    const QString part = GetText(466, "unbekannten Leser (HLV:Bus ") + unknownReader(r);
    d.protocolText += part;
    d.monitorText += part;
}

// Protocol text "Schlüsselbezeichnung: K - " + what, monitor text what.
void refuse(AccessDecision& d, const QString& what, const QColor& colour = kRefusedColour)
{
    d.protocolText = GetText(464, "Schlüsselbezeichnung: ") + d.keyName + kDash + what;
    d.monitorText = what;
    d.colour = colour;
}

void grant(AccessDecision& d)
{
    d.granted = true;
    d.protocolText = GetText(464, "Schlüsselbezeichnung: ") + d.keyName;
}

bool insideFixedPeriod(const QString& start, const QString& end, const QDateTime& now)
{
    const std::optional<QDateTime> from = readStoredValidityTime(start);
    const std::optional<QDateTime> until = readStoredValidityTime(end);
    return from && until && *from <= now && now < *until;
}

// Steps 5 to 7 once the reader's assignment is known.
void decideByTime(
    Database& db, const KeyRequest& r, const QString& start, const QString& end, const QString& zone, AccessDecision& d)
{
    const QString readerName = d.readerName.toUpper();
    const QString atReader = d.keyName.toUpper() + GetText(474, " an Leser ") + readerName;
    if (d.fixedPeriod) {
        if (insideFixedPeriod(start, end, r.moment))
            grant(d);
        else
            refuse(d, atReader + GetText(897, " - ausserhalb des festen Zeitraums"));
        return;
    }
    const std::optional<StoredWeek> week = readStoredWeek(db, zone);
    if (!week) {
        refuse(d, atReader);
        return;
    }
    if (zoneCovers(*week, Qt::DayOfWeek(r.moment.date().dayOfWeek()), r.moment.time()))
        grant(d);
    else
        refuse(d, GetText(469, "Anfrage am Leser ") + readerName + GetText(473, " - ausserhalb der erlaubten Zeit"));
}

} // namespace

AccessDecision decideAccess(Database& db, const KeyRequest& r)
{
    AccessDecision d;
    SQLite::Statement key(db.sql(),
        "SELECT Sname, coalesce(AbsoluteZeit, 0), Startzeit, Endzeit FROM Schluessel "
        "WHERE Schluesselnr = ? ORDER BY rowid LIMIT 1");
    key.bind(1, r.keyNumber.toStdString());
    if (!key.executeStep()) {
        d.monitorKey = r.keyNumber;
        d.protocolText = GetText(460, "Schlüsselnr.: ") + r.keyNumber + kDash;
        d.monitorText = GetText(461, "unbekannter Schlüssel am ");
        d.protocolText += d.monitorText;
        appendReaderPart(db, r, d);
        return d;
    }
    d.keyName = d.monitorKey = text(key, 0);
    d.fixedPeriod = key.getColumn(1).getInt() != 0;
    const QString start = text(key, 2);
    const QString end = text(key, 3);

    SQLite::Statement link(db.sql(), "SELECT Profil FROM Zuschluessel WHERE Schluessel = ? ORDER BY rowid LIMIT 1");
    link.bind(1, r.keyNumber.toStdString());
    if (!link.executeStep()) {
        refuse(d, GetText(465, "Anfrage am "));
        appendReaderPart(db, r, d);
        return d;
    }
    const std::string profile = link.getColumn(0).getString();

    const std::optional<ReaderRow> reader = readerAt(db, r);
    const QString unknown = GetText(468, "Anfrage am unbekannten Leser (HLV:Bus ") + unknownReader(r);
    if (!reader) {
        refuse(d, unknown);
        return d;
    }
    d.readerName = reader->name;
    d.timeRecordingRole = reader->role;

    SQLite::Statement assignment(db.sql(),
        "SELECT Zeitzone, ZFunktion FROM Zuleser WHERE Profil = ? AND Leser = ? "
        "ORDER BY rowid LIMIT 1");
    assignment.bind(1, profile);
    assignment.bind(2, reader->serial.toStdString());
    if (!assignment.executeStep()) {
        refuse(d, GetText(469, "Anfrage am Leser ") + reader->name.toUpper());
        return d;
    }
    // An assignment without zone or function cannot be read as one.
    if (assignment.getColumn(0).isNull() || assignment.getColumn(1).isNull()) {
        refuse(d, unknown, kUnreadableColour);
        return d;
    }
    d.function = text(assignment, 1);
    decideByTime(db, r, start, end, text(assignment, 0), d);
    return d;
}

std::optional<StoredFunction> lookupFunction(Database& db, const QString& name)
{
    SQLite::Statement q(db.sql(),
        "SELECT f.BusID, f.Protokoll FROM Funktionen f, HLV_BUS t "
        "WHERE f.Fname = ? AND f.BusID = t.BusID ORDER BY f.rowid LIMIT 1");
    q.bind(1, name.toStdString());
    if (!q.executeStep())
        return std::nullopt;
    return StoredFunction { q.getColumn(0).getInt(), text(q, 1) };
}

} // namespace varnox
