#pragma once

#include <QString>

namespace varnox {

enum class ReaderType { Em = 0, Mifare = 1 };
constexpr int kReaderTypeCount = 2;

// A reader in dezentraler Modus keeps its keys itself, at most this many.
constexpr int kMaxDecentralKeys = 250;

enum class ReaderMode { None, Central, Decentral };

// The extended settings a reader receives with its data. They are worked on
// in the extended-settings dialog and reach the reader's row with the next
// create or change.
struct ReaderSettings {
    static constexpr int kMaxRelayTime = 32;  // seconds; 0 = off

    int rsz = 3;  // relay operating time
    bool progSp = true;
    bool toe = true;
    bool akustik = true;

    bool operator==(const ReaderSettings&) const = default;
};

// One row of Leser.
struct Reader {
    int type = -1;  // list position; -1 when the row holds none
    QString serial;
    QString name;
    int busLine = 0;
    int address = 0;
    bool central = true;
    int function = 0;  // linked function of a decentral reader: 1 or 2; 0 when central
    int keyCount = 0;
    ReaderSettings settings;
    bool modify = true;
    int timeRecording = 0;  // 0 no, 1 entrance, 2 exit
};

// The reader page at the moment an operation starts. List positions are -1
// while nothing is chosen.
struct ReaderForm {
    int type = -1;
    QString name;
    QString serial;
    int busPosition = -1;
    int address = -1;
    ReaderMode mode = ReaderMode::None;
    int function = -1;
    int timeRecording = 0;
    ReaderSettings settings;
};

// A line of a list of readers. Names need not be unique: a choice in such a
// list stands for its serial number.
struct ReaderListEntry {
    QString name;
    QString serial;
    bool central = true;

    bool operator==(const ReaderListEntry&) const = default;
};

// The object names of the reader page's fields; a failed check puts the
// focus on one of them.
struct ReaderField {
    static constexpr const char* type = "CmbLesTyp";
    static constexpr const char* name = "TxtLesName";
    static constexpr const char* serial = "TxtLesSn";
    static constexpr const char* newSerial = "TxtLesSnNeu";
    static constexpr const char* busLine = "CmbLesCom";
    static constexpr const char* address = "CmbLesAs";
    static constexpr const char* central = "OptLesModz";
    static constexpr const char* decentral = "OptLesMods";
    static constexpr const char* function = "CmbLesFkt";
};

}  // namespace varnox
