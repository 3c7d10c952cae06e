#include "ui/login/LoginLayout.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

void layOutLoginDialog(QDialog* dialog, QLabel* heading, const QList<std::pair<QLabel*, QWidget*>>& fields,
                       QPushButton* ok, QPushButton* cancel)
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [label, field] : fields) {
        label->setBuddy(field);
        field->setMinimumWidth(240);
        form->addRow(label, field);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(20, 16, 20, 16);
    if (heading) {
        QFont font = heading->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        heading->setFont(font);
        heading->setAlignment(Qt::AlignCenter);
        layout->addWidget(heading);
        layout->addSpacing(10);
    }
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    dialog->setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace varnox
