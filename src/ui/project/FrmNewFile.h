#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class ProjectCreator;

// The new-project dialog: a name, create and cancel.
class FrmNewFile : public QDialog {
    Q_OBJECT
public:
    // `atStart`: opened without any project, so that cancelling it offers
    // to end the program.
    FrmNewFile(ProjectCreator& creator, bool atStart, QWidget* parent = nullptr);

public slots:
    void reject() override;

private:
    void create();

    ProjectCreator& m_creator;
    bool m_atStart;
    QLabel* m_label;
    QLineEdit* m_name;
    QPushButton* m_create;
    QPushButton* m_cancel;
};

}  // namespace varnox
