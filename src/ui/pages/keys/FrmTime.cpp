#include "ui/pages/keys/FrmTime.h"

#include "core/lang/Texts.h"
#include "core/model/ValidityText.h"
#include "core/shell/Clock.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimeEdit>

namespace varnox {
namespace {

const QString kTimeFormat = QStringLiteral("HH:mm");
constexpr int kPickerWidth = 130;

template <typename W>
W* named(QWidget* parent, const QString& name)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

// The pickers form one array, DTPicker0 to DTPicker5.
QDateEdit* datePicker(QWidget* parent, int index)
{
    auto* picker = named<QDateEdit>(parent, QStringLiteral("DTPicker%1").arg(index));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(validityDateFormat());
    picker->setMinimumWidth(kPickerWidth);
    return picker;
}

QTimeEdit* timePicker(QWidget* parent, int index)
{
    auto* picker = named<QTimeEdit>(parent, QStringLiteral("DTPicker%1").arg(index));
    picker->setDisplayFormat(kTimeFormat);
    picker->setMinimumWidth(kPickerWidth);
    return picker;
}

QTime toMinute(const QTime& t) { return QTime(t.hour(), t.minute()); }

// Labels in frames of their own, as wide as the widest, so that the fields
// beside them line up in whatever language.
void alignLabels(std::initializer_list<QLabel*> labels)
{
    int width = 0;
    for (QLabel* label : labels) {
        label->setMinimumWidth(0);
        width = std::max(width, label->sizeHint().width());
    }
    for (QLabel* label : labels)
        label->setMinimumWidth(width);
}

}  // namespace

FrmTime::FrmTime(const QString& workCopy, const Clock& clock, bool fixedPeriod, const QString& startText,
                 const QString& endText, QWidget* parent)
    : QDialog(parent), m_workCopy(workCopy), m_clock(clock)
{
    setObjectName(QStringLiteral("FrmTime"));
    createControls();
    buildLayout();
    varnox::loadCaptions(this, [this] { loadCaptions(); });

    connect(m_now, &QPushButton::clicked, this, &FrmTime::now);
    connect(m_save, &QPushButton::clicked, this, &FrmTime::takeOver);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_saveDefaults, &QPushButton::clicked, this, &FrmTime::saveDefaults);
    for (QCheckBox* box : {m_defaultStartOn, m_defaultEndOn, m_endDaysOn})
        connect(box, &QCheckBox::toggled, this, &FrmTime::enableDefaults);
    connect(m_endDaysScroll, &QScrollBar::valueChanged, this,
            [this](int days) { m_endDays->setText(QString::number(days)); });
    connect(m_endDays, &QLineEdit::textEdited, this, [this](const QString& text) { m_endDaysScroll->setValue(text.toInt()); });

    ValidityDefaults defaults;
    MessageBox::showOutcome(this, readValidityDefaults(m_workCopy, defaults));
    showDefaults(defaults);
    showPeriod(initialPeriod(defaults, fixedPeriod, startText, endText, m_clock));
}

void FrmTime::createControls()
{
    m_tabs = named<QTabWidget>(this, QStringLiteral("TabOne1"));
    m_periodTab = new QWidget;
    m_defaultsTab = new QWidget;
    m_tabs->addTab(m_periodTab, QString());
    m_tabs->addTab(m_defaultsTab, QString());

    m_startFrame = named<QGroupBox>(m_periodTab, QStringLiteral("FrStart"));
    m_endFrame = named<QGroupBox>(m_periodTab, QStringLiteral("FrEnde"));
    m_startDateLabel = new QLabel(m_startFrame);
    m_startTimeLabel = new QLabel(m_startFrame);
    m_endDateLabel = new QLabel(m_endFrame);
    m_endTimeLabel = new QLabel(m_endFrame);
    m_startDate = datePicker(m_startFrame, 0);
    m_startTime = timePicker(m_startFrame, 1);
    m_endDate = datePicker(m_endFrame, 2);
    m_endTime = timePicker(m_endFrame, 3);
    m_now = named<QPushButton>(m_startFrame, QStringLiteral("cmdNow"));
    m_save = named<QPushButton>(m_periodTab, QStringLiteral("CmdTimeSave"));
    m_save->setDefault(true);
    m_cancel = named<QPushButton>(m_periodTab, QStringLiteral("cmdTimeCancel"));

    m_defaultStartFrame = named<QGroupBox>(m_defaultsTab, QStringLiteral("FrDefaultStart"));
    m_defaultEndFrame = named<QGroupBox>(m_defaultsTab, QStringLiteral("FrDefaultEnde"));
    m_defaultStartOn = named<QCheckBox>(m_defaultStartFrame, QStringLiteral("chkTime0"));
    m_defaultEndOn = named<QCheckBox>(m_defaultEndFrame, QStringLiteral("chkTime1"));
    m_endDaysOn = named<QCheckBox>(m_defaultEndFrame, QStringLiteral("chkTime2"));
    m_defaultStartLabel = new QLabel(m_defaultStartFrame);
    m_defaultEndLabel = new QLabel(m_defaultEndFrame);
    m_endDaysLabel = new QLabel(m_defaultEndFrame);
    m_defaultStart = timePicker(m_defaultStartFrame, 4);
    m_defaultEnd = timePicker(m_defaultEndFrame, 5);
    m_endDays = named<QLineEdit>(m_defaultEndFrame, QStringLiteral("TextTime"));
    m_endDays->setValidator(new QIntValidator(0, kMaxValidityDays, m_endDays));
    m_endDays->setMaximumWidth(60);
    m_endDays->setAlignment(Qt::AlignRight);
    m_endDaysScroll = named<QScrollBar>(m_defaultEndFrame, QStringLiteral("VScroll1"));
    m_endDaysScroll->setOrientation(Qt::Vertical);
    m_endDaysScroll->setRange(0, kMaxValidityDays);
    // The upper arrow counts up, the lower one down.
    m_endDaysScroll->setInvertedAppearance(true);
    m_endDaysScroll->setInvertedControls(false);
    m_endDaysScroll->setFixedHeight(m_endDays->sizeHint().height());
    m_saveDefaults = named<QPushButton>(m_defaultsTab, QStringLiteral("cmdDefaultSave"));
}

void FrmTime::buildLayout()
{
    auto* start = new QGridLayout(m_startFrame);
    start->addWidget(m_startDateLabel, 0, 0);
    start->addWidget(m_startDate, 0, 1);
    start->addWidget(m_startTimeLabel, 1, 0);
    start->addWidget(m_startTime, 1, 1);
    start->addWidget(m_now, 0, 2, 2, 1, Qt::AlignCenter);
    start->setColumnStretch(3, 1);
    auto* end = new QGridLayout(m_endFrame);
    end->addWidget(m_endDateLabel, 0, 0);
    end->addWidget(m_endDate, 0, 1);
    end->addWidget(m_endTimeLabel, 1, 0);
    end->addWidget(m_endTime, 1, 1);
    end->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* periodTab = new QVBoxLayout(m_periodTab);
    periodTab->addWidget(m_startFrame);
    periodTab->addWidget(m_endFrame);
    periodTab->addStretch();
    periodTab->addLayout(buttons);

    auto* defaultStart = new QGridLayout(m_defaultStartFrame);
    defaultStart->addWidget(m_defaultStartOn, 0, 0, 1, 3);
    defaultStart->addWidget(m_defaultStartLabel, 1, 0);
    defaultStart->addWidget(m_defaultStart, 1, 1);
    defaultStart->setColumnStretch(2, 1);
    auto* days = new QHBoxLayout;
    days->setSpacing(0);
    days->addWidget(m_endDays);
    days->addWidget(m_endDaysScroll);
    auto* defaultEnd = new QGridLayout(m_defaultEndFrame);
    defaultEnd->addWidget(m_defaultEndOn, 0, 0, 1, 3);
    defaultEnd->addWidget(m_defaultEndLabel, 1, 0);
    defaultEnd->addWidget(m_defaultEnd, 1, 1);
    defaultEnd->addWidget(m_endDaysOn, 2, 0, 1, 3);
    defaultEnd->addWidget(m_endDaysLabel, 3, 0);
    defaultEnd->addLayout(days, 3, 1, Qt::AlignLeft);
    defaultEnd->setColumnStretch(2, 1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(m_saveDefaults);
    auto* defaultsTab = new QVBoxLayout(m_defaultsTab);
    defaultsTab->addWidget(m_defaultStartFrame);
    defaultsTab->addWidget(m_defaultEndFrame);
    defaultsTab->addStretch();
    defaultsTab->addLayout(saveRow);

    auto* dialog = new QVBoxLayout(this);
    dialog->addWidget(m_tabs);
}

void FrmTime::loadCaptions()
{
    setCaption(this, GetText(3220, "Bearbeiten der Gültigkeit"));
    m_tabs->setTabText(0, GetText(3221, "Gültigkeit"));
    m_tabs->setTabText(1, GetText(3222, "Standardwerte"));
    for (QGroupBox* frame : {m_startFrame, m_defaultStartFrame})
        setCaption(frame, GetText(3223, "Beginn der Gültigkeit"));
    for (QGroupBox* frame : {m_endFrame, m_defaultEndFrame})
        setCaption(frame, GetText(3224, "Ende der Gültigkeit"));
    setCaption(m_startDateLabel, GetText(3225, "Startdatum:"));
    setCaption(m_startTimeLabel, GetText(3226, "Startzeit:"));
    setCaption(m_endDateLabel, GetText(3227, "Enddatum:"));
    setCaption(m_endTimeLabel, GetText(3228, "Endzeit:"));
    setCaption(m_now, GetText(3229, "Jetzt!"));
    setCaption(m_save, GetText(3230, "Übernehmen"));
    setCaption(m_cancel, GetText(11, "Abbrechen"));
    setCaption(m_defaultStartOn, GetText(3231, "Standardstartzeit übernehmen"));
    setCaption(m_defaultEndOn, GetText(3232, "Standardendzeit übernehmen"));
    setCaption(m_endDaysOn, GetText(3233, "Automatische Erzeugung des Enddatums"));
    for (QLabel* label : {m_defaultStartLabel, m_defaultEndLabel})
        setCaption(label, GetText(3235, "Uhrzeit:"));
    setCaption(m_endDaysLabel, GetText(3234, "Tage nach dem Startdatum:"));
    setCaption(m_saveDefaults, GetText(10, "Speichern"));
    alignLabels({m_startDateLabel, m_startTimeLabel, m_endDateLabel, m_endTimeLabel});
    alignLabels({m_defaultStartLabel, m_defaultEndLabel, m_endDaysLabel});
}

void FrmTime::showPeriod(const ValidityPeriod& period)
{
    m_startDate->setDate(period.start.date());
    m_startTime->setTime(toMinute(period.start.time()));
    m_endDate->setDate(period.end.date());
    m_endTime->setTime(toMinute(period.end.time()));
}

void FrmTime::showDefaults(const ValidityDefaults& d)
{
    m_defaultStartOn->setChecked(d.startTimeOn);
    m_defaultStart->setTime(d.startTime);
    m_defaultEndOn->setChecked(d.endTimeOn);
    m_defaultEnd->setTime(d.endTime);
    m_endDaysOn->setChecked(d.endDaysOn);
    m_endDaysScroll->setValue(d.endDays);
    m_endDays->setText(QString::number(d.endDays));
    enableDefaults();
}

ValidityDefaults FrmTime::shownDefaults() const
{
    return ValidityDefaults{m_defaultStartOn->isChecked(), toMinute(m_defaultStart->time()),
                            m_defaultEndOn->isChecked(),   toMinute(m_defaultEnd->time()),
                            m_endDaysOn->isChecked(),      std::clamp(m_endDays->text().toInt(), 0, kMaxValidityDays)};
}

void FrmTime::enableDefaults()
{
    m_defaultStart->setEnabled(m_defaultStartOn->isChecked());
    m_defaultEnd->setEnabled(m_defaultEndOn->isChecked());
    m_endDays->setEnabled(m_endDaysOn->isChecked());
    m_endDaysScroll->setEnabled(m_endDaysOn->isChecked());
}

void FrmTime::now()
{
    const QDateTime now = m_clock.now();
    m_startDate->setDate(now.date());
    m_startTime->setTime(toMinute(now.time()));
}

void FrmTime::takeOver()
{
    PickedPeriod picked{m_startDate->date(), toMinute(m_startTime->time()), m_endDate->date(),
                        toMinute(m_endTime->time())};
    ValidityPeriod period;
    const Outcome outcome = takeOverPeriod(picked, m_clock, period);
    if (!outcome) {
        // A skipped time comes back moved; the pickers show what was refused.
        m_startDate->setDate(picked.startDate);
        m_startTime->setTime(picked.startTime);
        m_endDate->setDate(picked.endDate);
        m_endTime->setTime(picked.endTime);
        m_tabs->setCurrentIndex(0);
        MessageBox::showOutcome(this, outcome);
        return;
    }
    m_startText = validityText(period.start);
    m_endText = validityText(period.end);
    accept();
}

void FrmTime::saveDefaults()
{
    if (MessageBox::showOutcome(this, writeValidityDefaults(m_workCopy, shownDefaults())))
        emit defaultsSaved();
}

}  // namespace varnox
