#pragma once

namespace tolvar {

class Frame;

// Effects > Special > Shift (a hidden submenu). Every step takes the undo
// snapshot; only (-1, 0) moves the map: Shift columns toward column 1, with
// the top border row and left border column, without redrawing the views.
void ShiftMap(Frame& frame, int columnStep, int rowStep);

void Left1Click(Frame& frame);
void Right1Click(Frame& frame);
void Up1Click(Frame& frame);
void Down1Click(Frame& frame);

} // namespace tolvar
