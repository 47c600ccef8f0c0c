#pragma once

#include "core/grid.h"
#include "sculpt/stroke.h"
#include "surface/rgb_image.h"
#include "views/height_ramp.h"

#include <string>

namespace tolvar {

// How the Sculpt view colours the map: the height ramp shaded by a light
// from the north-west, or unshaded with a contour line every `interval`
// height units.
struct SculptLook {
    bool contours = false;
    int interval = 100;
};

// The slope at a cell in height units per cell, toward the east (columns)
// and the north (rows), by Horn's weighting of the 3 x 3 cells around it;
// at the edge of the map the edge cells stand in for the missing ones.
struct Gradient {
    double east = 0;
    double north = 0;
};
Gradient HornGradient(const Grid& map, int rows, int cols, int row, int col);

// The map at one pixel per cell, oriented as the plan: row `rows` at the
// top, column 1 at the left. Paints the cells of `cells` only, into a
// picture of cols x rows pixels; cells above GameHeightLimit unshaded, in
// AboveGameLimit's colour.
class SculptPicture {
public:
    SculptPicture(const Grid& map, int rows, int cols, const HeightRamp& ramp, SculptLook look);

    void paint(const CellRect& cells, RgbImage& picture) const;

private:
    Rgb shaded(int row, int col) const;
    Rgb contoured(int row, int col) const;

    const Grid& map_;
    int rows_;
    int cols_;
    const HeightRamp& ramp_;
    SculptLook look_;
};

// The status line for the cell under the cursor: "Row 12  Column 40
// Height 1234  Slope 12.5"; empty off the map.
std::string SculptStatusText(const Grid& map, int rows, int cols, int row, int col);

} // namespace tolvar
