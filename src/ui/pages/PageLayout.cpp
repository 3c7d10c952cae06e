#include "ui/pages/PageLayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox::PageLayout {
namespace {

template <typename W>
W* named(QWidget* page, const char* objectName)
{
    auto* w = new W(page);
    w->setObjectName(QLatin1String(objectName));
    return w;
}

}  // namespace

QLabel* titleLabel(QWidget* page)
{
    auto* label = new QLabel(page);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    return label;
}

QComboBox* combo(QWidget* page, const char* objectName)
{
    auto* c = named<QComboBox>(page, objectName);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(12);
    return c;
}

QLineEdit* edit(QWidget* page, const char* objectName) { return named<QLineEdit>(page, objectName); }
QPushButton* button(QWidget* page, const char* objectName) { return named<QPushButton>(page, objectName); }

QListWidget* list(QWidget* page, const char* objectName)
{
    auto* l = named<QListWidget>(page, objectName);
    l->setUniformItemSizes(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

QGridLayout* grid(QWidget* parent)
{
    auto* g = new QGridLayout(parent);
    g->setVerticalSpacing(8);
    g->setHorizontalSpacing(12);
    g->setColumnStretch(1, 1);
    return g;
}

int addRow(QGridLayout* grid, QWidget* label, QWidget* field)
{
    // An empty grid still counts one row.
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (auto* text = qobject_cast<QLabel*>(label))
        text->setBuddy(field);
    return row;
}

QLayout* listColumn(QLabel* caption, QListWidget* list, QLabel* countLabel, QLabel* count, QWidget* below)
{
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(count);
    countRow->addStretch();
    auto* column = new QVBoxLayout;
    column->addWidget(caption);
    column->addWidget(list, 1);
    column->addLayout(countRow);
    if (below)
        column->addWidget(below);
    return column;
}

void arrange(QWidget* page, const QList<QWidget*>& header, QLayout* fields, const QList<QPushButton*>& buttons,
             QLayout* listColumn)
{
    auto* fieldColumn = new QVBoxLayout;
    fieldColumn->addLayout(fields);
    fieldColumn->addStretch(1);

    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->setSpacing(8);
    buttonColumn->addSpacing(24);
    for (QPushButton* b : buttons)
        buttonColumn->addWidget(b);
    buttonColumn->addStretch(1);

    // Spacing between the columns only: nested layouts take the spacing of
    // their parent unless they have their own.
    auto* body = new QHBoxLayout;
    body->addLayout(fieldColumn, 3);
    body->addSpacing(24);
    body->addLayout(buttonColumn, 0);
    body->addSpacing(24);
    body->addLayout(listColumn, 2);

    auto* top = new QVBoxLayout(page);
    for (QWidget* w : header)
        top->addWidget(w);
    top->addSpacing(8);
    top->addLayout(body, 1);
}

}  // namespace varnox::PageLayout
