#pragma once

namespace varnox {

class ProgramRun;

// The few menu items the bare main window carries until it gets its full
// menu bar: the general settings, the daily protocol and the way out, under
// their established names.
void addInterimMenu(ProgramRun& run);

}  // namespace varnox
