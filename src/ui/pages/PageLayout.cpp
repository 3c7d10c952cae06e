#include "ui/pages/PageLayout.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox::PageLayout {
namespace {

template <typename W>
W* named(QWidget* page, const QString& objectName)
{
    auto* w = new W(page);
    w->setObjectName(objectName);
    return w;
}

}  // namespace

QLabel* title(QWidget* page)
{
    auto* title = new QLabel(page);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    title->setFont(font);
    title->setContentsMargins(0, 0, 0, 6);
    return title;
}

QComboBox* combo(QWidget* page, const char* objectName)
{
    auto* c = named<QComboBox>(page, QLatin1String(objectName));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(12);
    return c;
}

QLineEdit* edit(QWidget* page, const char* objectName) { return named<QLineEdit>(page, QLatin1String(objectName)); }
QPushButton* button(QWidget* page, const char* objectName)
{
    return named<QPushButton>(page, QLatin1String(objectName));
}

QListWidget* list(QWidget* page, const char* objectName)
{
    auto* l = named<QListWidget>(page, QLatin1String(objectName));
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

QVBoxLayout* listColumn(QLabel* caption, QWidget* list, const QList<QList<QWidget*>>& rows)
{
    const bool isList = qobject_cast<QListWidget*>(list) != nullptr;
    auto* column = new QVBoxLayout;
    column->addWidget(caption);
    column->addWidget(list, isList ? 1 : 0);
    for (const QList<QWidget*>& widgets : rows) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : widgets) {
            if (w)
                row->addWidget(w);
            else
                row->addStretch();
        }
        if (!widgets.contains(nullptr))
            row->addStretch();
        column->addLayout(row);
    }
    if (!isList)
        column->addStretch();
    return column;
}

QVBoxLayout* stack(QWidget* page, const QList<QWidget*>& header, QLayout* body, int bodyStretch)
{
    auto* top = new QVBoxLayout(page);
    for (QWidget* w : header)
        top->addWidget(w);
    top->addLayout(body, bodyStretch);
    return top;
}

EditButtons::EditButtons(QWidget* page, const QString& subject)
    : neu(named<QPushButton>(page, QStringLiteral("Cmd") + subject + QStringLiteral("Neu")))
    , add(named<QPushButton>(page, QStringLiteral("Cmd") + subject + QStringLiteral("Hin")))
    , change(named<QPushButton>(page, QStringLiteral("Cmd") + subject + QStringLiteral("Aend")))
    , remove(named<QPushButton>(page, QStringLiteral("Cmd") + subject + QStringLiteral("Ent")))
{
    for (QPushButton* b : {neu, add, change, remove})
        b->setMinimumWidth(170);
}

QBoxLayout* EditButtons::row(QLayout* form, QLayout* list, int listStretch, int formStretch) const
{
    // The buttons stand level with the first field of the form, below that field's label.
    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(neu->fontMetrics().height() + 8);
    for (QPushButton* b : {neu, add, change, remove})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QHBoxLayout;
    layout->addLayout(form, formStretch);
    layout->addSpacing(24);
    layout->addLayout(buttons);
    layout->addSpacing(24);
    layout->addLayout(list, listStretch);
    if (listStretch == 0)
        layout->addStretch();
    return layout;
}

void EditButtons::loadCaptions() const
{
    setCaption(neu, GetText(26, "Neu"));
    setCaption(add, GetText(3000, "Hinzufügen > > >"));
    setCaption(change, GetText(3001, "Änderungen übernehmen"));
    setCaption(remove, GetText(3002, "< < < Entfernen"));
}

void EditButtons::setEditing(bool editing) const
{
    add->setEnabled(!editing);
    for (QPushButton* b : {neu, change, remove})
        b->setEnabled(editing);
}

}  // namespace varnox::PageLayout
