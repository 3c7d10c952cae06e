#include "ui/common/ComboTexts.h"

#include <QComboBox>

namespace varnox {

void setComboTexts(QComboBox* combo, const QStringList& texts)
{
    if (combo->count() != texts.size()) {
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(texts);
        combo->setCurrentIndex(-1);
        return;
    }
    for (int i = 0; i < texts.size(); ++i)
        combo->setItemText(i, texts[i]);
}

}  // namespace varnox
