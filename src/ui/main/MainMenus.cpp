#include "ui/main/MainMenus.h"

#include "core/lang/Texts.h"
#include "core/shell/Modes.h"
#include "ui/common/Captions.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/main/PageCaptions.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace varnox {

MainMenus::MainMenus(QMainWindow* window) : QObject(window), m_window(window)
{
    QMenu* projekt = addMenu("projekt");
    for (const char* name : {"Neues_Projekt", "Projekt_oeffnen", "Speichern", "Speichern_unter"})
        addItem(projekt, name);
    projekt->addSeparator();
    addItem(projekt, "Monitor_anzeigen");
    projekt->addSeparator();
    addItem(projekt, "Beenden");

    QMenu* verwaltung = addMenu("Verwaltung");
    for (const char* name : {"Leser", "Zutrittsprofile", "Funktionen", "Zeitzonen", "Zuordnung_der_Leser", "Schluessel",
                             "Kommunikation", "Datenuebertragung"})
        addItem(verwaltung, name);

    QMenu* system = addMenu("System");
    for (const char* name : {"Allgemein", "Sprache", "Sicherheit", "Fernwartung"})
        addItem(system, name);
    bindLanguageMenuItem(item(QStringLiteral("Sprache")));

    QMenu* drucken = addMenu("Drucken");
    for (const char* name : {"Protokoll_drucken", "Keyliste_drucken", "Schluesseluebersicht"})
        addItem(drucken, name);

    QMenu* modus = addMenu("Modus");
    for (const char* name : {"Beobachtungsmodus", "Standardmodus", "Konfigurationsmodus"})
        addItem(modus, name);
    modus->addSeparator();
    addItem(modus, "Moduspasswort_aendern");

    QMenu* hilfe = addMenu("Hilfe");
    addItem(hilfe, "Willkommen");
    hilfe->addSeparator();
    addItem(hilfe, "Info_ueber");

    loadCaptions(window, [this] { loadTexts(); });
}

QMenu* MainMenus::addMenu(const char* name)
{
    QMenu* m = m_window->menuBar()->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
    m_menus.insert(m->objectName(), m);
    return m;
}

QAction* MainMenus::addItem(QMenu* menu, const char* name)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    m_items.insert(a->objectName(), a);
    return a;
}

QAction* MainMenus::item(const QString& name) const
{
    QAction* a = m_items.value(name);
    if (!a)
        qFatal("no menu item %s", qPrintable(name));
    return a;
}

QMenu* MainMenus::menu(const QString& name) const
{
    QMenu* m = m_menus.value(name);
    if (!m)
        qFatal("no menu %s", qPrintable(name));
    return m;
}

void MainMenus::loadTexts()
{
    const auto put = [this](const char* name, const QString& text) {
        const QString key = QString::fromLatin1(name);
        setCaption(m_menus.contains(key) ? static_cast<QObject*>(m_menus.value(key)) : item(key), text);
    };
    put("projekt", GetText(2040, "&Projekt"));
    put("Neues_Projekt", GetText(2213, "Neues Projekt"));
    put("Projekt_oeffnen", GetText(2210, "Projekt öffnen"));
    put("Speichern", GetText(10, "Speichern"));
    put("Speichern_unter", GetText(2420, "Speichern unter"));
    put("Monitor_anzeigen", pageCaption(9));
    put("Beenden", GetText(668, "Beenden"));

    put("Verwaltung", GetText(2410, "&Verwaltung"));
    put("Leser", pageCaption(1));
    put("Zutrittsprofile", pageCaption(2));
    put("Funktionen", pageCaption(3));
    put("Zeitzonen", pageCaption(4));
    put("Zuordnung_der_Leser", pageCaption(5));
    put("Schluessel", pageCaption(6));
    put("Kommunikation", pageCaption(7));
    put("Datenuebertragung", pageCaption(8));

    put("System", GetText(2041, "&Einstellungen"));
    put("Allgemein", GetText(2000, "Allgemein"));
    put("Sprache", GetText(2429, "Sprachauswahl"));
    put("Sicherheit", GetText(2430, "Sicherheit"));
    put("Fernwartung", GetText(2431, "Fernwartung"));

    put("Drucken", GetText(2042, "&Drucken"));
    put("Protokoll_drucken", GetText(2010, "Tagesprotokoll"));
    put("Keyliste_drucken", GetText(2432, "Komplette Schlüsselliste"));
    put("Schluesseluebersicht", GetText(621, "Schlüsselzuordnung"));

    put("Modus", GetText(2411, "&Modus"));
    put("Beobachtungsmodus", modeName(Mode::Beobachtung));
    put("Standardmodus", modeName(Mode::Standard));
    put("Konfigurationsmodus", modeName(Mode::Konfiguration));
    put("Moduspasswort_aendern", GetText(2433, "Moduspasswort ändern"));

    put("Hilfe", GetText(2412, "&Hilfe"));
    put("Willkommen", pageCaption(0));
    put("Info_ueber", GetText(2435, "Info"));
}

}  // namespace varnox
