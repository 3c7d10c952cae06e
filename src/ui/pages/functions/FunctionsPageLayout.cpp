// The controls of the function page, their places and their captions.
#include "core/lang/Texts.h"
#include "core/model/BusLineList.h"
#include "core/model/FunctionProtocol.h"
#include "ui/common/Captions.h"
#include "ui/common/ComboTexts.h"
#include "ui/common/InputFilter.h"
#include "ui/pages/PageLayout.h"
#include "ui/pages/functions/FunctionsPage.h"

#include <QButtonGroup>
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
namespace {

QRadioButton* option(QWidget* parent, QButtonGroup* group, const char* objectName)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QLatin1String(objectName));
    group->addButton(button);
    return button;
}

QGroupBox* frame(QWidget* parent, const char* objectName)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

}  // namespace

void FunctionsPage::buildControls()
{
    m_title = PageLayout::title(this);
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    m_nameLabel = new QLabel(this);
    m_name = PageLayout::edit(this, FunctionField::name);
    m_nameHint = new QLabel(this);
    m_busLabel = new QLabel(this);
    m_busLine = PageLayout::combo(this, FunctionField::busLine);
    m_kindFrame = frame(this, "FrFktTyp");
    m_kinds = new QButtonGroup(this);
    m_doorOpener = option(m_kindFrame, m_kinds, FunctionField::kind);
    m_control = option(m_kindFrame, m_kinds, "OptFktStFkt");
    m_free = option(m_kindFrame, m_kinds, "OptFktFrei");
    m_noKind = option(m_kindFrame, m_kinds, "OptFktV");
    m_noKind->hide();
    buildKindFrames();
    m_buttons.emplace(this, QStringLiteral("Fktn"));
    m_listLabel = new QLabel(this);
    m_list = PageLayout::list(this, "ListViewFkt");
    m_countLabel = new QLabel(this);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("LblFktAnz"));
}

// One frame per kind of function, of which only the chosen kind's is shown.
void FunctionsPage::buildKindFrames()
{
    m_doorFrame = frame(this, "FrFktToe");
    m_readerLabel = new QLabel(m_doorFrame);
    m_reader = PageLayout::combo(m_doorFrame, FunctionField::reader);
    m_addressLabel = new QLabel(m_doorFrame);
    m_address = new QLabel(m_doorFrame);
    m_address->setObjectName(QStringLiteral("LblFktAs"));
    auto* door = PageLayout::grid(m_doorFrame);
    PageLayout::addRow(door, m_readerLabel, m_reader);
    PageLayout::addRow(door, m_addressLabel, m_address);

    m_controlFrame = frame(this, "FrFktStFkt");
    m_serialLabel = new QLabel(m_controlFrame);
    m_serial = PageLayout::edit(m_controlFrame, FunctionField::serial);
    acceptOnly(m_serial, QStringLiteral("0-9"));
    m_serialHint = new QLabel(m_controlFrame);
    m_numberLabel = new QLabel(m_controlFrame);
    m_number = PageLayout::combo(m_controlFrame, FunctionField::controlNumber);
    m_number->setMaxVisibleItems(20);
    auto* control = PageLayout::grid(m_controlFrame);
    control->addWidget(m_serialHint, PageLayout::addRow(control, m_serialLabel, m_serial), 2);
    PageLayout::addRow(control, m_numberLabel, m_number);

    m_freeFrame = frame(this, "FrFktFrei");
    m_lengths = new QButtonGroup(this);
    m_short = option(m_freeFrame, m_lengths, FunctionField::length);
    m_long = option(m_freeFrame, m_lengths, "OptFktFreiL");
    m_noLength = option(m_freeFrame, m_lengths, "OptFktFreiV");
    m_noLength->hide();
    m_contentLabel = new QLabel(m_freeFrame);
    m_content = PageLayout::edit(m_freeFrame, FunctionField::content);
    acceptOnly(m_content, QStringLiteral("0-9A-Fa-f"));
    m_lengthHint = new QLabel(m_freeFrame);
    m_lengthHint->setObjectName(QStringLiteral("LblFktFreiLen"));
    auto* free = PageLayout::grid(m_freeFrame);
    free->addWidget(m_short, 0, 0, 1, 3);
    free->addWidget(m_long, 1, 0, 1, 3);
    free->addWidget(m_lengthHint, PageLayout::addRow(free, m_contentLabel, m_content), 2);
}

void FunctionsPage::buildLayout()
{
    auto* fields = PageLayout::grid();
    fields->addWidget(m_nameHint, PageLayout::addRow(fields, m_nameLabel, m_name), 2);
    PageLayout::addRow(fields, m_busLabel, m_busLine);
    auto* kinds = new QVBoxLayout(m_kindFrame);
    for (QRadioButton* kind : {m_doorOpener, m_control, m_free})
        kinds->addWidget(kind);
    for (QGroupBox* box : {m_kindFrame, m_doorFrame, m_controlFrame, m_freeFrame})
        fields->addWidget(box, fields->rowCount(), 0, 1, 3);

    fields->setRowStretch(fields->rowCount(), 1);
    QLayout* list = PageLayout::listColumn(m_listLabel, m_list, {{m_countLabel, m_count}});
    PageLayout::stack(this, {m_title, m_description}, m_buttons->row(fields, list, 2, 3));
}

void FunctionsPage::loadTexts()
{
    setCaption(m_title, GetText(132, "Verwaltung der Funktionen"));
    setCaption(m_description, GetText(135, "Erstellen Sie Funktionen, die bei vorhandener Berechtigung ausgeführt werden sollen."));
    setCaption(m_nameLabel, GetText(606, "Bezeichnung der Funktion"));
    setCaption(m_nameHint, GetText(2850, "(max. 50 Zeichen)"));
    setCaption(m_busLabel, GetText(2803, "HLV:BUS-Strang:"));
    setCaption(m_kindFrame, GetText(2860, "Funktionstyp"));
    setCaption(m_doorOpener, GetText(2851, "Türöffner"));
    setCaption(m_control, GetText(2852, "Steuerfunktion"));
    setCaption(m_free, GetText(2853, "frei definierbares Protokoll"));
    setCaption(m_doorFrame, GetText(2851, "Türöffner"));
    setCaption(m_readerLabel, GetText(42, "Leser:"));
    setCaption(m_addressLabel, GetText(44, "AS-Adresse:"));
    setCaption(m_controlFrame, GetText(2854, "Steuerfunktionen"));
    setCaption(m_serialLabel, GetText(40, "Seriennummer:"));
    setCaption(m_serialHint, GetText(39, "(1 bis 999999)"));
    setCaption(m_numberLabel, GetText(41, "Steuerfunktions-Nr.:"));
    setCaption(m_freeFrame, GetText(2855, "Frei definierbares Protokoll"));
    setCaption(m_short, GetText(2856, "kurzes Protokoll (16 Bit)"));
    setCaption(m_long, GetText(2857, "langes Protokoll (32 Bit)"));
    setCaption(m_contentLabel, GetText(37, "Inhalt:"));
    m_buttons->loadCaptions();
    setCaption(m_listLabel, GetText(2861, "Vorhandene Funktionen:"));
    setCaption(m_countLabel, GetText(2817, "Anzahl:"));
    setComboTexts(m_busLine, BusLineList::captions());
    QStringList numbers;
    const QString word = GetText(2852, "Steuerfunktion") + QLatin1Char(' ');
    for (int n = 1; n <= FunctionProtocol::kControlFunctionCount; ++n)
        numbers << word + QString::number(n);
    setComboTexts(m_number, numbers);
    showLength();
}

}  // namespace varnox
