#pragma once

#include <QFontMetricsF>

#include <array>

namespace varnox {

// The width of text in a print font, fast: the advances of the characters
// of the Latin scripts are measured once and added up (print fonts do not
// kern, so that is the width they are drawn with); any other text is
// measured whole.
class TextMeasure {
public:
    explicit TextMeasure(const QFont& font);

    double width(QStringView text) const;
    const QFontMetricsF& metrics() const { return m_metrics; }

private:
    static constexpr char16_t kCached = 0x250; // up to the end of Latin Extended-B

    QFontMetricsF m_metrics;
    mutable std::array<double, kCached> m_advances;
};

} // namespace varnox
