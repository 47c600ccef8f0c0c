#pragma once

#include <cstdint>

namespace tolvar {

// The window of the map that both wireframe views show, and the direction it
// is seen from. Set by the first operation, then only by the view controls.
struct ViewState {
    std::int32_t ViewSize = 0;
    std::int32_t ViewRotation = 0;
    std::int32_t ViewStepsDown = 0;
    std::int32_t ViewStepsRight = 0;

    bool operator==(const ViewState&) const = default;
};

} // namespace tolvar
