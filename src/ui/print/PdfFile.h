#pragma once

#include "ui/print/LaidOutDocument.h"

class QWidget;

namespace varnox {

// "Als PDF speichern": asks for the file (named after the document), writes
// the document there and reports a file that cannot be written. False when
// nothing was saved.
bool saveAsPdf(QWidget* parent, const LaidOutDocument& document);

// For tests: the next file chosen, instead of asking. Without a queued file
// and without a person at the screen nothing is saved.
void queuePdfPath(const QString& path);

} // namespace varnox
