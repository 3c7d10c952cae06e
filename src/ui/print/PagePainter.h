#pragma once

#include "ui/print/LaidOutDocument.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace varnox {

// Paints page `index` (from 0) with its header and footer. The painter's
// coordinates are twips from the sheet's corner.
void paintPage(QPainter& painter, const LaidOutDocument& document, int index);

// Paints pages `first` to `last` onto a printer or a PDF writer, one sheet
// each, set up for the document's paper. `pagePainted` (may be empty) hears
// of every page. False when the device cannot be painted on.
bool paintPages(const LaidOutDocument& document, QPagedPaintDevice& device, int first, int last,
    const std::function<void(int)>& pagePainted = {});

// The whole document as a PDF file at `path`, written whole or not at all;
// the reason in `error` when it cannot be written.
bool writePdf(const LaidOutDocument& document, const QString& path, QString* error = nullptr);

} // namespace varnox
