#include "ui/main/MainToolbar.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/main/PageCaptions.h"
#include "ui/main/ToolbarIcons.h"

#include <QAction>

namespace varnox {

MainToolbar::MainToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(28, 28));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    const QList<QList<const char*>> groups = {
        {"Neu", "Oeffnen", "Speichern"},
        {"Leser", "Zutrittsprofile", "Funktionen", "Zeitzonen", "Leserzuordnung", "Schluessel", "COM", "Datenuebertragung"},
        {"Monitor", "Drucken"},
        {"Ende"},
    };
    for (const QList<const char*>& keys : groups) {
        if (!m_groups.isEmpty())
            m_separators << addSeparator();
        QList<QAction*> group;
        for (const char* key : keys) {
            const QString name = QString::fromLatin1(key);
            QAction* a = addAction(toolbarIcon(name), QString());
            a->setObjectName(name);
            m_buttons.insert(name, a);
            group << a;
        }
        m_groups << group;
    }
    loadCaptions(this, [this] { loadTexts(); });
}

QAction* MainToolbar::button(const QString& key) const
{
    QAction* a = m_buttons.value(key);
    if (!a)
        qFatal("no toolbar button %s", qPrintable(key));
    return a;
}

void MainToolbar::showButtons(const QHash<QString, bool>& shown)
{
    for (auto it = shown.begin(); it != shown.end(); ++it)
        button(it.key())->setVisible(it.value());
    bool anyBefore = false;
    for (qsizetype g = 0; g < m_groups.size(); ++g) {
        const bool anyHere = std::any_of(m_groups[g].begin(), m_groups[g].end(), [](QAction* a) { return a->isVisible(); });
        if (g > 0)
            m_separators[g - 1]->setVisible(anyHere && anyBefore);
        anyBefore = anyBefore || anyHere;
    }
}

void MainToolbar::loadTexts()
{
    const auto put = [this](const char* key, const QString& tip) {
        QAction* a = button(QString::fromLatin1(key));
        setCaption(a, tip);
        varnox::setToolTip(a, tip);
    };
    put("Neu", GetText(2213, "Neues Projekt"));
    put("Oeffnen", GetText(2210, "Projekt öffnen"));
    put("Speichern", GetText(2440, "Projekt speichern"));
    put("Leser", GetText(2800, "Verwaltung der Leser"));
    put("Zutrittsprofile", GetText(116, "Verwaltung der Zutrittsprofile"));
    put("Funktionen", GetText(132, "Verwaltung der Funktionen"));
    put("Zeitzonen", GetText(155, "Verwaltung der Zeitzonen"));
    put("Leserzuordnung", GetText(2441, "Zuordnung der Leser"));
    put("Schluessel", GetText(2442, "Verwaltung der Schlüssel"));
    put("COM", GetText(2443, "Konfigurieren der seriellen Verbindungen"));
    put("Datenuebertragung", pageCaption(8));
    put("Monitor", pageCaption(9));
    put("Drucken", GetText(185, "Tagesprotokoll drucken"));
    put("Ende", GetText(2444, "Programm beenden"));
}

}  // namespace varnox
