#pragma once

namespace tolvar {

class Frame;

// File > Bitmap > Open Bitmap: the picture's height sets the map size, map
// row r takes picture row MapRows - r (counted from the top) and map column
// s picture column s. The three items differ in how a colour becomes a
// height. Pictures lower than 2 or higher than 512 pixels are refused before
// anything changes.
void OpenBitmapAveraged(Frame& frame);
void OpenBitmapDivided(Frame& frame);
void OpenBitmapMasked(Frame& frame);

} // namespace tolvar
