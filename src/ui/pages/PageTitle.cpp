#include "ui/pages/PageTitle.h"

#include <QLabel>

namespace varnox {

QLabel* makePageTitle(QWidget* page)
{
    auto* title = new QLabel(page);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    title->setFont(font);
    title->setContentsMargins(0, 0, 0, 6);
    return title;
}

}  // namespace varnox
