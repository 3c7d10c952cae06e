#include "core/project/ProjectTemplate.h"

#include "core/project/Database.h"
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
    QFile::remove(building);
    try {
        {
            Database db(building, Database::Access::Create);
            createSchema(db);
            SQLite::Transaction transaction(db.sql());
            db.execResource(QStringLiteral(":/schema/template-rows.sql"));
            transaction.commit();
        }
        if (!QFile::rename(building, path))
            throw std::runtime_error("cannot rename the new template into place");
        return true;
    } catch (const std::exception& e) {
        QFile::remove(building);
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}

bool ensureProjectTemplate(QString* error)
{
    const QString path = ProgramFolder::templateFile();
    return QFileInfo::exists(path) || writeProjectTemplate(path, error);
}

}  // namespace varnox
