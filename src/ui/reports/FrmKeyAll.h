#pragma once

#include "ui/print/PreviewWindow.h"

class QPushButton;

namespace varnox {

struct AppServices;

// The print preview of the list of all registered keys of the open project,
// composed as the window opens; "Exportieren" copies the list to the clipboard.
class FrmKeyAll : public PreviewWindow {
    Q_OBJECT
public:
    explicit FrmKeyAll(AppServices& services, QWidget* parent = nullptr);

    void exportToClipboard();

protected:
    std::unique_ptr<DocumentSource> makeSource() override;

private:
    AppServices& m_services;
    QPushButton* m_export;
};

} // namespace varnox
