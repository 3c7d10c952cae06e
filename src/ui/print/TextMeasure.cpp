#include "ui/print/TextMeasure.h"

namespace varnox {

TextMeasure::TextMeasure(const QFont& font)
    : m_metrics(font)
{
    m_advances.fill(-1);
}

double TextMeasure::width(QStringView text) const
{
    double sum = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= kCached)
            return m_metrics.horizontalAdvance(text.toString());
        if (m_advances[u] < 0)
            m_advances[u] = m_metrics.horizontalAdvance(c);
        sum += m_advances[u];
    }
    return sum;
}

} // namespace varnox
