#pragma once

#include "ui/common/AppServices.h"

#include <QWidget>

namespace varnox {

// One page of the main window's tab strip. A page fills itself and forwards
// to the core; what it needs of the window around it (status bar text, the
// progress bar, the Save command) it asks for through signals.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(AppServices& services, QWidget* parent = nullptr) : QWidget(parent), m_services(services) {}

    // Run each time the page is selected in the tab strip.
    virtual void pageShown() {}

signals:
    void statusText(const QString& text);           // panel 2 of the status bar; empty clears it
    void progress(int value, int maximum);          // shows the progress bar; maximum 0 hides it
    void projectChanged();                          // a write succeeded: the Save command becomes available

protected:
    AppServices& services() const { return m_services; }

    // The shared pattern of refilling a list: "Liste wird aktualisiert...",
    // then "Daten laden:" with the bar, a step per row, the bar hidden again.
    void beginListLoad();
    void listLoadStep(int row, int rowCount);  // row counted from 1
    void endListLoad();

private:
    AppServices& m_services;
};

}  // namespace varnox
