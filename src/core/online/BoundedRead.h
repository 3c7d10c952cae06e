#pragma once

#include "core/project/Database.h"

#include <QDeadlineTimer>

namespace varnox {

// The work copy opened for reading within a time budget: a lock held by
// another program is waited for only that long, and a statement still
// running when the budget is spent (a slow or hanging disk) is interrupted.
// Either way the caller gets SQLite's exception, as for any other failure,
// instead of a program that waits.
class BoundedRead {
public:
    // Throws when there is no work copy (empty path) or it cannot be opened.
    BoundedRead(const QString& workCopy, int budgetMs);
    ~BoundedRead();
    BoundedRead(const BoundedRead&) = delete;
    BoundedRead& operator=(const BoundedRead&) = delete;

    Database& db() { return m_db; }

private:
    static int progress(void* self);

    QDeadlineTimer m_deadline;
    Database m_db;
};

} // namespace varnox
