#pragma once

#include <QString>
#include <QStringList>

namespace varnox {

// A header or footer in the three-part notation: the text before the first
// "|" stands on the left, the text between the bars in the middle, the text
// after the second bar on the right; "%d" is the page number. Each part may
// run over several lines ("\r\n").
struct ThreeParts {
    QStringList left;
    QStringList centre;
    QStringList right;
};
ThreeParts splitThreeParts(const QString& text, int page);

// Page numbers come in two passes: the document is composed with a footer
// that does not know the page count yet, then numbered with the count.
QString firstPassFooter(); // "|Seite %d von ??|"
QString numberedFooter(int pageCount); // "||Seite %d von <count>"

// The previews' page label, "Seite n von m".
QString pageLabel(int page, int pageCount);

} // namespace varnox
