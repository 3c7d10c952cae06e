#pragma once

#include <QStringList>

class QComboBox;

namespace varnox {

// Puts `texts` into a fixed choice list; when the list already holds as many
// entries, only their texts change, so that a language change keeps the choice.
void setComboTexts(QComboBox* combo, const QStringList& texts);

}  // namespace varnox
