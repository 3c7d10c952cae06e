#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace varnox {

// FrmProgressBar: the modal window while a reader receives its data. It
// shows the reader and how many bytes of its image are through; closing it
// (or "Abbrechen") stops the transfer.
class FrmProgressBar : public QDialog {
    Q_OBJECT
public:
    FrmProgressBar(const QString& readerName, QWidget* parent = nullptr);

    void setProgress(int value, int maximum);
    QProgressBar* bar() const { return m_bar; }

private:
    QLabel* m_reader;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

} // namespace varnox
