#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnox {

class ProjectCreator;

// Saving the open project under a new name: the existing project files, the
// new name, save and cancel.
class FrmFileSaveAs : public QDialog {
    Q_OBJECT
public:
    explicit FrmFileSaveAs(ProjectCreator& creator, QWidget* parent = nullptr);

private:
    void save();

    ProjectCreator& m_creator;
    QLabel* m_filesLabel;
    QListWidget* m_files;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

}  // namespace varnox
