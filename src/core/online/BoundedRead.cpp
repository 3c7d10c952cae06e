#include "core/online/BoundedRead.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace varnox {
namespace {

// The virtual-machine steps between two looks at the clock.
constexpr int kStepsBetweenChecks = 16;

const QString& existingPath(const QString& path)
{
    if (path.isEmpty())
        throw SQLite::Exception("no project is open");
    return path;
}

} // namespace

BoundedRead::BoundedRead(const QString& workCopy, int budgetMs)
    : m_deadline(budgetMs)
    , m_db(existingPath(workCopy), Database::Access::ReadOnly)
{
    m_db.sql().setBusyTimeout(qMax(0, budgetMs));
    sqlite3_progress_handler(m_db.sql().getHandle(), kStepsBetweenChecks, &BoundedRead::progress, this);
}

BoundedRead::~BoundedRead()
{
    sqlite3_progress_handler(m_db.sql().getHandle(), 0, nullptr, nullptr);
}

int BoundedRead::progress(void* self)
{
    return static_cast<BoundedRead*>(self)->m_deadline.hasExpired() ? 1 : 0;
}

} // namespace varnox
