#pragma once

#include "core/reports/Document.h"

namespace varnox {

// The columns of a table format such as "^+1200|+5600|^+2200;": one column
// per "|"-separated part, its width in twips, "^" centres it, ">" aligns it
// right ("<" and "+" are taken and change nothing: cells always wrap). A
// part without a width gives no column.
QList<TableColumn> parseTableFormat(const QString& format);

} // namespace varnox
