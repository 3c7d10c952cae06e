#pragma once

#include "core/model/Function.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace varnox {

// Page 3 "Funktionen": the stored bus commands of the project.
class FunctionsPage : public Page {
    Q_OBJECT
public:
    enum class State { New, Edit };

    explicit FunctionsPage(AppServices& services, QWidget* parent = nullptr);

    // Clears the page for a new function and reloads the function list.
    void pageShown() override;

    State state() const { return m_state; }

private:
    void buildControls();
    void buildKindFrames();
    void buildLayout();
    void loadTexts();

    void clearPage();
    void reloadList();
    void showFunction(const QString& name);
    void showKindFrame();
    void showLength();
    void updateButtons();

    void fillReaders(const QList<ReaderListEntry>& readers);
    void busLineChosen(int position);
    void readerChosen(int index);
    void lengthChosen();
    void afterWrite(const Outcome& outcome);

    FunctionForm form() const;
    FunctionKind chosenKind() const;
    ProtocolLength chosenLength() const;
    QString projectPath() const;

    State m_state = State::New;
    QString m_selected;  // the name last clicked in the list

    QLabel* m_title;
    QLabel* m_description;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_nameHint;
    QLabel* m_busLabel;
    QComboBox* m_busLine;
    QGroupBox* m_kindFrame;
    QRadioButton* m_doorOpener;
    QRadioButton* m_control;
    QRadioButton* m_free;
    QRadioButton* m_noKind;
    QButtonGroup* m_kinds;

    QGroupBox* m_doorFrame;
    QLabel* m_readerLabel;
    QComboBox* m_reader;
    QLabel* m_addressLabel;
    QLabel* m_address;

    QGroupBox* m_controlFrame;
    QLabel* m_serialLabel;
    QLineEdit* m_serial;
    QLabel* m_serialHint;
    QLabel* m_numberLabel;
    QComboBox* m_number;

    QGroupBox* m_freeFrame;
    QRadioButton* m_short;
    QRadioButton* m_long;
    QRadioButton* m_noLength;
    QButtonGroup* m_lengths;
    QLabel* m_contentLabel;
    QLineEdit* m_content;
    QLabel* m_lengthHint;

    std::optional<PageLayout::EditButtons> m_buttons;  // made in their place in the tab order
    QLabel* m_listLabel;
    QListWidget* m_list;
    QLabel* m_countLabel;
    QLabel* m_count;
};

}  // namespace varnox
