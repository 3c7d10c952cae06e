#pragma once

#include "core/model/Reader.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace varnox {

// "Erweiterte Einstellungen des Lesers": shows the working extended settings
// and writes them back on "Speichern". They reach the reader's row only with
// the next create or change on the reader page.
class ReaderSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ReaderSettingsDialog(ReaderSettings& working, QWidget* parent = nullptr);

private:
    struct Switch {
        QLabel* label;
        QRadioButton* on;
        QRadioButton* off;
    };

    Switch addSwitch(const char* name, int row);
    void loadTexts();
    void showValues(const ReaderSettings& settings);
    void save();

    ReaderSettings& m_working;
    QGridLayout* m_grid;
    QLabel* m_relayLabel;
    QComboBox* m_relayTime;
    QLabel* m_seconds;
    Switch m_progSp;
    Switch m_toe;
    Switch m_akustik;
    QPushButton* m_standard;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

}  // namespace varnox
