#include "ui/reports/FrmKeyListPrint.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/print/PreviewView.h"

namespace varnox {

FrmKeyListPrint::FrmKeyListPrint(Document handover, QWidget* parent)
    : PreviewWindow("FrmKeyListPrint", parent)
    , m_handover(std::move(handover))
{
    varnox::loadCaptions(this, [this] {
        setCaption(this, GetText(498, "Übergabeprotokoll"));
        setAllPagesToolTip(GetText(941, "Druckt das gesamte Übergabeprotokoll"));
    });
    view()->setZoom(PreviewView::Zoom::WholePage);
    compose();
}

std::unique_ptr<DocumentSource> FrmKeyListPrint::makeSource()
{
    return std::make_unique<ComposedDocument>(m_handover);
}

} // namespace varnox
