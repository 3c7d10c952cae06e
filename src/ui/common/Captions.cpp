#include "ui/common/Captions.h"

#include "core/lang/LanguageNotifier.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace varnox {

void loadCaptions(QWidget* window, std::function<void()> loader)
{
    loader();
    QObject::connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, window,
                     [loader](int) { loader(); });
}

void setCaption(QObject* control, const QString& text)
{
    if (text.isEmpty() || !control)
        return;
    if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setPlaceholderText(text);
    else if (auto* widget = qobject_cast<QWidget*>(control); widget && widget->isWindow())
        widget->setWindowTitle(text);
}

void setToolTip(QObject* control, const QString& text)
{
    if (text.isEmpty())
        return;
    if (auto* action = qobject_cast<QAction*>(control))
        action->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setToolTip(text);
}

}  // namespace varnox
