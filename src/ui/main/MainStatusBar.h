#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

namespace varnox {

// StatusBar1: panel 1 names the operating mode, panel 2 carries the texts
// of the pages ("Liste wird aktualisiert..."), and the progress bar beside
// it shows while a list loads.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setModeText(const QString& text);
    void setText(const QString& text);
    QString text() const;
    // Shows the bar at value of maximum; maximum 0 hides it.
    void setProgress(int value, int maximum);

private:
    QLabel* m_mode;
    QLabel* m_text;
    QProgressBar* m_bar;
};

}  // namespace varnox
