#pragma once

#include <QList>

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace varnox {

// The shared look of the entity pages: a title, the entity's fields on the
// left, the buttons "Neu", "Hinzufügen > > >", ... in a column in the middle,
// and the list of what exists on the right.
namespace PageLayout {

QLabel* titleLabel(QWidget* page);
QComboBox* combo(QWidget* page, const char* objectName);
QLineEdit* edit(QWidget* page, const char* objectName);
QPushButton* button(QWidget* page, const char* objectName);
QListWidget* list(QWidget* page, const char* objectName);

// A grid of labels in column 0 and their fields in column 1, which takes
// the width left over.
QGridLayout* grid(QWidget* parent = nullptr);

// Appends a row of a label (or check box) and its field to a grid; returns
// the row.
int addRow(QGridLayout* grid, QWidget* label, QWidget* field);

// The right-hand column: the list's caption, the list, and "Anzahl:" with the
// count, followed by `below` when given.
QLayout* listColumn(QLabel* caption, QListWidget* list, QLabel* countLabel, QLabel* count, QWidget* below = nullptr);

void arrange(QWidget* page, const QList<QWidget*>& header, QLayout* fields, const QList<QPushButton*>& buttons,
             QLayout* listColumn);

}  // namespace PageLayout
}  // namespace varnox
