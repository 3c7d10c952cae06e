#include "ui/supervision/FrmErrMessage.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmErrMessage::FrmErrMessage(QWidget* parent)
    : QDialog(parent)
    , lblMessage(new QLabel)
    , OkButton(new QPushButton)
{
    setObjectName(QStringLiteral("frmErrMessage"));
    setModal(false);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setMinimumWidth(300);
    lblMessage->setTextFormat(Qt::PlainText);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, [this] {
        hide();
        emit acknowledged();
    });
    loadCaptions(this, [this] {
        setCaption(this, GetText(3708, "Verbindungsfehler"));
        setCaption(OkButton, GetText(58, "OK"));
    });
}

void FrmErrMessage::showText(const QString& text)
{
    lblMessage->setText(text);
    show();
    raise();
}

QString FrmErrMessage::text() const
{
    return lblMessage->text();
}

} // namespace varnox
