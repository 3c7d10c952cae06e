#pragma once

#include "core/shell/Message.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace varnox {

// Page 2 "Zutrittsprofile": the access profiles of the project.
class ProfilePage : public Page {
    Q_OBJECT
public:
    explicit ProfilePage(AppServices& services, QWidget* parent = nullptr);

    // Fills the profile list and clears the form.
    void pageShown() override;

private:
    void buildLayout();
    void loadCaptions();
    void reloadList();
    void clearForm();
    void profileClicked(QListWidgetItem* item);
    void afterWrite(const Outcome& outcome);
    void createTestProfiles();
    QString workCopy() const;

    PageLayout::EditButtons m_buttons;
    QLabel* m_title;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_nameHint;
    QLabel* m_listLabel;
    QListWidget* m_list;
    QLabel* m_testLabel;
    QLineEdit* m_testCount;
    QPushButton* m_testButton;
    QString m_selected;  // the profile rename and delete act on
};

}  // namespace varnox
