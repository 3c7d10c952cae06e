#pragma once

#include "core/model/Reader.h"
#include "core/shell/Message.h"

#include <QStringList>
#include <optional>

namespace varnox {

// The kinds of function, as stored in FTyp.
enum class FunctionKind { None = -1, DoorOpener = 0, Control = 1, Free = 2 };
enum class ProtocolLength { None, Short, Long };

constexpr int kMaxFunctionNameLength = 50;

// The function page at the moment an operation starts; list positions are
// -1 while nothing is chosen.
struct FunctionForm {
    QString name;
    int busPosition = -1;
    FunctionKind kind = FunctionKind::None;
    QString readerSerial;    // door opener: the reader's serial number
    QString serial;          // control function: the device's serial number
    int controlNumber = -1;  // control function: list position, number - 1
    ProtocolLength length = ProtocolLength::None;
    QString content;  // free protocol
};

// A stored function as the page shows it. `warning` tells what could not be
// shown of a function that no longer fits its kind or lost its reader.
struct FunctionView {
    FunctionForm form;
    QList<ReaderListEntry> readers;  // door opener: the readers of its bus line
    int address = -1;                // door opener: the address its telegram names
    std::optional<Message> warning;
};

// The object names of the function page's fields; a failed check puts the
// focus on one of them.
struct FunctionField {
    static constexpr const char* name = "TxtFktName";
    static constexpr const char* busLine = "CmbFktCom";
    static constexpr const char* kind = "OptFktToe";
    static constexpr const char* reader = "CmbFktnToe";
    static constexpr const char* serial = "TxtFktSn";
    static constexpr const char* controlNumber = "CmbFktStFkt";
    static constexpr const char* length = "OptFktFreiK";
    static constexpr const char* content = "TxtFktInhalt";
};

}  // namespace varnox
