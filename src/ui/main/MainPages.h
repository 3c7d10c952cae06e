#pragma once

#include "core/shell/ModeTable.h"

#include <QTabWidget>
#include <array>

class QAbstractItemModel;

namespace varnox {

struct AppServices;
class ConnectionsPage;
class KeyPage;
class MonitorPage;
class Page;
class TransferPage;
class ZonePage;

// TabOne1: the ten pages of the main window in their established order.
class MainPages : public QTabWidget {
    Q_OBJECT
public:
    MainPages(AppServices& services, QAbstractItemModel& receivedTelegrams, QWidget* parent = nullptr);

    // The page behind tab `index`, if it is one that fills itself.
    Page* page(int index) const { return m_pages.at(size_t(index)); }
    ZonePage& zones() const { return *m_zones; }
    ConnectionsPage& connections() const { return *m_connections; }
    MonitorPage& monitor() const { return *m_monitor; }
    KeyPage& keys() const { return *m_keys; }
    TransferPage& transferPage() const { return *m_transferPage; }

    // What filling the window does to the pages: the choice lists that
    // depend on the project are filled afresh and the monitor list cleared.
    void fillForProject();

    void setAvailable(const std::array<bool, kPageCount>& available);
    // Selects a page; a page that was selected already is shown afresh.
    void select(int index);

    // A number learned at the desk reader goes to the key page, if this
    // mode offers it and no dialog is open: taken in the state New, else
    // refused with a message.
    void learnKey(const QString& number);

signals:
    void statusText(const QString& text);
    void progress(int value, int maximum);
    void projectChanged();
    void initPortsRequested();
    void viewerRequested();
    void printRequested();

private:
    void join(int index, Page* page);
    void loadTexts();

    ZonePage* m_zones;
    ConnectionsPage* m_connections;
    MonitorPage* m_monitor;
    KeyPage* m_keys;
    TransferPage* m_transferPage;
    std::array<Page*, kPageCount> m_pages{};
};

}  // namespace varnox
