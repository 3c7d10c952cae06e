#pragma once

#include "core/model/Reader.h"
#include "core/shell/Message.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace varnox {

// Page 1 "Leser": the readers of the project, their list on the right, the
// selected or new reader on the left.
class ReadersPage : public Page {
    Q_OBJECT
public:
    enum class State { New, Edit };

    explicit ReadersPage(AppServices& services, QWidget* parent = nullptr);

    // Clears the page for a new reader and reloads the reader list.
    void pageShown() override;

    State state() const { return m_state; }
    const ReaderSettings& workingSettings() const { return m_settings; }

private:
    void buildControls();
    void buildLayout();
    void loadTexts();

    void clearPage();
    void reloadList();
    void loadReader(const QString& serial);
    void showModeFields();
    void updateLocks();
    void fillAddresses(int busLine, int ownAddress);

    void busLineChosen(int position);
    void typeChosen(int position);
    void add();
    void applyChanges();
    void removeReader();
    void openSettings();
    void afterWrite(const Outcome& outcome);

    ReaderForm form() const;
    QString projectPath() const;

    State m_state = State::New;
    ReaderSettings m_settings;
    QString m_serial;  // the serial number of the reader in Edit

    QLabel* m_title;
    QLabel* m_typeLabel;
    QComboBox* m_type;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_serialLabel;
    QLineEdit* m_serialEdit;
    QCheckBox* m_newSerialCheck;
    QLineEdit* m_newSerial;
    QLabel* m_busLabel;
    QComboBox* m_busLine;
    QLabel* m_addressLabel;
    QComboBox* m_address;
    QGroupBox* m_modeFrame;
    QRadioButton* m_central;
    QRadioButton* m_decentral;
    QRadioButton* m_noMode;
    QButtonGroup* m_modes;
    QLabel* m_functionLabel;
    QComboBox* m_function;
    QLabel* m_timeLabel;
    QComboBox* m_timeRecording;
    QPushButton* m_settingsButton;
    std::optional<PageLayout::EditButtons> m_buttons;  // made in their place in the tab order
    QLabel* m_listLabel;
    QListWidget* m_list;
    QLabel* m_countLabel;
    QLabel* m_count;
    QLabel* m_legend;
};

}  // namespace varnox
