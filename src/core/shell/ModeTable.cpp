#include "core/shell/ModeTable.h"

#include <QStringList>

namespace varnox {
namespace {

// The modes a rule allows, one bit per mode.
constexpr unsigned kObs = 1U << 0;
constexpr unsigned kStd = 1U << 1;
constexpr unsigned kKonf = 1U << 2;
constexpr unsigned kAll = kObs | kStd | kKonf;

struct Rule {
    const char* name;
    unsigned modes;
};

// The item of the current mode is the one that is disabled, except in
// Konfigurationsmodus, which leaves the way down to both other modes open.
constexpr Rule kMenu[] = {
    {"Neues_Projekt", kKonf},
    {"Projekt_oeffnen", kStd | kKonf},
    {"Speichern", kKonf},
    {"Speichern_unter", kKonf},
    {"Monitor_anzeigen", kAll},
    {"Beenden", kAll},
    {"Leser", kKonf},
    {"Zutrittsprofile", kKonf},
    {"Funktionen", kKonf},
    {"Zeitzonen", kKonf},
    {"Zuordnung_der_Leser", kKonf},
    {"Schluessel", kStd | kKonf},
    {"Kommunikation", kKonf},
    {"Datenuebertragung", kStd | kKonf},
    {"Allgemein", kKonf},
    {"Sicherheit", kKonf},
    {"Fernwartung", kKonf},
    {"Protokoll_drucken", kAll},
    {"Keyliste_drucken", kStd | kKonf},
    {"Schluesseluebersicht", kStd | kKonf},
    {"Beobachtungsmodus", kStd | kKonf},
    {"Standardmodus", kObs | kKonf},
    {"Konfigurationsmodus", kObs | kStd},
    {"Moduspasswort_aendern", kKonf},
    {"Willkommen", kKonf},
    {"Info_ueber", kAll},
};

// Welcome, readers, profiles, functions, zones, assignment, keys,
// connections, data transfer, monitoring.
constexpr unsigned kPages[kPageCount] = {kKonf, kKonf, kKonf, kKonf, kKonf, kKonf, kStd | kKonf, kKonf, kStd | kKonf, kAll};

constexpr Rule kToolbar[] = {
    {"Neu", kKonf},
    {"Oeffnen", kStd | kKonf},
    {"Speichern", kStd | kKonf},
    {"Leser", kKonf},
    {"Zutrittsprofile", kKonf},
    {"Funktionen", kKonf},
    {"Zeitzonen", kKonf},
    {"Leserzuordnung", kKonf},
    {"Schluessel", kStd | kKonf},
    {"COM", kKonf},
    {"Datenuebertragung", kStd | kKonf},
    {"Monitor", kAll},
    {"Drucken", kAll},
    {"Ende", kAll},
};

unsigned bitOf(Mode mode) { return mode == Mode::None ? 0U : 1U << (int(mode) - 1); }

template <size_t N>
QHash<QString, bool> apply(const Rule (&rules)[N], unsigned bit)
{
    QHash<QString, bool> out;
    for (const Rule& r : rules)
        out.insert(QString::fromLatin1(r.name), (r.modes & bit) != 0);
    return out;
}

template <size_t N>
QStringList names(const Rule (&rules)[N])
{
    QStringList out;
    for (const Rule& r : rules)
        out << QString::fromLatin1(r.name);
    return out;
}

}  // namespace

ModeLayout layoutFor(Mode mode, bool projectGivenAtStart, bool projectOpen)
{
    const unsigned bit = bitOf(mode);
    ModeLayout layout;
    layout.menuEnabled = apply(kMenu, bit);
    layout.buttonShown = apply(kToolbar, bit);
    for (int i = 0; i < kPageCount; ++i)
        layout.pageAvailable[size_t(i)] = (kPages[i] & bit) != 0;
    layout.saveButtonAllowed = true;
    layout.selectedPage = mode == Mode::Konfiguration ? kWelcomePage : kMonitorPage;

    // A project named on the command line stays the project of this run,
    // whatever mode the operator switches to later.
    if (projectGivenAtStart && mode != Mode::Beobachtung) {
        for (const char* item : {"Neues_Projekt", "Projekt_oeffnen", "Speichern_unter"})
            layout.menuEnabled[QString::fromLatin1(item)] = false;
        layout.buttonShown[QStringLiteral("Neu")] = false;
        layout.buttonShown[QStringLiteral("Oeffnen")] = false;
    }
    if (projectGivenAtStart && !projectOpen) {
        layout.menuEnabled[QStringLiteral("Speichern")] = false;
        layout.saveButtonAllowed = false;
    }
    return layout;
}

QStringList modeMenuItems() { return names(kMenu); }
QStringList modeToolbarKeys() { return names(kToolbar); }

}  // namespace varnox
