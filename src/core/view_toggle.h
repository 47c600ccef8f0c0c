#pragma once

#include "core/ui_port.h"

#include <string_view>

namespace tolvar {

class Frame;

// A View menu item of a view window: unchecking hides the window without
// drawing; checking shows it and draws the view at once.
void ToggleView(Frame& frame, std::string_view item, ViewWindow window);

} // namespace tolvar
