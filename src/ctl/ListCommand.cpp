#include "core/model/AssignmentOperations.h"
#include "core/model/Function.h"
#include "core/model/FunctionProtocol.h"
#include "core/model/KeyOperations.h"
#include "core/model/ProjectListing.h"
#include "core/model/ReaderQueries.h"
#include "core/model/ZoneTimes.h"
#include "ctl/Commands.h"
#include "ctl/Console.h"
#include "ctl/KeyFields.h"
#include "ctl/PortCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Table.h"
#include "ctl/Values.h"
#include "ctl/Words.h"

namespace varnox::ctl {
namespace {

Outcome listReaders(const QString& path, Table& table)
{
    QList<Reader> readers;
    const Outcome read = ReaderQueries(path).all(readers);
    for (const Reader& r : readers)
        table.add({ r.serial, r.name, wordAt(Words::readerTypes, r.type), r.busLine, r.address,
            wordAt(Words::modes, r.central ? 0 : 1),
            r.central ? QString() : wordAt(Words::linkedFunctions, r.function - 1), r.keyCount, r.modify,
            r.settings.rsz, r.settings.progSp, r.settings.toe, r.settings.akustik,
            wordAt(Words::timeRecording, r.timeRecording) });
    return read;
}

Outcome listFunctions(const QString& path, Table& table)
{
    QList<FunctionEntry> functions;
    const Outcome read = readAllFunctions(path, functions);
    for (const FunctionEntry& f : functions) {
        const bool door = f.kind == int(FunctionKind::DoorOpener);
        const bool control = f.kind == int(FunctionKind::Control);
        const auto known = [](int value) { return value < 0 ? QVariant(QString()) : QVariant(value); };
        table.add({ f.name, f.busLine, wordAt(Words::functionKinds, f.kind), f.protocol,
            door ? known(FunctionProtocol::doorOpenerAddress(f.protocol)) : QVariant(QString()),
            control ? known(FunctionProtocol::controlSerial(f.protocol)) : QVariant(QString()),
            control ? known(FunctionProtocol::controlNumber(f.protocol)) : QVariant(QString()) });
    }
    return read;
}

QString periodText(const StoredPeriod& p)
{
    if (p.start == kUnusedTime || p.start.isEmpty())
        return {};
    return p.start.left(5) + QLatin1Char('-') + (p.end == kMidnightEnd ? QStringLiteral("24:00") : p.end.left(5));
}

Outcome listZones(const QString& path, Table& table)
{
    QList<ZoneEntry> zones;
    const Outcome read = readAllZones(path, zones);
    for (const ZoneEntry& z : zones) {
        QVariantList row { z.name };
        for (int day = 0; day < kZoneDays; ++day)
            for (int period = 0; period < kZonePeriods; ++period)
                row << periodText(z.week[day][period]);
        table.add(row);
    }
    return read;
}

Outcome listProfiles(const QString& path, Table& table)
{
    QList<ProfileEntry> profiles;
    const Outcome read = readAllProfiles(path, profiles);
    for (const ProfileEntry& p : profiles)
        table.add({ p.name, p.readers, p.keys });
    return read;
}

Outcome listKeys(const QString& path, Table& table)
{
    QList<KeyRecord> keys;
    const Outcome read = readAllKeys(path, keys);
    for (const KeyRecord& k : keys) {
        QVariantList row;
        for (const QString& field : keyRecordFields(k))
            row << field;
        table.add(row);
    }
    return read;
}

Outcome listAssignments(const QString& path, Table& table)
{
    QList<AssignmentEntry> assignments;
    const Outcome read = readAllAssignments(path, assignments);
    for (const AssignmentEntry& a : assignments)
        table.add({ a.profile, a.readerSerial, a.readerName, a.zone, a.function });
    return read;
}

QStringList zoneColumns()
{
    QStringList columns { QStringLiteral("name") };
    for (const QString& day : Words::days)
        for (int period = 1; period <= kZonePeriods; ++period)
            columns << day + QString::number(period);
    return columns;
}

struct Listing {
    QString kind;
    QStringList columns;
    Outcome (*fill)(const QString&, Table&);
};

const QList<Listing>& listings()
{
    static const QList<Listing> all = {
        { QStringLiteral("readers"),
            { QStringLiteral("serial"), QStringLiteral("name"), QStringLiteral("type"), QStringLiteral("bus"),
                QStringLiteral("address"), QStringLiteral("mode"), QStringLiteral("function"), QStringLiteral("keys"),
                QStringLiteral("transfer"), QStringLiteral("relay_time"), QStringLiteral("programming_lock"),
                QStringLiteral("door_signal"), QStringLiteral("acoustic"), QStringLiteral("time_recording") },
            listReaders },
        { QStringLiteral("functions"),
            { QStringLiteral("name"), QStringLiteral("bus"), QStringLiteral("kind"), QStringLiteral("telegram"),
                QStringLiteral("address"), QStringLiteral("serial"), QStringLiteral("control_number") },
            listFunctions },
        { QStringLiteral("zones"), zoneColumns(), listZones },
        { QStringLiteral("profiles"), { QStringLiteral("name"), QStringLiteral("readers"), QStringLiteral("keys") },
            listProfiles },
        { QStringLiteral("keys"), keyCsvColumns(), listKeys },
        { QStringLiteral("assignments"),
            { QStringLiteral("profile"), QStringLiteral("reader"), QStringLiteral("reader_name"),
                QStringLiteral("zone"), QStringLiteral("function") },
            listAssignments },
        { QStringLiteral("ports"), { QStringLiteral("bus"), QStringLiteral("com"), QStringLiteral("device") },
            listPorts },
    };
    return all;
}

} // namespace

ExitStatus listCommand(Context& c, Options& options)
{
    const QStringList words = c.words(
        { QStringLiteral("readers|functions|zones|profiles|keys|assignments|ports"), QStringLiteral("PROJECT") });
    const auto format = optionValue(options, QStringLiteral("format"), [](const QString& text) {
        return choice(text, { QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json") });
    });
    c.noneLeft(options);
    const auto listing
        = std::find_if(listings().begin(), listings().end(), [&](const Listing& l) { return l.kind == words[0]; });
    if (listing == listings().end())
        throw UsageError { c.unknownWord(words[0]) };
    return readProject(words[1], c.op, [&](const ProjectRead& read) {
        Table table(listing->columns);
        if (const Outcome filled = listing->fill(read.path(), table); !filled)
            return reported(filled).status;
        out(table.write(Format(format ? *format : 0)));
        return Done;
    });
}

} // namespace varnox::ctl
