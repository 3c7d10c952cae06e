#include "ui/pages/zones/ZoneWeekGrid.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace varnox {
namespace {

constexpr int kHeaderRows = 2;
constexpr int kColumnsPerPeriod = 3;  // start, end, a gap before the next period

int startColumn(int period) { return 1 + period * kColumnsPerPeriod; }

QLabel* centred(QWidget* parent, bool bold)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

ZoneWeekGrid::ZoneWeekGrid(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (int period = 0; period < kZonePeriods; ++period) {
        m_periodLabels[period] = centred(this, true);
        grid->addWidget(m_periodLabels[period], 0, startColumn(period), 1, 2);
        for (int side = 0; side < 2; ++side) {
            m_fromTo[period * 2 + side] = centred(this, false);
            grid->addWidget(m_fromTo[period * 2 + side], 1, startColumn(period) + side);
        }
        if (period + 1 < kZonePeriods)
            grid->setColumnMinimumWidth(startColumn(period) + 2, 20);
    }
    for (int day = 0; day < kZoneDays; ++day) {
        m_dayLabels[day] = new QLabel(this);
        m_dayLabels[day]->setContentsMargins(0, 0, 12, 0);
        grid->addWidget(m_dayLabels[day], kHeaderRows + day, 0);
        for (int period = 0; period < kZonePeriods; ++period) {
            for (const int number : {zoneStartList(period, day), zoneEndList(period, day)}) {
                auto* list = new QComboBox(this);
                list->setObjectName(zoneListName(number));
                list->setMaxVisibleItems(16);
                list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
                m_lists[number] = list;
                const int side = number == zoneStartList(period, day) ? 0 : 1;
                grid->addWidget(list, kHeaderRows + day, startColumn(period) + side);
            }
        }
    }
    grid->setColumnStretch(startColumn(kZonePeriods), 1);
    fillTimes();
}

void ZoneWeekGrid::fillTimes(const std::function<void(int)>& step)
{
    const QStringList starts = zoneStartChoices();
    const QStringList ends = zoneEndChoices();
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            for (const bool isStart : {true, false}) {
                const int number = isStart ? zoneStartList(period, day) : zoneEndList(period, day);
                QComboBox* list = m_lists[number];
                list->clear();
                list->addItems(isStart ? starts : ends);
                if (step)
                    step(number);
            }
        }
    }
}

void ZoneWeekGrid::clear()
{
    for (QComboBox* list : m_lists)
        list->setCurrentIndex(0);
}

ZoneForm ZoneWeekGrid::form() const
{
    ZoneForm form;
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            form.at(period, day) = {startMinutesAt(m_lists[zoneStartList(period, day)]->currentIndex()),
                                    endMinutesAt(m_lists[zoneEndList(period, day)]->currentIndex())};
        }
    }
    return form;
}

void ZoneWeekGrid::setForm(const ZoneForm& form)
{
    for (int period = 0; period < kZonePeriods; ++period) {
        for (int day = 0; day < kZoneDays; ++day) {
            const PeriodTimes& p = form.at(period, day);
            m_lists[zoneStartList(period, day)]->setCurrentIndex(startIndexOf(p.start));
            m_lists[zoneEndList(period, day)]->setCurrentIndex(p.start == kNoTime ? 0 : endIndexOf(p.end));
        }
    }
}

void ZoneWeekGrid::loadCaptions()
{
    for (int day = 0; day < kZoneDays; ++day)
        setCaption(m_dayLabels[day], weekdayName(day));
    for (int period = 0; period < kZonePeriods; ++period) {
        setCaption(m_periodLabels[period], periodName(period));
        setCaption(m_fromTo[period * 2], GetText(3005, "von:"));
        setCaption(m_fromTo[period * 2 + 1], GetText(3006, "bis:"));
    }
}

}  // namespace varnox
