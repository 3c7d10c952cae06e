#include "core/project/CheckAndUpgrade.h"

#include "core/lang/Texts.h"
#include "core/project/Database.h"
#include "core/project/FileCopy.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/ProjectPaths.h"
#include "core/project/UpgradeSteps.h"
#include "core/shell/Operator.h"

#include <SQLiteCpp/Statement.h>

#include <QFile>
#include <QtEndian>
#include <optional>
#include <sqlite3.h>

namespace varnox {

namespace {

const QLatin1String kNewLine("\r\n");

enum class Finding { Usable, Upgrade, MissingTables, WrongFieldCount, WrongVersion, NotAProjectFile };

struct Inspection {
    Inspection(Finding f, UpgradeFrom u = UpgradeFrom::Version3, QString t = QString())
        : finding(f)
        , from(u)
        , table(std::move(t))
    {
    }
    Finding finding;
    UpgradeFrom from;
    QString table;  // the table with the wrong field count
};

// Every SQLite file starts with these 16 bytes and is made of whole pages,
// as many as its header says where the header's count is valid. An empty
// file or any other content is no project, even though the engine would take
// an empty file for an empty database; and a file cut short is damaged,
// even though the engine would read its missing bytes as zeros without a
// word. A file with a journal beside it is left to the engine, which puts
// it back together when it is opened.
bool wholeDatabaseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3", 16)))
        return false;
    if (hasSideFiles(path))
        return true;
    const auto at16 = [&header](int offset) { return qFromBigEndian<quint16>(header.constData() + offset); };
    const auto at32 = [&header](int offset) { return qFromBigEndian<quint32>(header.constData() + offset); };
    const qint64 pageSize = at16(16) == 1 ? 65536 : at16(16);
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || file.size() % pageSize != 0)
        return false;
    const bool countValid = at32(28) != 0 && at32(92) == at32(24);
    return !countValid || qint64(at32(28)) * pageSize == file.size();
}

bool structureIntact(Database& db)
{
    SQLite::Statement q(db.sql(), "PRAGMA quick_check(1)");
    return q.executeStep() && q.getColumn(0).getString() == "ok";
}

int count(Database& db, const char* sql, const QString& name = QString())
{
    SQLite::Statement q(db.sql(), sql);
    if (!name.isNull())
        q.bind(1, name.toStdString());
    return q.executeStep() ? q.getColumn(0).getInt() : 0;
}

std::optional<int> fieldCount(Database& db, const QString& table)
{
    if (count(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE", table) == 0)
        return std::nullopt;
    return count(db, "SELECT count(*) FROM pragma_table_info(?)", table);
}

// Files without the version query: the two oldest layouts, told apart by
// their readers and settings tables.
Inspection inspectOldLayout(Database& db)
{
    const int tables = count(
        db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    if (tables < 8 || tables > 9)
        return {Finding::MissingTables};
    static const QList<QPair<QString, int>> fields = {
        {QStringLiteral("Zutrittsprofile"), 1}, {QStringLiteral("Zuschluessel"), 2}, {QStringLiteral("HLV_BUS"), 2},
        {QStringLiteral("Schluessel"), 3},      {QStringLiteral("Zuleser"), 4},      {QStringLiteral("Funktionen"), 4},
        {QStringLiteral("Zeitzonen"), 57}};
    for (const auto& [table, wanted] : fields) {
        const std::optional<int> n = fieldCount(db, table);
        if (!n)
            return {Finding::NotAProjectFile};
        if (*n != wanted)
            return {Finding::WrongFieldCount, UpgradeFrom::Version3, table};
    }
    const std::optional<int> readers = fieldCount(db, QStringLiteral("Leser"));
    if (!readers)
        return {Finding::NotAProjectFile};
    if (*readers == 12)
        return {Finding::Upgrade, UpgradeFrom::Oldest};
    if (*readers == 13 && fieldCount(db, QStringLiteral("Einstellungen")).value_or(0) == 2)
        return {Finding::Upgrade, UpgradeFrom::Second};
    return {Finding::Usable};  // no upgrade exists for any other combination
}

Inspection inspectVersion(int version)
{
    if (version == 8)
        return {Finding::Usable};
    if (version >= 3 && version <= 7)
        return {Finding::Upgrade, UpgradeFrom(int(UpgradeFrom::Version3) + version - 3)};
    return {Finding::WrongVersion};
}

Inspection inspect(const QString& path)
{
    if (!wholeDatabaseFile(path))
        return {Finding::NotAProjectFile};
    try {
        Database db(path);
        if (!structureIntact(db))
            return {Finding::NotAProjectFile};
        std::optional<SQLite::Statement> version;
        try {
            version.emplace(db.sql(), "SELECT Versionsnummer FROM Einstellungen WHERE Bezeichnung = ?");
        } catch (const SQLite::Exception& e) {
            if (e.getErrorCode() != SQLITE_ERROR)  // anything but a missing table or column
                throw;
            return inspectOldLayout(db);
        }
        version->bind(1, "Version");
        if (!version->executeStep())
            return {Finding::Usable};
        if (version->getColumn(0).isNull())
            return {Finding::WrongVersion};
        return inspectVersion(version->getColumn(0).getInt());
    } catch (const std::exception&) {
        return {Finding::NotAProjectFile};
    }
}

// The tables of the current layout with their columns, in the order the
// schema makes them.
using Layout = QList<QPair<QString, QStringList>>;

QStringList columnsOf(Database& db, const QString& table)
{
    SQLite::Statement q(db.sql(), "SELECT name FROM pragma_table_info(?)");
    q.bind(1, table.toStdString());
    QStringList columns;
    while (q.executeStep())
        columns << QString::fromStdString(q.getColumn(0).getString());
    return columns;
}

const Layout& currentLayout()
{
    static const Layout layout = [] {
        Database db(QStringLiteral(":memory:"), Database::Access::Create);
        createSchema(db);
        Layout out;
        SQLite::Statement q(db.sql(), "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
        while (q.executeStep()) {
            const QString table = QString::fromStdString(q.getColumn(0).getString());
            out.append({table, columnsOf(db, table)});
        }
        return out;
    }();
    return layout;
}

// Whatever its version says, a file is used only when it holds every table
// and column the program works with; otherwise every page would fail on it.
Inspection inspectLayout(const QString& path)
{
    try {
        Database db(path);
        QList<QStringList> present;
        for (const auto& [table, columns] : currentLayout()) {
            present.append(columnsOf(db, table));
            if (present.last().isEmpty())
                return {Finding::MissingTables};
        }
        for (qsizetype i = 0; i < present.size(); ++i)
            for (const QString& column : currentLayout()[i].second)
                if (!present[i].contains(column, Qt::CaseInsensitive))
                    return {Finding::WrongFieldCount, UpgradeFrom::Version3, currentLayout()[i].first};
        return {Finding::Usable};
    } catch (const std::exception&) {
        return {Finding::NotAProjectFile};
    }
}

Message fault(const QString& text, const QString& title)
{
    Message m;
    m.text = text;
    m.title = title;
    m.icon = MessageIcon::Critical;
    return m;
}

QString projectFileIs(const QString& file) { return GetText(252, "Die Projektdatei ") + file; }

Message missingTablesMessage(const QString& file)
{
    return fault(projectFileIs(file) + GetText(307, " besitzt nicht alle geforderten Tabellen.") + kNewLine
                     + GetText(308, "Sie kann nicht vom Programm geöffnet werden!"),
                 GetText(246, "Fehler"));
}

Message fieldCountMessage(const QString& table)
{
    return fault(GetText(303, "Die Tabelle ") + table + GetText(304, " hat nicht die geforderte Anzahl von Feldern.")
                     + kNewLine + GetText(305, "Das Programm kann die Projektdatei nicht öffnen!"),
                 GetText(306, "Fehler in der Datei"));
}

Message wrongVersionMessage(const QString& file)
{
    return fault(projectFileIs(file) + GetText(753, " besitzt eine falsche Versionsnummer.") + kNewLine
                     + GetText(308, "Sie kann nicht vom Programm geöffnet werden!"),
                 GetText(246, "Fehler"));
}

Message upgradeFailedMessage(const QString& file)
{
    return fault(projectFileIs(file) + GetText(625, " konnte nicht geöffnet werden.") + kNewLine
                     + GetText(626, "Sie wurde mit einer älteren SW-Version erstellt.") + kNewLine
                     + GetText(627, "Um mit ihr arbeiten zu können, muß sie aktualisiert werden.") + kNewLine
                     + GetText(628, "Die Aktualisierung ist jedoch fehlgeschlagen!"),
                 GetText(246, "Fehler"));
}

}  // namespace

Message notAProjectFileMessage(const QString& file)
{
    return fault(GetText(309, "Das Programm kann die Datei ") + file + GetText(310, " nicht öffnen!") + kNewLine
                     + GetText(311, "Entweder ist sie keine Projektdatei oder sie ist defekt."),
                 GetText(246, "Fehler"));
}

bool CheckAndUpgrade(const QString& workCopyName, Operator& op)
{
    return checkAndUpgradeCopy(workCopyPath(workCopyName), projectFileName(workCopyName), op);
}

bool checkAndUpgradeCopy(const QString& path, const QString& projectFile, Operator& op)
{
    const QString file = projectFile.toUpper();
    Inspection found = inspect(path);
    if (found.finding == Finding::Upgrade) {
        if (!upgradeProject(path, found.from)) {
            op.tell(notAProjectFileMessage(file));
            op.tell(upgradeFailedMessage(file));
            return false;
        }
        found = {Finding::Usable};
    }
    if (found.finding == Finding::Usable)
        found = inspectLayout(path);
    switch (found.finding) {
    case Finding::Usable: return true;
    case Finding::Upgrade: break;  // done above
    case Finding::MissingTables: op.tell(missingTablesMessage(file)); return false;
    case Finding::WrongFieldCount: op.tell(fieldCountMessage(found.table)); return false;
    case Finding::WrongVersion: op.tell(wrongVersionMessage(file)); return false;
    case Finding::NotAProjectFile: break;
    }
    op.tell(notAProjectFileMessage(file));
    return false;
}

}  // namespace varnox
