// The controls of the reader page, their places and their captions.
#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "ui/common/Captions.h"
#include "ui/common/ComboTexts.h"
#include "ui/common/InputFilter.h"
#include "ui/pages/PageLayout.h"
#include "ui/pages/readers/ReadersPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace varnox {

void ReadersPage::buildControls()
{
    m_title = PageLayout::title(this);
    m_typeLabel = new QLabel(this);
    m_type = PageLayout::combo(this, "CmbLesTyp");
    m_nameLabel = new QLabel(this);
    m_name = PageLayout::edit(this, ReaderField::name);
    m_serialLabel = new QLabel(this);
    m_serialEdit = PageLayout::edit(this, ReaderField::serial);
    acceptOnly(m_serialEdit, QStringLiteral("0-9"));
    m_newSerialCheck = new QCheckBox(this);
    m_newSerialCheck->setObjectName(QStringLiteral("CheckLesSnNeu"));
    m_newSerial = PageLayout::edit(this, ReaderField::newSerial);
    acceptOnly(m_newSerial, QStringLiteral("0-9"));
    m_busLabel = new QLabel(this);
    m_busLine = PageLayout::combo(this, ReaderField::busLine);
    m_addressLabel = new QLabel(this);
    m_addressLabel->setObjectName(QStringLiteral("LblLesAs"));
    m_address = PageLayout::combo(this, ReaderField::address);
    m_modeFrame = new QGroupBox(this);
    m_modeFrame->setObjectName(QStringLiteral("FrLesMod"));
    m_central = new QRadioButton(m_modeFrame);
    m_central->setObjectName(QLatin1String(ReaderField::central));
    m_decentral = new QRadioButton(m_modeFrame);
    m_decentral->setObjectName(QLatin1String(ReaderField::decentral));
    m_noMode = new QRadioButton(m_modeFrame);
    m_noMode->setObjectName(QStringLiteral("OptLesModv"));
    m_noMode->hide();
    m_modes = new QButtonGroup(this);
    for (QRadioButton* option : {m_central, m_decentral, m_noMode})
        m_modes->addButton(option);
    m_functionLabel = new QLabel(this);
    m_functionLabel->setObjectName(QStringLiteral("LblLesFkt"));
    m_function = PageLayout::combo(this, ReaderField::function);
    m_timeLabel = new QLabel(this);
    m_timeLabel->setObjectName(QStringLiteral("LblLesZeit"));
    m_timeRecording = PageLayout::combo(this, "CmbLesZeit");
    m_settingsButton = PageLayout::button(this, "CmdLesEin");
    m_buttons.emplace(this, QStringLiteral("Les"));
    m_listLabel = new QLabel(this);
    m_list = PageLayout::list(this, "ListViewLes");
    m_countLabel = new QLabel(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("LblLesAnz"));
    m_legend = new QLabel(this);
    m_legend->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
}

void ReadersPage::buildLayout()
{
    auto* fields = PageLayout::grid();
    PageLayout::addRow(fields, m_typeLabel, m_type);
    PageLayout::addRow(fields, m_nameLabel, m_name);
    PageLayout::addRow(fields, m_serialLabel, m_serialEdit);
    PageLayout::addRow(fields, m_newSerialCheck, m_newSerial);
    PageLayout::addRow(fields, m_busLabel, m_busLine);
    PageLayout::addRow(fields, m_addressLabel, m_address);

    auto* modes = new QHBoxLayout(m_modeFrame);
    modes->addWidget(m_central);
    modes->addWidget(m_decentral);
    modes->addStretch();
    fields->addWidget(m_modeFrame, fields->rowCount(), 0, 1, 2);
    PageLayout::addRow(fields, m_functionLabel, m_function);
    PageLayout::addRow(fields, m_timeLabel, m_timeRecording);
    fields->addWidget(m_settingsButton, fields->rowCount(), 0, 1, 1, Qt::AlignLeft);

    fields->setRowStretch(fields->rowCount(), 1);
    QLayout* list = PageLayout::listColumn(m_listLabel, m_list, {{m_countLabel, m_count}, {m_legend}});
    PageLayout::stack(this, {m_title}, m_buttons->row(fields, list, 2, 3));
}

void ReadersPage::loadTexts()
{
    setCaption(m_title, GetText(2800, "Verwaltung der Leser"));
    setCaption(m_typeLabel, GetText(2801, "Typ des Lesers:"));
    setCaption(m_nameLabel, GetText(2802, "Bezeichnung des Standortes:"));
    setCaption(m_serialLabel, GetText(40, "Seriennummer:"));
    setCaption(m_newSerialCheck, GetText(816, "Neue Seriennummer"));
    setCaption(m_busLabel, GetText(2803, "HLV:BUS-Strang:"));
    setCaption(m_addressLabel, GetText(44, "AS-Adresse:"));
    setCaption(m_modeFrame, GetText(2804, "Modus des Lesers"));
    setCaption(m_central, GetText(2805, "Zentral"));
    setCaption(m_decentral, GetText(2806, "Dezentral"));
    setCaption(m_functionLabel, GetText(2807, "Verknüpfte Funktion:"));
    setCaption(m_timeLabel, GetText(2808, "Zeit-Terminal:"));
    setCaption(m_settingsButton, GetText(2809, "Erweiterte Einstellungen"));
    m_buttons->loadCaptions();
    setCaption(m_listLabel, GetText(2813, "Vorhandene Leser:"));
    setCaption(m_countLabel, GetText(2817, "Anzahl:"));
    setCaption(m_legend, GetText(105, "Rote Schrift: dezentraler Leser"));
    setComboTexts(m_type, {GetText(1024, "EM-Leser"), GetText(1025, "Mifare-Leser")});
    setComboTexts(m_busLine, BusLineList::captions());
    setComboTexts(m_function, {GetText(602, "Türöffner mit AS-Adresse"), GetText(603, "Steuerfunktion 1 mit eigener SN")});
    setComboTexts(m_timeRecording, {GetText(457, "Nein"), GetText(458, "Eingang"), GetText(459, "Ausgang")});
}

}  // namespace varnox
