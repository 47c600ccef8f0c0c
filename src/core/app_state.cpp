#include "core/app_state.h"

#include <memory>

namespace tolvar {

AppState& appState()
{
    static AppState state;
    return state;
}

// In place, so that references to the state stay valid.
void resetAppState()
{
    AppState* state = &appState();
    std::destroy_at(state);
    std::construct_at(state);
}

} // namespace tolvar
