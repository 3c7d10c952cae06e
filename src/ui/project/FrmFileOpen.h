#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace varnox {

class ProjectCreator;
class ProjectOpener;

// The project dialog: the project files of the project folder, open, new
// project and cancel.
class FrmFileOpen : public QDialog {
    Q_OBJECT
public:
    FrmFileOpen(ProjectOpener& opener, ProjectCreator& creator, bool newProjectAllowed, QWidget* parent = nullptr);

public slots:
    void reject() override;

private:
    void open();
    void newProject();

    ProjectOpener& m_opener;
    ProjectCreator& m_creator;
    QLabel* m_label;
    QListWidget* m_files;
    QPushButton* m_open;
    QPushButton* m_new;
    QPushButton* m_cancel;
};

}  // namespace varnox
