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
        // A window that cannot show (no OpenGL for the 3D View) stays unchecked.
        ui.showAndDraw(window);
        ui.setChecked(item, true);
    }
}

} // namespace tolvar
