#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace varnox {

class Supervision;

// What the supervision settings windows are made of.
namespace SupervisionWidgets {

QComboBox* combo(const char* objectName);
QLineEdit* edit(const char* objectName);
QCheckBox* checkBox(const char* objectName);
// A button that Enter in a field never presses: the address field of the
// backup PC takes Enter for its own check.
QPushButton* button(const char* objectName);

// A label in column 0, the field in column 1 and, when given, a unit after it.
void addRow(QGridLayout* grid, QLabel* label, QWidget* field, QWidget* unit = nullptr);

// Lists of numbers and of names with nothing chosen; the stored value shown
// when it is among them; what is chosen (0 or empty for nothing).
void fillNumbers(QComboBox* combo, const QList<int>& choices);
void showNumber(QComboBox* combo, int stored);
int chosenNumber(const QComboBox* combo);
void fillNames(QComboBox* combo, const QStringList& names);
void showName(QComboBox* combo, const QString& stored);
QString chosenName(const QComboBox* combo);

// The names of the project's functions; empty when they cannot be read.
QStringList functionNames(const QString& workCopy);

} // namespace SupervisionWidgets
} // namespace varnox
