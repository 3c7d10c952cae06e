#pragma once

#include <QString>

namespace varnox {

// The caption of a page of the tab strip (0 "Willkommen" .. 9 "Monitoring");
// the menu items and toolbar tips that lead to a page say the same.
QString pageCaption(int index);

}  // namespace varnox
