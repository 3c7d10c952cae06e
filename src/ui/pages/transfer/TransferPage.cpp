#include "ui/pages/transfer/TransferPage.h"

#include "core/bus/transfer/DataTransfer.h"
#include "core/lang/Texts.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/PageLayout.h"
#include "ui/pages/transfer/FrmProgressBar.h"
#include "ui/pages/transfer/FrmProgressBar2.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace varnox {
namespace {

constexpr int kSerialRole = Qt::UserRole;

void fill(QListWidget* list, const QList<TransferListEntry>& entries)
{
    list->clear();
    for (const TransferListEntry& e : entries) {
        auto* item = new QListWidgetItem(e.name, list);
        item->setData(kSerialRole, e.serial);
    }
    list->setCurrentRow(list->count() > 0 ? 0 : -1);
}

} // namespace

TransferPage::TransferPage(AppServices& services, QWidget* parent)
    : Page(services, parent)
    , m_title(PageLayout::title(this))
    , m_waitingLabel(new QLabel(this))
    , m_waiting(PageLayout::list(this, "ListViewDat1"))
    , m_currentLabel(new QLabel(this))
    , m_current(PageLayout::list(this, "ListViewDat2"))
    , m_transferButton(PageLayout::button(this, "CmdDatBtn"))
    , m_resetButton(PageLayout::button(this, "CmdDatBtnBack"))
    , m_handheldButton(PageLayout::button(this, "CmdDatPDA"))
{
    setObjectName(QStringLiteral("PageDatenuebertragung"));
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : { m_transferButton, m_resetButton, m_handheldButton })
        buttons->addWidget(b);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addLayout(PageLayout::listColumn(m_waitingLabel, m_waiting), 1);
    row->addLayout(buttons);
    row->addLayout(PageLayout::listColumn(m_currentLabel, m_current), 1);
    PageLayout::stack(this, { m_title }, row);

    connect(m_transferButton, &QPushButton::clicked, this, &TransferPage::startTransfer);
    connect(m_resetButton, &QPushButton::clicked, this, &TransferPage::resetReader);
    connect(m_handheldButton, &QPushButton::clicked, this, &TransferPage::toHandheld);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void TransferPage::loadCaptions()
{
    setCaption(m_title, GetText(3600, "Übertragung der Daten vom PC zum Leser"));
    setCaption(m_waitingLabel, GetText(3603, "Leser ohne aktuelle Daten:"));
    setCaption(m_currentLabel, GetText(3604, "Leser mit aktuellen Daten:"));
    setCaption(m_transferButton, GetText(3601, "Daten übertragen"));
    setCaption(m_resetButton, GetText(3602, "Leser zurücksetzen"));
    setCaption(m_handheldButton, GetText(638, "Daten zum PDA"));
}

void TransferPage::setTransfer(DataTransfer& transfer)
{
    m_transfer = &transfer;
    connect(&transfer, &DataTransfer::ended, this, &TransferPage::transferEnded);
    connect(&transfer, &DataTransfer::progressChanged, this, [this](int value, int maximum) {
        if (m_progress)
            m_progress->setProgress(value, maximum);
    });
}

QString TransferPage::workCopy() const
{
    const QString name = services().session.workCopyName;
    return name.isEmpty() ? QString() : workCopyPath(name);
}

int TransferPage::waitingCount() const
{
    return m_waiting->count();
}

void TransferPage::refreshLists()
{
    QList<TransferListEntry> waiting, current;
    const Outcome read = workCopy().isEmpty() ? Outcome::ok() : readTransferLists(workCopy(), waiting, current);
    fill(m_waiting, waiting);
    fill(m_current, current);
    MessageBox::showOutcome(this, read);
}

TransferListEntry TransferPage::chosen(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem() ? list->currentItem() : list->item(0);
    return TransferListEntry { item->text(), item->data(kSerialRole).toString() };
}

void TransferPage::startTransfer()
{
    if (m_waiting->count() == 0) {
        MessageBox::show(this, TransferTexts::allReadersCurrent());
        return;
    }
    if (!m_transfer || m_transfer->isRunning())
        return;
    const TransferListEntry reader = chosen(m_waiting);
    auto* window = new FrmProgressBar(reader.name, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_progress = window;
    connect(window, &QDialog::rejected, this, [this] {
        if (m_transfer)
            m_transfer->abort(TransferFailure::WindowClosed);
    });
    if (!m_transfer->start(reader.serial, reader.name)) {
        delete window;
        return;
    }
    window->setProgress(m_transfer->progressValue(), m_transfer->progressMaximum());
    window->show();
}

// Before the transfer's closing message: the window goes, the lists show
// where the reader now stands.
void TransferPage::transferEnded()
{
    if (m_progress && m_progress->isVisible()) // not while it is being closed
        m_progress->accept();
    refreshLists();
}

void TransferPage::resetReader()
{
    if (m_current->count() == 0) {
        MessageBox::show(this, TransferTexts::nothingToReset());
        return;
    }
    const Outcome outcome = varnox::resetReader(workCopy(), services().protocol, chosen(m_current));
    if (MessageBox::showOutcome(this, outcome))
        emit projectChanged();
    refreshLists();
}

void TransferPage::toHandheld()
{
    if (m_waiting->count() == 0) {
        MessageBox::show(this, TransferTexts::allReadersCurrent());
        return;
    }
    auto* dialog = new FrmProgressBar2(*m_waiting, *m_current, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &FrmProgressBar2::walkFinished, this, [this] {
        MessageBox::show(this,
            { .text = GetText(652, "Alle Daten erfolgreich übertragen!"),
                .title = GetText(916, "Varnox"),
                .icon = MessageIcon::None,
                .focus = {},
                .selectAll = false });
    });
    dialog->show();
}

} // namespace varnox
