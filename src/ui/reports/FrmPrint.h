#pragma once

#include "ui/print/PreviewWindow.h"

#include <QDate>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QPushButton;

namespace varnox {

class DailyProtocol;

// "Tagesprotokoll drucken": the print preview of a day's protocol, with a
// calendar whose days that have a protocol file are bold, the zoom modes and
// percentages, and the page orientation. Clicking a day composes its protocol.
class FrmPrint : public PreviewWindow {
    Q_OBJECT
public:
    FrmPrint(const DailyProtocol& protocol, const QDate& day, QWidget* parent = nullptr);

    // Composes the protocol of `day`, as clicking it in the calendar does.
    void chooseDay(const QDate& day);
    QDate day() const { return m_day; }

protected:
    std::unique_ptr<DocumentSource> makeSource() override;

private:
    void buildControls();
    void loadCaptions();
    void markDaysWithFile(int year, int month);
    void zoomModeChosen(int index);
    void toggleOrientation();

    const DailyProtocol& m_protocol;
    QDate m_day;

    QLabel* m_dateCaption = nullptr;
    QCalendarWidget* MonthView1 = nullptr;
    QComboBox* CmbZoomMode = nullptr;
    QComboBox* CmbZoom = nullptr;
    QPushButton* CmdOrientation = nullptr;
};

} // namespace varnox
