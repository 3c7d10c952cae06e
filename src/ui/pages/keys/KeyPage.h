#pragma once

#include "core/model/KeyOperations.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace varnox {

// Page 6 "Schlüssel": the keys of the project, their names, profile links
// and fixed validity periods.
class KeyPage : public Page {
    Q_OBJECT
public:
    explicit KeyPage(AppServices& services, QWidget* parent = nullptr);

    // Selecting the page puts it into the state New.
    void pageShown() override;

    // For the desk reader: a learned number is taken only while the number
    // field is open (state New). The number is shown as received; when the
    // project already holds that key, its name, short name and profile are
    // shown too and the answer is true.
    bool acceptsLearnedKey() const;
    bool showLearnedKey(const QString& number);

protected:
    // Enter in a field of the form presses "Hinzufügen" or, for a loaded
    // key, "Änderungen übernehmen".
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void buildLayout();
    void setTabOrder();
    void loadCaptions();
    QString workCopy() const;
    bool projectOpen() const;

    void newState();
    void editState(bool hasProfile);
    void reloadProfiles();
    void reloadList();
    void showCount();
    void keyChosen(QListWidgetItem* item);
    void showKey(const KeyRecord& key);
    void showProfile(const QString& profile);
    void fixedPeriodToggled(bool on);
    void editPeriod();
    KeyForm form() const;
    void afterWrite(const WriteResult& result);
    void createTestKeys();

    PageLayout::EditButtons m_buttons;
    QLabel* m_title;
    QLabel* m_numberLabel;
    QLineEdit* m_number;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_nameHint;
    QLabel* m_shortLabel;
    QLineEdit* m_shortName;
    QLabel* m_profileLabel;
    QComboBox* m_profiles;
    QCheckBox* m_dropProfile;
    QCheckBox* m_fixedPeriod;
    QPushButton* m_editPeriod;
    QWidget* m_periodFrame;
    QLabel* m_startLabel;
    QLabel* m_start;
    QLabel* m_endLabel;
    QLabel* m_end;
    QLabel* m_listLabel;
    QListWidget* m_list;
    QLabel* m_legend;
    QLabel* m_countLabel;
    QLabel* m_count;
    QLabel* m_testLabel;
    QLineEdit* m_testCount;
    QPushButton* m_testButton;
};

}  // namespace varnox
