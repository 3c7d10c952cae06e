#pragma once

#include "core/shell/Message.h"

namespace varnox {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// The person at the desk, as a procedure of the core sees them when it has to
// tell or ask something in the middle of its work. Windows answer with message
// boxes; tests answer from a script.
class Operator {
public:
    virtual ~Operator() = default;
    virtual Answer ask(const Message& message, Buttons buttons) = 0;
    void tell(const Message& message) { ask(message, Buttons::Ok); }
};

}  // namespace varnox
