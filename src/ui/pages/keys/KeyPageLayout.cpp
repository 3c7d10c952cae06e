// The controls of the keys page, their arrangement, tab order and captions.
#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/pages/PageLayout.h"
#include "ui/pages/keys/KeyPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace varnox {
namespace {

constexpr int kFieldWidth = 260;
constexpr int kNameLength = 50;

template <typename W>
W* named(QWidget* page, const char* name)
{
    auto* w = new W(page);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = named<QLabel>(parent, name);
    label->setMinimumWidth(140);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(4, 1, 4, 1);
    return label;
}

}  // namespace

void KeyPage::createControls()
{
    m_title = PageLayout::title(this);
    for (QLabel** caption : {&m_numberLabel, &m_nameLabel, &m_nameHint, &m_shortLabel, &m_profileLabel, &m_listLabel,
                             &m_countLabel, &m_testLabel})
        *caption = new QLabel(this);
    m_number = named<QLineEdit>(this, "TxtKeyNr");
    // Typed and pasted text alike: only hexadecimal digits get in.
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), m_number));
    m_name = named<QLineEdit>(this, "TxtKeyBez");
    m_name->setMaxLength(kNameLength);
    m_shortName = named<QLineEdit>(this, "TxtKeyKurz");
    m_shortName->setMaxLength(kNameLength);
    m_profiles = named<QComboBox>(this, "CmbKeyPro");
    for (QWidget* w : std::initializer_list<QWidget*>{m_number, m_name, m_shortName, m_profiles})
        w->setMinimumWidth(kFieldWidth);
    m_dropProfile = named<QCheckBox>(this, "CheckKeyPro");
    m_fixedPeriod = named<QCheckBox>(this, "chkTimeAbsolut");
    m_editPeriod = named<QPushButton>(this, "cmdZeitAbsolut");
    m_periodFrame = named<QWidget>(this, "FrKeyNeu1");
    m_startLabel = new QLabel(m_periodFrame);
    m_start = valueLabel(m_periodFrame, "LblKey8");
    m_endLabel = new QLabel(m_periodFrame);
    m_end = valueLabel(m_periodFrame, "LblKey9");

    m_list = named<QListWidget>(this, "ListViewKey");
    m_list->setMinimumSize(280, 300);
    m_list->setUniformItemSizes(true);
    m_legend = named<QLabel>(this, "LblKey5");
    m_count = named<QLabel>(this, "LblKey10");

    m_testCount = named<QLineEdit>(this, "TxtKeyTest");
    m_testCount->setValidator(new QIntValidator(1, kMaxTestKeys, m_testCount));
    m_testCount->setMaximumWidth(80);
    m_testButton = named<QPushButton>(this, "CmdKeyTest");

    // Enter on a focused button presses it, as Space does.
    for (QPushButton* b : {m_buttons.neu, m_buttons.add, m_buttons.change, m_buttons.remove, m_editPeriod, m_testButton})
        b->setAutoDefault(true);
}

void KeyPage::buildLayout()
{
    auto* period = new QGridLayout(m_periodFrame);
    period->setContentsMargins(24, 0, 0, 0);
    period->addWidget(m_startLabel, 0, 0);
    period->addWidget(m_start, 0, 1);
    period->addWidget(m_endLabel, 1, 0);
    period->addWidget(m_end, 1, 1);
    period->setColumnStretch(2, 1);

    auto* fixed = new QHBoxLayout;
    fixed->addWidget(m_fixedPeriod);
    fixed->addWidget(m_editPeriod);
    fixed->addStretch();

    auto* form = new QGridLayout;
    form->setVerticalSpacing(10);
    form->addWidget(m_numberLabel, 0, 0);
    form->addWidget(m_number, 0, 1);
    form->addWidget(m_nameLabel, 1, 0);
    form->addWidget(m_name, 1, 1);
    form->addWidget(m_nameHint, 2, 1);
    form->addWidget(m_shortLabel, 3, 0);
    form->addWidget(m_shortName, 3, 1);
    form->addWidget(m_profileLabel, 4, 0);
    form->addWidget(m_profiles, 4, 1);
    form->addWidget(m_dropProfile, 5, 1);
    form->addLayout(fixed, 6, 0, 1, 2);
    form->addWidget(m_periodFrame, 7, 0, 1, 2);
    form->setRowStretch(8, 1);
    auto* test = new QHBoxLayout;
    test->addWidget(m_testLabel);
    test->addSpacing(6);
    test->addWidget(m_testCount);
    test->addWidget(m_testButton);
    test->addStretch();
    form->addLayout(test, 9, 0, 1, 2);

    QLayout* list = PageLayout::listColumn(m_listLabel, m_list, {{m_countLabel, m_count}, {m_legend}});
    PageLayout::stack(this, {m_title}, m_buttons.row(form, list, 1));
}

void KeyPage::setTabOrder()
{
    const QList<QWidget*> order = {m_number,      m_name,          m_shortName,    m_profiles,
                                   m_dropProfile, m_fixedPeriod,   m_editPeriod,   m_buttons.neu,
                                   m_buttons.add, m_buttons.change, m_buttons.remove, m_list,
                                   m_testCount,   m_testButton};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void KeyPage::loadCaptions()
{
    setCaption(m_title, GetText(3200, "Verwaltung der Schlüssel"));
    setCaption(m_numberLabel, GetText(3201, "Schlüssel-Nr.:"));
    setCaption(m_nameLabel, GetText(3003, "Bezeichnung:"));
    setCaption(m_nameHint, GetText(3004, "(max. 50 Zeichen)"));
    setCaption(m_shortLabel, GetText(3202, "Kurzbezeichnung:"));
    setCaption(m_profileLabel, GetText(3110, "Zutrittsprofil:"));
    setCaption(m_dropProfile, GetText(3203, "Zuordnung zum Zutrittsprofil entfernen"));
    setCaption(m_fixedPeriod, GetText(843, "Fester Zeitraum"));
    setCaption(m_editPeriod, GetText(842, "Bearbeiten"));
    setCaption(m_startLabel, GetText(3204, "Beginn der Gültigkeit:"));
    setCaption(m_endLabel, GetText(3205, "Ende der Gültigkeit:"));
    setCaption(m_listLabel, GetText(3206, "Liste der registrierten Schlüssel:"));
    setCaption(m_legend, GetText(3207, "Graue Schrift: nicht verknüpfter Schlüssel"));
    setCaption(m_countLabel, GetText(3208, "Anzahl der Schlüssel:"));
    setCaption(m_testLabel, GetText(3209, "Testschlüssel erstellen, Anzahl:"));
    setCaption(m_testButton, GetText(3064, "Go!"));
    m_buttons.loadCaptions();
}

}  // namespace varnox
