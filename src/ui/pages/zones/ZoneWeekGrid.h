#pragma once

#include "core/model/ZoneForm.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;

namespace varnox {

// The 56 time lists of the zone page laid out as a week: a row per weekday,
// for each of the four periods a start list ("von:") and an end list ("bis:").
// The lists keep their established numbering (period × 14 + weekday for the
// start, seven more for the end) in their objectNames `Combo2_<number>`.
class ZoneWeekGrid : public QWidget {
    Q_OBJECT
public:
    explicit ZoneWeekGrid(QWidget* parent = nullptr);

    QComboBox* list(int number) const { return m_lists[number]; }

    // Fills every list with its times; `step` is told after each list.
    void fillTimes(const std::function<void(int list)>& step = {});
    void clear();  // every list to "----------"
    ZoneForm form() const;
    void setForm(const ZoneForm& form);
    void loadCaptions();

private:
    std::array<QComboBox*, kZoneLists> m_lists{};
    std::array<QLabel*, kZoneDays> m_dayLabels{};
    std::array<QLabel*, kZonePeriods> m_periodLabels{};
    std::array<QLabel*, kZonePeriods * 2> m_fromTo{};
};

}  // namespace varnox
