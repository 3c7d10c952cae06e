#pragma once

#include "core/model/ProjectWork.h"

#include <QDateTime>
#include <QList>

#include <optional>

namespace varnox {

// A key as the keys page holds it when a button asks for a write.
struct KeyForm {
    QString number;     // TxtKeyNr, as entered or learned
    QString name;       // TxtKeyBez
    QString shortName;  // TxtKeyKurz; an empty field leaves a stored short name
    QString profile;    // CmbKeyPro; empty: none chosen
    bool dropProfile = false;  // CheckKeyPro "Zuordnung zum Zutrittsprofil entfernen"
    bool fixedPeriod = false;  // chkTimeAbsolut "Fester Zeitraum"
    QString startText;         // the value labels of the period
    QString endText;
};

// A key as stored.
struct KeyRecord {
    QString number;
    QString name;
    QString shortName;
    QString profile;  // empty: no link
    bool fixedPeriod = false;
    std::optional<QDateTime> start;
    std::optional<QDateTime> end;
};

// An entry of the key list; `linked` tells whether the key has a profile
// (only looked up when asked for).
struct KeyEntry {
    QString name;
    bool linked = false;
};

// The input checks of add and change, in their order; each failure names
// the field that gets the focus.
Outcome checkKeyForm(const KeyForm& form);

// Add, change and remove as the keys page's buttons ask. A key count of the
// readers follows every change of a link. Each is one transaction: a
// refusal of the database leaves the project as it was. Some outcomes carry
// a message although the work is stored (`stored`): a key added or changed
// while its new profile reaches a full decentral reader keeps the link it
// had, the rest of the key is stored; a reader found counting no keys
// although it should is reported and counted afresh.
WriteResult addKey(const QString& workCopy, const KeyForm& form);
WriteResult changeKey(const QString& workCopy, const KeyForm& form);
WriteResult removeKey(const QString& workCopy, const QString& number);

// A key by its name (a click in the list), or by its number (the desk reader
// learns one; the number is normalised first). nullopt when there is none.
Outcome loadKey(const QString& workCopy, const QString& name, std::optional<KeyRecord>& key);
Outcome lookUpKeyByNumber(const QString& workCopy, const QString& number, std::optional<KeyRecord>& key);

// Every key with all it holds, in stored order.
Outcome readAllKeys(const QString& workCopy, QList<KeyRecord>& keys);

// Every key in stored order; with `withLinks` each entry tells whether the
// key is linked with a profile.
Outcome readKeyList(const QString& workCopy, bool withLinks, QList<KeyEntry>& keys);

// Test data: keys numbered 0 to count - 1 in decimal digits, named
// "Schlüssel " and the number as six digits, without profiles; all or none.
constexpr int kMaxTestKeys = 999999;
QString testKeyNumber(int i);
QString testKeyName(int i);
Outcome createTestKeys(const QString& workCopy, int count);
Message testKeysCreatedMessage();
Message testKeysFailedMessage();

}  // namespace varnox
