#pragma once

#include "core/reports/Document.h"

#include <QFont>

namespace varnox {

// Documents are laid out in twips: one pixel of these fonts is one twip
// (1/1440 inch), so a 12-point font is 240 pixels high whatever the device.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;

// The family a document names, or its metric twin (Liberation Serif for
// Times New Roman, Liberation Sans for Arial, Liberation Mono for Courier)
// where the twin is installed, so that the text runs as long as the
// documents were designed for.
QString printFamily(const QString& family);

// The font of a style, sized in twips, unhinted and without kerning so that it measures the same
// on the screen, on paper and in a PDF file.
QFont printFont(const TextStyle& style);

} // namespace varnox
