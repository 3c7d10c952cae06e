#pragma once

#include <QString>
#include <optional>

namespace varnox {

class BusPorts;

// A function as the supervision sends it: its telegram and its bus line.
struct StoredFunction {
    QString protocol;
    int busLine = 0;
};

// The function of that name in the project at `workCopy`, looked up anew at
// every use: a function renamed or deleted since a setting named it is
// missed, never sent with the telegram it once had. Nothing for an empty
// name or a project that cannot be read.
std::optional<StoredFunction> findStoredFunction(const QString& workCopy, const QString& name);

// Looks the function up and sends it on its line; false when it is missing.
bool sendStoredFunction(BusPorts& ports, const QString& workCopy, const QString& name);

} // namespace varnox
