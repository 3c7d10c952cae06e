#pragma once

#include <QMainWindow>
#include <functional>

namespace varnox {

// The one main window of the program.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);

    // Asked whenever the window is about to close, by whatever way; the
    // window stays open when it answers false.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> m_closeGuard;
};

}  // namespace varnox
