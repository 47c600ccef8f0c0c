#pragma once

#include "core/grid.h"
#include "core/map_document.h"
#include "sculpt/brush.h"
#include "sculpt/pull_tiles.h"

#include <cstdint>
#include <vector>

namespace tolvar {

// A point of a stroke's path in hundredths of a cell, the resolution a
// stroke line writes: the live stroke and its replay meet the same points.
struct PathPoint {
    std::int32_t row = 0;
    std::int32_t col = 0;

    bool operator==(const PathPoint&) const = default;
};

// How far from the map a point of a path may lie, in hundredths: far enough
// for any mouse, near enough for the squares of the stroke's arithmetic.
inline constexpr std::int32_t FarthestHundredths = 1'000'000;

// The nearest point of the path to a position in cells, half to even, kept
// within FarthestHundredths.
PathPoint PathPointAt(double row, double col);

// One stroke of a brush over the map, from the press to the release.
//
// Each cell keeps the strongest pull it has met in the stroke: the brush
// weight at the cell's distance from the nearest point of the path so far,
// and the cell's height is its height at the press moved toward the brush's
// target by that pull times the strength. The path's segments count whole,
// not the dabs where the mouse reported, so the result does not depend on
// how often it reports. Going over a place again in the same stroke does
// not pull it further; a second stroke does. The document hears of every
// dab's cells.
class Stroke {
public:
    // base holds the heights at the press, and must outlive the stroke.
    Stroke(MapDocument& map, const Grid& base, const BrushSettings& settings, PathPoint press);

    // Extends the path to `point` and returns the cells whose heights may
    // have changed. A Ramp's path is its press and the latest point only.
    CellRect moveTo(PathPoint point);

    // Every cell the stroke has reached so far.
    const CellRect& touched() const { return touched_; }
    const BrushSettings& settings() const { return settings_; }
    const std::vector<PathPoint>& path() const { return path_; }

private:
    CellRect extendTo(PathPoint point);
    CellRect pullAlong(PathPoint a, PathPoint b);
    CellRect reach(PathPoint a, PathPoint b) const;
    double targetAt(int row, int col, double along) const;
    double meanAround(int row, int col) const;
    Height baseAt(PathPoint point) const;
    void restore(const CellRect& cells);

    MapDocument& document_;
    Grid& map_;
    const Grid& base_;
    int rows_;
    int cols_;
    BrushSettings settings_;
    std::vector<PathPoint> path_;
    PullTiles pull_;
    // A Ramp's cells as its latest move left them.
    CellRect rampCells_;
    CellRect touched_;
};

} // namespace tolvar
