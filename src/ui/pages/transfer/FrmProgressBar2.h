#pragma once

#include "core/bus/transfer/HandheldWalk.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;

namespace varnox {

// FrmProgressBar2, "Daten zum PDA": walks through the readers of the left
// list once it is shown and moves each to the right list. Closing it stops
// the walk where it is; the lists are the page's, and the next refresh
// shows the readers' flags again, which the walk never touches.
class FrmProgressBar2 : public QDialog {
    Q_OBJECT
public:
    FrmProgressBar2(QListWidget& waiting, QListWidget& current, QWidget* parent = nullptr);

signals:
    // Every reader was handed over; the window has closed.
    void walkFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget& m_waiting;
    QListWidget& m_current;
    QLabel* m_reader;
    QProgressBar* m_readerBar;
    QLabel* m_overallLabel;
    QProgressBar* m_overallBar;
    HandheldWalk m_walk;
    TimerDriver m_timer;
};

} // namespace varnox
