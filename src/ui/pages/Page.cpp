#include "ui/pages/Page.h"

#include "core/lang/Texts.h"

namespace varnox {

namespace {
constexpr int kBarMaximum = 55;
}

void Page::beginListLoad()
{
    emit statusText(GetText(629, "Liste wird aktualisiert..."));
    emit statusText(GetText(159, "Daten laden:"));
    emit progress(0, kBarMaximum);
}

void Page::listLoadStep(int row, int rowCount)
{
    if (rowCount > 0)
        emit progress(row * kBarMaximum / rowCount, kBarMaximum);
}

void Page::endListLoad()
{
    emit progress(0, 0);
    emit statusText(QString());
}

}  // namespace varnox
