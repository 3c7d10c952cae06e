#pragma once

#include "core/model/AssignmentOperations.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace varnox {

// Page 5 "Leserzuordnung": which readers an access profile opens, and with
// which time zone and function.
class AssignmentPage : public Page {
    Q_OBJECT
public:
    explicit AssignmentPage(AppServices& services, QWidget* parent = nullptr);

    // Fills the profile, zone and function lists; a profile chosen before
    // stays chosen while it exists, with its readers listed again.
    void pageShown() override;

private:
    void buildLayout();
    void loadCaptions();
    void profileChosen();
    void readerChosen(int index);
    void assignmentClicked(QListWidgetItem* item);
    void newAssignment();
    void addAssignment();
    void changeAssignment();
    void removeAssignment();
    void afterWrite(const Outcome& outcome);
    void reloadProfileReaders();
    void reloadReadersOutside();
    void showChoices(bool central, const ReaderEntry& reader);
    void setEditing(bool editing);
    void showCount();
    Assignment pageAssignment(const QString& serial) const;
    QString profile() const;
    QString workCopy() const;

    PageLayout::EditButtons m_buttons;
    QLabel* m_title;
    QLabel* m_profileLabel;
    QComboBox* m_profiles;
    QLabel* m_readerLabel;
    QComboBox* m_readers;
    QLabel* m_zoneLabel;
    QComboBox* m_zones;
    QLineEdit* m_zoneText;
    QLabel* m_functionLabel;
    QComboBox* m_functions;
    QLineEdit* m_functionText;
    QLabel* m_listLabel;
    QListWidget* m_assigned;
    QLabel* m_legend;
    QLabel* m_countLabel;
    QList<ReaderEntry> m_outside;     // the entries of the reader list
    QString m_selectedSerial;         // the assignment change and remove act on
};

}  // namespace varnox
