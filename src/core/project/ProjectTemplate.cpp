#include "core/project/ProjectTemplate.h"

#include "core/lang/Texts.h"
#include "core/project/Database.h"
#include "core/project/FileCopy.h"
#include "core/shell/FileError.h"
#include "core/shell/ProgramFolder.h"

#include <SQLiteCpp/Transaction.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace varnox {

void createSchema(Database& db)
{
    SQLite::Transaction transaction(db.sql());
    db.execResource(QStringLiteral(":/schema/project.sql"));
    transaction.commit();
}

bool writeProjectTemplate(const QString& path, QString* error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1 exists already").arg(path);
        return false;
    }
    // Built beside the target and renamed into place, so that a half-written
    // template is never taken for a good one.
    const QString building = path + QStringLiteral(".building");
    removeDatabaseFiles(building);
    int errnum = 0;
    try {
        {
            Database db(building, Database::Access::Create);
            try {
                createSchema(db);
                SQLite::Transaction transaction(db.sql());
                db.execResource(QStringLiteral(":/schema/template-rows.sql"));
                transaction.commit();
            } catch (const std::exception& e) {
                errnum = systemErrorOf(e, db.sql().getHandle());
                throw;
            }
        }
        if (!QFile::rename(building, path))
            throw std::runtime_error("cannot rename the new template into place");
        return true;
    } catch (const std::exception& e) {
        removeDatabaseFiles(building);
        if (error)
            *error = fileErrorText(errnum != 0 ? errnum : systemErrorOf(e), QString::fromUtf8(e.what()));
        return false;
    }
}

bool ensureProjectTemplate(QString* error)
{
    const QString path = ProgramFolder::templateFile();
    return QFileInfo::exists(path) || writeProjectTemplate(path, error);
}

Message templateMissingMessage(const QString& reason)
{
    const QLatin1String newLine("\r\n");
    return {.text = GetText(3411, "Die Vorlage für neue Projekte (%1) kann nicht geschrieben werden.")
                        .arg(ProgramFolder::templateFile())
                + newLine + reason + newLine
                + GetText(3412, "Neue Projekte können erst erstellt werden, wenn das behoben ist."),
            .title = GetText(246, "Fehler"),
            .icon = MessageIcon::Exclamation,
            .focus = {},
            .selectAll = false};
}

}  // namespace varnox
