#pragma once

#include "core/online/DayLoader.h"

#include <QDialog>
#include <QSet>

class QCalendarWidget;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnox {

class DailyProtocol;

// The protocol viewer: a calendar with the days that have a file in bold,
// the day's entries in a list (enciphered protocol) or as plain text, two
// filters, and an export to the clipboard. Entries whose record is not sound
// stand out in red with what is wrong with them.
class FrmLogAnz : public QDialog {
    Q_OBJECT
public:
    explicit FrmLogAnz(DailyProtocol& protocol, QWidget* parent = nullptr);

    // Loads the day as choosing it in the calendar and pressing CmdLoad does.
    void loadDay(const QDate& day);
    bool loading() const;

private:
    void build();
    QWidget* buildButtons();
    void loadCaptions();
    void markDaysWithFile(int year, int month);
    void dayChosen(const QDate& day);
    void load();
    void loadStep();
    void loadEnded();
    void stop();
    void exportToClipboard();
    void appendEntries();
    QTreeWidgetItem* itemFor(const ListedEntry& entry) const;
    QList<ListedEntry> shownEntries() const;
    QDate dayToExport() const;

    DailyProtocol& m_protocol;
    DayLoader m_loader;
    QTimer* m_loadTimer = nullptr;
    qsizetype m_shown = 0;  // entries of the loader already in the list
    QDate m_loadedDay;
    QSet<QDate> m_boldDays;

    QCalendarWidget* MonthView1 = nullptr;
    QStackedWidget* m_pages = nullptr;
    QTreeWidget* ListViewMon = nullptr;
    QPlainTextEdit* txtLogAnz = nullptr;
    QGroupBox* FrSearch = nullptr;
    QLineEdit* TxtEntryWithThis = nullptr;
    QLineEdit* TxtEntryWithoutThis = nullptr;
    QProgressBar* ProgBarDatLoad = nullptr;
    QPushButton* CmdLoad = nullptr;
    QPushButton* CmdSearch = nullptr;
    QPushButton* CmdStop = nullptr;
    QPushButton* CmdExport = nullptr;
    QPushButton* CmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace varnox
