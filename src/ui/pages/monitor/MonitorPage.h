#pragma once

#include "ui/pages/Page.h"

class QAbstractItemModel;
class QLabel;
class QListView;
class QPushButton;
class QTreeView;

namespace varnox {

class MonitorList;

// Page 9 "Monitoring": the monitor list ListViewMon of decided key requests
// (filled by the evaluation of key requests), the reader telegrams that came
// in and wait for it (cboProtIn), and the buttons for the daily protocol.
class MonitorPage : public Page {
    Q_OBJECT
public:
    MonitorPage(AppServices& services, QAbstractItemModel& receivedTelegrams, QWidget* parent = nullptr);

    // The print button works on the enciphered protocol only: with
    // "Encrypt" = 0 it is disabled, checked each time the page is selected.
    void pageShown() override;

    // ListViewMon shows the evaluation's monitor list; while the page is
    // shown the newest entry is kept in view.
    void setMonitorList(MonitorList& entries);

    // CmdMon, and when the window is filled for a project.
    void clearMonitorList();

signals:
    void viewerRequested();  // CmdMonAnz
    void printRequested();  // CmdMonDru

private:
    void loadCaptions();
    void showNewest();

    QLabel* m_title;
    QLabel* m_monitorLabel;
    QTreeView* m_monitor;
    MonitorList* m_entries = nullptr;
    QLabel* m_receivedLabel;
    QListView* m_received;
    QPushButton* m_clear;
    QPushButton* m_show;
    QPushButton* m_print;
};

}  // namespace varnox
