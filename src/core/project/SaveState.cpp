#include "core/project/SaveState.h"

namespace varnox {

SaveState& SaveState::instance()
{
    static SaveState state;
    return state;
}

void SaveState::set(bool saved)
{
    m_saved = saved;
    emit savedChanged(saved);
}

void SetSaved(bool saved) { SaveState::instance().set(saved); }

}  // namespace varnox
