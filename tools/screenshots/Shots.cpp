#include "Shots.h"

#include "core/shell/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>

namespace varnox::shots {

ShotServices::ShotServices(const QString& workCopy)
    : config(ProgramFolder::configFile())
    , protocol(clock)
    , services { session, config, protocol, clock, events }
{
    session.workCopyName = workCopy;
    session.projectOpen = true;
}

void Shots::save(QWidget* widget, const QString& name) const
{
    QCoreApplication::processEvents();
    const QString path = folder + QLatin1Char('/') + name + QLatin1Char('-') + language + QStringLiteral(".png");
    if (!widget->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
}

void choose(const QWidget* root, const char* comboName, const QString& text)
{
    auto* combo = control<QComboBox>(root, comboName);
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("no entry %s in %s", qPrintable(text), comboName);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void clickItem(const QWidget* root, const char* listName, const QString& text)
{
    auto* list = control<QListWidget>(root, listName);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s in %s", qPrintable(text), listName);
    list->setCurrentItem(items.first());
    emit list->itemClicked(items.first());
}

} // namespace varnox::shots
