#pragma once

#include "core/model/Function.h"

namespace varnox {

class Database;

// The operations of the function page. Each opens the project file at
// `path`, does its work and closes it again; checks stop at the first failure.
class FunctionOperations {
public:
    explicit FunctionOperations(QString path) : m_path(std::move(path)) {}

    Outcome create(const FunctionForm& form) const;
    // Changes the function named `selected` (the name last clicked in the list).
    Outcome change(const QString& selected, const FunctionForm& form) const;
    Outcome remove(const QString& selected) const;

    // A stored function as far as it can be shown; a function that lost its
    // reader or does not fit its kind comes back with its warning.
    Outcome show(const QString& name, FunctionView& out) const;

    // Every function name, in the order of the table.
    Outcome list(QStringList& out) const;

    // The entry checks of create and change, in their order.
    static std::optional<Message> check(const FunctionForm& form);

private:
    QString m_path;
};

}  // namespace varnox
