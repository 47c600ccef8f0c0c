#pragma once

#include "core/command.h"
#include "core/ui_port.h"
#include "views/colour_scheme.h"

namespace tolvar {

class Frame;

// The six navigation buttons. A step that would take the viewed window off
// the map is undone and nothing is redrawn; every accepted step redraws all
// checked views.
void btnUpClick(Frame& frame);
void btnDownClick(Frame& frame);
void btnLeftClick(Frame& frame);
void btnRightClick(Frame& frame);
void btnRotLeftClick(Frame& frame);
void btnRotRightClick(Frame& frame);

// View > Wireframe Options size items: 128, 64 or 32 cells on a side. The
// two larger ones return the window to the top-left corner of the plan.
void N1280Click(Frame& frame);
void N640Click(Frame& frame);
void N320Click(Frame& frame);
// What a resize of a wireframe window does: a click on the checked size item.
void ClickCheckedSizeItem(Frame& frame);

// The colour-scheme items redraw the checked wireframe views, not the plan.
void Green1Click(Frame& frame);
void Black1Click(Frame& frame);
void Contour1Click(Frame& frame);
void Contour2Click(Frame& frame);
ColourScheme CheckedScheme(const UiPort& ui);

// Wireframe Options > Filled toggles its check mark, kept apart from the
// schemes, and redraws the checked wireframe views as they do.
void Filled1Click(Frame& frame);
MeshFill CheckedFill(const UiPort& ui);

// Toggles the check mark only; the next redraw shows the change.
void ZoomOverlay1Click(Frame& frame);

// The six buttons and the Wireframe Options items.
CommandTable ViewCommands();

} // namespace tolvar
