#pragma once

#include <QList>
#include <utility>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace varnox {

// The shared look of the login and password dialogs: an optional heading,
// labelled fields one under the other, OK and cancel at the bottom right.
void layOutLoginDialog(QDialog* dialog, QLabel* heading, const QList<std::pair<QLabel*, QWidget*>>& fields,
                       QPushButton* ok, QPushButton* cancel);

}  // namespace varnox
