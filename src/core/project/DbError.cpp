#include "core/project/DbError.h"

#include "core/lang/Texts.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace varnox {

DbError toDbError(const std::exception& e)
{
    if (const auto* refusal = dynamic_cast<const DbRefusal*>(&e))
        return {refusal->kind(), 0, QString()};
    DbError error;
    error.description = QString::fromUtf8(e.what());
    if (const auto* sqlError = dynamic_cast<const SQLite::Exception*>(&e)) {
        error.number = sqlError->getExtendedErrorCode();
        switch (error.number) {
        case SQLITE_CONSTRAINT_UNIQUE:
        case SQLITE_CONSTRAINT_PRIMARYKEY: error.kind = DbErrorKind::Duplicate; break;
        case SQLITE_CONSTRAINT_FOREIGNKEY: error.kind = DbErrorKind::StillReferenced; break;
        default: break;
        }
    }
    return error;
}

Message databaseErrorMessage(const DbError& error)
{
    Message m;
    m.text = GetText(575, "Fehler ") + QString::number(error.number) + QStringLiteral(":\r\n") + error.description;
    m.title = GetText(348, "Datenbankfehler");
    m.icon = MessageIcon::Critical;
    return m;
}

}  // namespace varnox
