#pragma once

#include "core/reports/Document.h"
#include "ui/print/PreviewWindow.h"

namespace varnox {

// The print preview of one key's handover protocol.
class FrmKeyListPrint : public PreviewWindow {
    Q_OBJECT
public:
    explicit FrmKeyListPrint(Document handover, QWidget* parent = nullptr);

protected:
    std::unique_ptr<DocumentSource> makeSource() override;

private:
    Document m_handover;
};

} // namespace varnox
