#include "ui/reports/FrmKeyList.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectPaths.h"
#include "core/reports/HandoverProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/reports/FrmKeyListPrint.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnox {

FrmKeyList::FrmKeyList(AppServices& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("FrmKeyList"));
    build();
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    fillKeys();
}

void FrmKeyList::build()
{
    m_choose = new QLabel;
    m_choose->setObjectName(QStringLiteral("LblKeyChoose"));
    CmbKey = new QComboBox;
    CmbKey->setObjectName(QStringLiteral("CmbKey"));
    CmbKey->setMinimumWidth(320);
    m_choose->setBuddy(CmbKey);
    ListViewKeyLes = new QTreeWidget;
    ListViewKeyLes->setObjectName(QStringLiteral("ListViewKeyLes"));
    ListViewKeyLes->setRootIsDecorated(false);
    ListViewKeyLes->setUniformRowHeights(true);
    ListViewKeyLes->setColumnCount(5);
    ListViewKeyLes->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    ListViewKeyLes->header()->setStretchLastSection(false);
    m_countCaption = new QLabel;
    m_countCaption->setObjectName(QStringLiteral("LblKeyCountCaption"));
    LblKeyCount = new QLabel(QStringLiteral("0"));
    LblKeyCount->setObjectName(QStringLiteral("LblKeyCount"));
    CmdKeyPrint = new QPushButton;
    CmdKeyPrint->setObjectName(QStringLiteral("CmdKeyPrint"));
    CmdExport = new QPushButton;
    CmdExport->setObjectName(QStringLiteral("CmdExport"));
    CmdClose = new QPushButton;
    CmdClose->setObjectName(QStringLiteral("CmdClose"));

    auto* choice = new QHBoxLayout;
    choice->addWidget(m_choose);
    choice->addWidget(CmbKey, 1);
    auto* count = new QHBoxLayout;
    count->addWidget(m_countCaption);
    count->addWidget(LblKeyCount);
    count->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdKeyPrint);
    buttons->addWidget(CmdExport);
    buttons->addStretch();
    buttons->addWidget(CmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(ListViewKeyLes, 1);
    layout->addLayout(count);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(CmbKey, &QComboBox::currentIndexChanged, this, &FrmKeyList::keyChosen);
    connect(CmdKeyPrint, &QPushButton::clicked, this, &FrmKeyList::showHandover);
    connect(CmdExport, &QPushButton::clicked, this, &FrmKeyList::exportToClipboard);
    connect(CmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmKeyList::loadCaptions()
{
    setCaption(this, GetText(621, "Schlüsselzuordnung"));
    setCaption(m_choose, GetText(86, "Schlüssel auswählen:"));
    setCaption(m_countCaption, GetText(85, "Anzahl der verknüpften Leser:"));
    ListViewKeyLes->setHeaderLabels(readerListHeaders());
    setCaption(CmdKeyPrint, GetText(79, "Übergabeprotokoll anzeigen"));
    setCaption(CmdExport, GetText(818, "Exportieren"));
    varnox::setToolTip(CmdExport, GetText(831, "Kopiert die Liste in die Zwischenablage"));
    setCaption(CmdClose, GetText(163, "Schließen"));
    varnox::setToolTip(CmdClose, GetText(198, "Zum Hauptprogramm zurückkehren"));
}

QString FrmKeyList::workCopy() const
{
    return workCopyPath(m_services.session.workCopyName);
}

bool FrmKeyList::hasKey() const
{
    return CmbKey->currentIndex() >= 0;
}

void FrmKeyList::fillKeys()
{
    MessageBox::showOutcome(this, readKeyChoices(workCopy(), m_keys));
    const QSignalBlocker quiet(CmbKey);
    CmbKey->clear();
    for (const KeyChoice& key : std::as_const(m_keys))
        CmbKey->addItem(key.name);
    CmbKey->setCurrentIndex(-1);
}

void FrmKeyList::keyChosen(int index)
{
    ListViewKeyLes->clear();
    m_rows.clear();
    if (index >= 0 && index < m_keys.size())
        MessageBox::showOutcome(this, readReadersOfKey(workCopy(), m_keys[index].number, m_rows));
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : std::as_const(m_rows))
        items.append(new QTreeWidgetItem(row));
    ListViewKeyLes->addTopLevelItems(items);
    LblKeyCount->setText(QString::number(m_rows.size()));
}

void FrmKeyList::showHandover()
{
    if (!hasKey()) {
        MessageBox::show(this, noKeyToPrintMessage());
        return;
    }
    Handover handover { .keyName = m_keys[CmbKey->currentIndex()].name,
        .readers = m_rows,
        .firstBlock = {},
        .secondBlock = {},
        .day = m_services.clock.now().date() };
    if (!MessageBox::showOutcome(
            this, readHandoverBlocks(currentLanguage(), &handover.firstBlock, &handover.secondBlock)))
        return;
    m_services.protocol.write(GetText(274, "Menü 'Leserliste drucken' aufgerufen"));
    FrmKeyListPrint preview(handoverDocument(handover), this);
    preview.exec();
}

void FrmKeyList::exportToClipboard()
{
    if (!hasKey()) {
        MessageBox::show(this, noKeyToExportMessage());
        return;
    }
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(readerListExportText(m_services.clock.now().date(), m_rows));
    m_services.protocol.write(GetText(906, "Schlüsselliste exportiert"));
}

} // namespace varnox
