#pragma once

#include "core/lang/LanguageChoice.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace varnox {

// The small dialog in which the operator picks the interface language and
// says whether it should come up at every start. A double click on a
// language acts as OK.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    explicit LanguageDialog(const LanguageDialogState& state, QWidget* parent = nullptr);

    // The language selected and the check box, as they stand now.
    LanguageDialogState state() const;

private:
    void loadTexts();

    LanguageDialogState m_state;
    QListWidget* m_languages;
    QCheckBox* m_showAtStart;
    QPushButton* m_ok;
};

}  // namespace varnox
