#include "ui/supervision/SupervisionWidgets.h"

#include "core/model/FunctionOperations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace varnox::SupervisionWidgets {

QComboBox* combo(const char* objectName)
{
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(objectName));
    c->setMinimumWidth(80);
    return c;
}

QLineEdit* edit(const char* objectName)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(objectName));
    return e;
}

QCheckBox* checkBox(const char* objectName)
{
    auto* c = new QCheckBox;
    c->setObjectName(QString::fromLatin1(objectName));
    return c;
}

QPushButton* button(const char* objectName)
{
    auto* b = new QPushButton;
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void addRow(QGridLayout* grid, QLabel* label, QWidget* field, QWidget* unit)
{
    const int row = grid->rowCount();
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (unit)
        grid->addWidget(unit, row, 2);
}

void fillNumbers(QComboBox* combo, const QList<int>& choices)
{
    combo->clear();
    for (const int n : choices)
        combo->addItem(QString::number(n), n);
    combo->setCurrentIndex(-1);
}

void showNumber(QComboBox* combo, int stored)
{
    combo->setCurrentIndex(combo->findData(stored));
}

int chosenNumber(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

void fillNames(QComboBox* combo, const QStringList& names)
{
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(-1);
}

// Names compare as the project compares them, without regard to case.
void showName(QComboBox* combo, const QString& stored)
{
    combo->setCurrentIndex(stored.isEmpty() ? -1 : combo->findText(stored, Qt::MatchFixedString));
}

QString chosenName(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

QStringList functionNames(const QString& workCopy)
{
    QStringList names;
    FunctionOperations(workCopy).list(names);
    return names;
}

} // namespace varnox::SupervisionWidgets
