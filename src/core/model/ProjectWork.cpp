#include "core/model/ProjectWork.h"

#include "core/lang/Texts.h"

#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace varnox {
namespace {

bool stepWith(SQLite::Statement& q, std::initializer_list<QString> values)
{
    int i = 0;
    for (const QString& value : values)
        q.bind(++i, value.toStdString());
    return q.executeStep();
}

Refusal refusalOf(DbErrorKind kind)
{
    switch (kind) {
    case DbErrorKind::Duplicate:
        return Refusal::Exists;
    case DbErrorKind::StillReferenced:
        return Refusal::InUse;
    case DbErrorKind::NoCurrentRow:
        return Refusal::NotFound;
    case DbErrorKind::Other:
        break;
    }
    return Refusal::Database;
}

Outcome failure(const std::exception& e, const RefusalMessages& refusals)
{
    const DbError error = toDbError(e);
    if (refusals) {
        if (std::optional<Message> own = refusals(error))
            return Outcome::fail(*own, refusalOf(error.kind));
    }
    return Outcome::fail(databaseErrorMessage(error), refusalOf(error.kind));
}

}  // namespace

Outcome writeToProject(const QString& workCopy, const std::function<Outcome(Database&)>& work,
                       const RefusalMessages& refusals)
{
    const auto committedOnSuccess = [&](Database& db) {
        Outcome outcome = work(db);
        const bool ok = outcome.isOk();
        return WriteResult{std::move(outcome), ok};
    };
    return writeToProjectNoting(workCopy, committedOnSuccess, refusals).outcome;
}

WriteResult writeToProjectNoting(const QString& workCopy, const std::function<WriteResult(Database&)>& work,
                                 const RefusalMessages& refusals)
{
    try {
        Database db(workCopy);
        SQLite::Transaction transaction(db.sql());
        WriteResult result = work(db);
        if (result.stored)
            transaction.commit();
        return result;
    } catch (const std::exception& e) {
        return WriteResult{failure(e, refusals), false};
    }
}

Outcome readFromProject(const QString& workCopy, const std::function<Outcome(Database&)>& work)
{
    try {
        Database db(workCopy, Database::Access::ReadOnly);
        return work(db);
    } catch (const std::exception& e) {
        return failure(e, {});
    }
}

std::optional<std::int64_t> findRow(Database& db, const char* sql, std::initializer_list<QString> values)
{
    SQLite::Statement q(db.sql(), sql);
    if (!stepWith(q, values))
        return std::nullopt;
    return q.getColumn(0).getInt64();
}

int countRows(Database& db, const char* sql, std::initializer_list<QString> values)
{
    SQLite::Statement q(db.sql(), sql);
    return stepWith(q, values) ? q.getColumn(0).getInt() : 0;
}

Message stopMessage(const QString& text, const QString& title, const QString& focus, bool selectAll)
{
    return Message{text, title, MessageIcon::Critical, focus, selectAll};
}

Message exclamationMessage(const QString& text, const QString& title, const QString& focus, bool selectAll)
{
    return Message{text, title, MessageIcon::Exclamation, focus, selectAll};
}

Message databaseRefusal(std::initializer_list<QString> lines, const QString& focus, bool selectAll)
{
    return stopMessage(messageLines(lines), GetText(348, "Datenbankfehler"), focus, selectAll);
}

QString messageLines(std::initializer_list<QString> lines)
{
    QString text;
    for (const QString& line : lines) {
        if (&line != lines.begin())
            text += QStringLiteral("\r\n");
        text += line;
    }
    return text;
}

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

std::optional<Message> nameTooLong(const QString& name, const QString& focus, bool shortName)
{
    if (name.toUcs4().size() <= kMaxNameLength)
        return std::nullopt;
    const QString what
        = shortName ? GetText(4001, "Die Kurzbezeichnung ist zu lang!") : GetText(4000, "Die Bezeichnung ist zu lang!");
    return exclamationMessage(messageLines({ what, GetText(322, "Sie darf maximal 50 Zeichen betragen.") }),
        GetText(246, "Fehler"), focus, true);
}

} // namespace varnox
