#pragma once

class QLabel;
class QWidget;

namespace varnox {

// The heading at the top of a page ("Verwaltung der ..."), set by the page's captions.
QLabel* makePageTitle(QWidget* page);

}  // namespace varnox
