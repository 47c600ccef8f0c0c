#include "core/view_toggle.h"

#include "core/frame.h"

namespace tolvar {

void ToggleView(Frame& frame, std::string_view item, ViewWindow window)
{
    UiPort& ui = frame.ui();
    if (ui.isChecked(item)) {
        ui.setChecked(item, false);
        ui.hideWindow(window);
    } else {
        ui.setChecked(item, true);
        ui.showAndDraw(window);
    }
}

} // namespace tolvar
