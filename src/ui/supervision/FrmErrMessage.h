#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace varnox {

// "Verbindungsfehler": the network watchdog's failure message, shown without
// blocking the program. OK counts the silence afresh.
class FrmErrMessage : public QDialog {
    Q_OBJECT
public:
    explicit FrmErrMessage(QWidget* parent = nullptr);

    void showText(const QString& text);
    QString text() const;

signals:
    void acknowledged();

private:
    QLabel* lblMessage;
    QPushButton* OkButton;
};

} // namespace varnox
