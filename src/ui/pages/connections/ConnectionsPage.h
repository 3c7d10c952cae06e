#pragma once

#include "ui/pages/Page.h"

#include <QList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace varnox {

// Page 7 "Verbindungen": which COM port each bus line's interface and the
// desk reader are on. List k (CmbComBus<k>, label LblComBus<k>) belongs to
// line k + 1; list 7 is the desk reader's. Position p of a list is COM p,
// position 0 "kein COM"; beside each port the page shows the device that
// [Ports] of VARNOXCF.INI maps it to.
class ConnectionsPage : public Page {
    Q_OBJECT
public:
    explicit ConnectionsPage(AppServices& services, QWidget* parent = nullptr);

    // The open project's work copy, asked at every read and save; the
    // session's unless told otherwise.
    void setWorkCopy(std::function<QString()> path) { m_workCopy = std::move(path); }
    void setConfigFile(const QString& path) { m_configPath = path; }

    // Selecting the page shows the assignment of the open project.
    void pageShown() override { ShowComAssignment(); }

    void FillComPortLists();
    void ShowComAssignment();  // when the page is opened
    void SaveComAssignment();  // CmdComSave

    QComboBox* list(int k) const { return m_lists.at(k); }

signals:
    // After a successful save, following projectChanged().
    void initPortsRequested();

private:
    void retranslate();

    QList<QLabel*> m_labels;
    QList<QComboBox*> m_lists;
    QPushButton* m_save = nullptr;
    std::function<QString()> m_workCopy;
    QString m_configPath;
};

}  // namespace varnox
