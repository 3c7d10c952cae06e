#pragma once

namespace varnox {

class ProgramRun;

// Joins every menu item and toolbar button of the main window, and the
// monitor page's buttons, to what they do.
void connectMainActions(ProgramRun& run);

}  // namespace varnox
