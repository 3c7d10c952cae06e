#pragma once

class QWidget;

namespace varnox {

struct AppServices;

// The menu "Drucken" beyond the daily protocol: "Schlüsselzuordnung" (the
// readers of a key and its handover protocol) and "Komplette Schlüsselliste"
// (the print preview of all keys). Both need an open project.
void openKeyAssignment(AppServices& services, QWidget* parent);
void openKeyList(AppServices& services, QWidget* parent);

} // namespace varnox
