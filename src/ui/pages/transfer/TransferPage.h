#pragma once

#include "core/bus/transfer/TransferLists.h"
#include "ui/pages/Page.h"

#include <QPointer>

class QLabel;
class QListWidget;
class QPushButton;

namespace varnox {

class DataTransfer;
class FrmProgressBar;

// Page 8 "Datenübertragung": the readers that wait for their data
// (ListViewDat1) and those that have it (ListViewDat2); "Daten übertragen"
// sends the chosen reader its data over its bus line, "Leser zurücksetzen"
// offers a reader again, "Daten zum PDA" hands the waiting readers to the
// handheld. Readers are listed by name and found by serial number.
class TransferPage : public Page {
    Q_OBJECT
public:
    explicit TransferPage(AppServices& services, QWidget* parent = nullptr);

    // The transfer the page starts; the main window owns it.
    void setTransfer(DataTransfer& transfer);

    // Selecting the page fills both lists.
    void pageShown() override { refreshLists(); }
    void refreshLists();

    // The readers still listed as waiting, for the exit question.
    int waitingCount() const;

    void startTransfer(); // CmdDatBtn
    void resetReader(); // CmdDatBtnBack
    void toHandheld(); // "Daten zum PDA"

private:
    void loadCaptions();
    QString workCopy() const;
    static TransferListEntry chosen(const QListWidget* list);
    void transferEnded();

    QLabel* m_title;
    QLabel* m_waitingLabel;
    QListWidget* m_waiting;
    QLabel* m_currentLabel;
    QListWidget* m_current;
    QPushButton* m_transferButton;
    QPushButton* m_resetButton;
    QPushButton* m_handheldButton;
    DataTransfer* m_transfer = nullptr;
    QPointer<FrmProgressBar> m_progress;
};

} // namespace varnox
