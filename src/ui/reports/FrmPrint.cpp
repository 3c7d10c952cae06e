#include "ui/reports/FrmPrint.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/reports/DayReport.h"
#include "ui/common/Captions.h"
#include "ui/common/DayCalendar.h"
#include "ui/print/PreviewView.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {
namespace {

// The zoom list's entries in the order of PreviewView::Zoom.
constexpr int kZoomModes = 5;

} // namespace

FrmPrint::FrmPrint(const DailyProtocol& protocol, const QDate& day, QWidget* parent)
    : PreviewWindow("FrmPrint", parent)
    , m_protocol(protocol)
    , m_day(day)
{
    buildControls();
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    MonthView1->setSelectedDate(day);
    markDaysWithFile(MonthView1->yearShown(), MonthView1->monthShown());
    CmbZoomMode->setCurrentIndex(int(PreviewView::Zoom::WholePage));
    compose();
}

void FrmPrint::buildControls()
{
    m_dateCaption = new QLabel;
    m_dateCaption->setObjectName(QStringLiteral("LblDatum"));
    MonthView1 = new QCalendarWidget;
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_dateCaption->setBuddy(MonthView1);
    CmbZoomMode = new QComboBox;
    CmbZoomMode->setObjectName(QStringLiteral("CmbZoomMode"));
    for (int i = 0; i < kZoomModes; ++i)
        CmbZoomMode->addItem(QString());
    CmbZoom = new QComboBox;
    CmbZoom->setObjectName(QStringLiteral("CmbZoom"));
    for (int percent = PreviewView::kMinPercent; percent <= PreviewView::kMaxPercent;
         percent += PreviewView::kPercentStep)
        CmbZoom->addItem(QString::number(percent) + QStringLiteral(" %"), percent);
    CmbZoom->setCurrentIndex(CmbZoom->findData(100));
    CmdOrientation = new QPushButton;
    CmdOrientation->setObjectName(QStringLiteral("CmdOrientation"));

    extraControls()->addWidget(m_dateCaption);
    extraControls()->addWidget(MonthView1);
    extraControls()->addWidget(CmbZoomMode);
    extraControls()->addWidget(CmbZoom);
    extraControls()->addWidget(CmdOrientation);
    resize(1100, 800);

    connect(MonthView1, &QCalendarWidget::currentPageChanged, this, &FrmPrint::markDaysWithFile);
    connect(MonthView1, &QCalendarWidget::clicked, this, &FrmPrint::chooseDay);
    connect(CmbZoomMode, &QComboBox::currentIndexChanged, this, &FrmPrint::zoomModeChosen);
    connect(
        CmbZoom, &QComboBox::currentIndexChanged, this, [this] { view()->setPercent(CmbZoom->currentData().toInt()); });
    connect(view(), &PreviewView::zoomChanged, this, [this](int percent) {
        const QSignalBlocker quietMode(CmbZoomMode), quietPercent(CmbZoom);
        CmbZoomMode->setCurrentIndex(int(PreviewView::Zoom::Percent));
        CmbZoom->setCurrentIndex(CmbZoom->findData(percent));
        CmbZoom->setEnabled(true);
    });
    connect(CmdOrientation, &QPushButton::clicked, this, &FrmPrint::toggleOrientation);
}

void FrmPrint::loadCaptions()
{
    setCaption(this, GetText(185, "Tagesprotokoll drucken"));
    setAllPagesToolTip(GetText(192, "Druckt das gesamte Tagesprotokoll"));
    setCaption(m_dateCaption, GetText(640, "Datum des Tagesprotokolls"));
    const QStringList modes { GetText(806, "Prozentsatz"), GetText(807, "Thumbnail"), GetText(808, "2 Seiten"),
        GetText(809, "Ganze Seite"), GetText(810, "Seitenbreite") };
    for (int i = 0; i < kZoomModes; ++i)
        CmbZoomMode->setItemText(i, modes[i]);
    const bool portrait = printer().orientation() == QPageLayout::Portrait;
    setCaption(CmdOrientation, portrait ? GetText(618, "Hochformat") : GetText(624, "Querformat"));
    varnox::setToolTip(CmdOrientation, GetText(619, "Ausrichtung der Seite"));
}

void FrmPrint::markDaysWithFile(int year, int month)
{
    showDaysWithFile(*MonthView1, year, month);
}

void FrmPrint::chooseDay(const QDate& day)
{
    m_day = day;
    if (MonthView1->selectedDate() != day)
        MonthView1->setSelectedDate(day);
    compose(); // a day without a file says so and leaves the preview empty
}

std::unique_ptr<DocumentSource> FrmPrint::makeSource()
{
    return std::make_unique<DayReport>(m_protocol.cipher(), m_day);
}

void FrmPrint::zoomModeChosen(int index)
{
    view()->setZoom(PreviewView::Zoom(index));
    CmbZoom->setEnabled(index == int(PreviewView::Zoom::Percent));
    if (index == int(PreviewView::Zoom::Percent))
        view()->setPercent(CmbZoom->currentData().toInt());
}

void FrmPrint::toggleOrientation()
{
    const bool portrait = printer().orientation() == QPageLayout::Portrait;
    printer().setOrientation(portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
    loadCaptions();
    compose();
}

} // namespace varnox
