#pragma once

#include "core/model/KeyValidity.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTimeEdit;

namespace varnox {

class Clock;

// "Bearbeiten der Gültigkeit": the fixed period of a key, proposed from the
// project's defaults (second tab) or from the period the keys page shows.
// On "Übernehmen" the period is checked and handed back as the two texts
// the keys page shows.
class FrmTime : public QDialog {
    Q_OBJECT
public:
    FrmTime(const QString& workCopy, const Clock& clock, bool fixedPeriod, const QString& startText,
            const QString& endText, QWidget* parent = nullptr);

    QString startText() const { return m_startText; }
    QString endText() const { return m_endText; }

signals:
    void defaultsSaved();  // the second tab was written to the project

private:
    void createControls();
    void buildLayout();
    void loadCaptions();
    void showPeriod(const ValidityPeriod& period);
    void showDefaults(const ValidityDefaults& defaults);
    ValidityDefaults shownDefaults() const;
    void enableDefaults();
    void now();
    void takeOver();
    void saveDefaults();

    QString m_workCopy;
    const Clock& m_clock;
    QString m_startText;
    QString m_endText;

    QTabWidget* m_tabs;
    QWidget* m_periodTab;
    QWidget* m_defaultsTab;
    QGroupBox* m_startFrame;
    QGroupBox* m_endFrame;
    QLabel* m_startDateLabel;
    QLabel* m_startTimeLabel;
    QLabel* m_endDateLabel;
    QLabel* m_endTimeLabel;
    QDateEdit* m_startDate;
    QTimeEdit* m_startTime;
    QDateEdit* m_endDate;
    QTimeEdit* m_endTime;
    QPushButton* m_now;
    QPushButton* m_save;
    QPushButton* m_cancel;

    QGroupBox* m_defaultStartFrame;
    QGroupBox* m_defaultEndFrame;
    QCheckBox* m_defaultStartOn;
    QCheckBox* m_defaultEndOn;
    QCheckBox* m_endDaysOn;
    QLabel* m_defaultStartLabel;
    QLabel* m_defaultEndLabel;
    QLabel* m_endDaysLabel;
    QTimeEdit* m_defaultStart;
    QTimeEdit* m_defaultEnd;
    QLineEdit* m_endDays;
    QScrollBar* m_endDaysScroll;
    QPushButton* m_saveDefaults;
};

}  // namespace varnox
