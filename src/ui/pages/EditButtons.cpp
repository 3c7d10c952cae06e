#include "ui/pages/EditButtons.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {
namespace {

QPushButton* button(QWidget* page, const QString& name)
{
    auto* b = new QPushButton(page);
    b->setObjectName(name);
    b->setMinimumWidth(170);
    return b;
}

}  // namespace

EditButtons::EditButtons(QWidget* page, const QString& subject)
    : neu(button(page, QStringLiteral("Cmd") + subject + QStringLiteral("Neu")))
    , add(button(page, QStringLiteral("Cmd") + subject + QStringLiteral("Hin")))
    , change(button(page, QStringLiteral("Cmd") + subject + QStringLiteral("Aend")))
    , remove(button(page, QStringLiteral("Cmd") + subject + QStringLiteral("Ent")))
{
}

QBoxLayout* EditButtons::column() const
{
    // Level with the first field of the form beside it, below that field's label.
    auto* layout = new QVBoxLayout;
    layout->addSpacing(neu->fontMetrics().height() + 8);
    for (QPushButton* b : {neu, add, change, remove})
        layout->addWidget(b);
    layout->addStretch();
    return layout;
}

QBoxLayout* EditButtons::row(QLayout* form, QLayout* list, int listStretch) const
{
    auto* layout = new QHBoxLayout;
    layout->addLayout(form);
    layout->addSpacing(24);
    layout->addLayout(column());
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

}  // namespace varnox
