#include "sculpt/stroke.h"

#include <algorithm>
#include <cmath>

namespace tolvar {
namespace {

constexpr std::int64_t Hundredths = 100;

// Floor and ceiling of a / 100 for either sign.
std::int64_t floorCells(std::int64_t a)
{
    return a >= 0 ? a / Hundredths : -((-a + Hundredths - 1) / Hundredths);
}
std::int64_t ceilCells(std::int64_t a)
{
    return -floorCells(-a);
}

struct SegmentSpot {
    // Squared distance in hundredths, and the share of the way from a to b
    // of the nearest point.
    double distance2;
    double along;
};

SegmentSpot spotOn(std::int64_t row, std::int64_t col, PathPoint a, PathPoint b)
{
    const std::int64_t vr = row - a.row, vc = col - a.col;
    const std::int64_t dr = b.row - a.row, dc = b.col - a.col;
    const std::int64_t length2 = dr * dr + dc * dc;
    const std::int64_t dot = vr * dr + vc * dc;
    if (length2 == 0 || dot <= 0)
        return {static_cast<double>(vr * vr + vc * vc), 0.0};
    if (dot >= length2) {
        const std::int64_t wr = row - b.row, wc = col - b.col;
        return {static_cast<double>(wr * wr + wc * wc), 1.0};
    }
    const double cross = static_cast<double>(vr * dc - vc * dr);
    return {cross * cross / static_cast<double>(length2), static_cast<double>(dot) / static_cast<double>(length2)};
}

Height clampedHeight(double value)
{
    return static_cast<Height>(std::clamp(std::nearbyint(value), 0.0, 65535.0));
}

} // namespace

PathPoint PathPointAt(double row, double col)
{
    const auto near = [](double cells) {
        constexpr double farthest = FarthestHundredths;
        return static_cast<std::int32_t>(std::clamp(std::nearbyint(cells * Hundredths), -farthest, farthest));
    };
    return {near(row), near(col)};
}

Stroke::Stroke(MapDocument& map, const Grid& base, const BrushSettings& settings, PathPoint press)
    : document_(map), map_(map.heights()), base_(base), rows_(map.size().rows), cols_(map.size().cols),
      settings_(settings), path_{press}
{
    rampCells_ = pullAlong(press, press);
    document_.regionChanged(rampCells_);
}

CellRect Stroke::moveTo(PathPoint point)
{
    const CellRect cells = extendTo(point);
    document_.regionChanged(cells);
    return cells;
}

CellRect Stroke::extendTo(PathPoint point)
{
    if (settings_.kind != BrushKind::Ramp) {
        const PathPoint last = path_.back();
        path_.push_back(point);
        return pullAlong(last, point);
    }
    // A Ramp's slope runs from the press to wherever the mouse is now.
    const CellRect before = rampCells_;
    restore(before);
    path_.resize(1);
    path_.push_back(point);
    rampCells_ = pullAlong(path_.front(), point);
    return before.united(rampCells_);
}

// The cells within a radius of the segment ab, inside the map.
CellRect Stroke::reach(PathPoint a, PathPoint b) const
{
    const std::int64_t r = settings_.radius * Hundredths;
    const std::int64_t top = floorCells(std::max(a.row, b.row) + r), bottom = ceilCells(std::min(a.row, b.row) - r);
    const std::int64_t right = floorCells(std::max(a.col, b.col) + r), left = ceilCells(std::min(a.col, b.col) - r);
    if (bottom > rows_ || top < 1 || left > cols_ || right < 1 || rows_ < 1 || cols_ < 1)
        return {};
    const auto inMap = [](std::int64_t v, int highest) {
        return static_cast<int>(std::clamp<std::int64_t>(v, 1, highest));
    };
    return {inMap(bottom, rows_), inMap(top, rows_), inMap(left, cols_), inMap(right, cols_)};
}

CellRect Stroke::pullAlong(PathPoint a, PathPoint b)
{
    const CellRect cells = reach(a, b);
    const double strength = settings_.strength / 100.0;
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int col = cells.firstCol; col <= cells.lastCol; ++col) {
            const SegmentSpot spot = spotOn(row * Hundredths, col * Hundredths, a, b);
            const double weight = BrushWeight(std::sqrt(spot.distance2) / Hundredths, settings_);
            double& pull = pull_(row, col);
            if (weight <= pull)
                continue;
            pull = weight;
            const double base = base_(row, col);
            map_(row, col) = clampedHeight(base + weight * strength * (targetAt(row, col, spot.along) - base));
        }
    touched_ = touched_.united(cells);
    return cells;
}

// `along` places the cell's nearest point of the segment pulling it, from its
// start (0) to its end (1); a Ramp's segment runs from the press to the end.
double Stroke::targetAt(int row, int col, double along) const
{
    const double base = base_(row, col);
    switch (settings_.kind) {
    case BrushKind::Raise:
        return base + RaiseStep;
    case BrushKind::Lower:
        return base - RaiseStep;
    case BrushKind::Smooth:
        return meanAround(row, col);
    case BrushKind::Flatten:
        return baseAt(path_.front());
    case BrushKind::SetHeight:
        return settings_.target;
    case BrushKind::Ramp: {
        const double from = baseAt(path_.front());
        return from + along * (baseAt(path_.back()) - from);
    }
    }
    return base;
}

// The mean of the cell and its neighbours on the map, as they were at the press.
double Stroke::meanAround(int row, int col) const
{
    std::int64_t sum = 0;
    int count = 0;
    for (int r = std::max(row - 1, 1); r <= std::min(row + 1, rows_); ++r)
        for (int c = std::max(col - 1, 1); c <= std::min(col + 1, cols_); ++c) {
            sum += base_(r, c);
            ++count;
        }
    return static_cast<double>(sum) / count;
}

// The height at the press of the map cell nearest to a point of the path.
Height Stroke::baseAt(PathPoint point) const
{
    const auto nearest = [](std::int32_t at, int highest) {
        return static_cast<int>(std::clamp<std::int64_t>(floorCells(at + Hundredths / 2), 1, highest));
    };
    return base_(nearest(point.row, rows_), nearest(point.col, cols_));
}

void Stroke::restore(const CellRect& cells)
{
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int col = cells.firstCol; col <= cells.lastCol; ++col) {
            map_(row, col) = base_(row, col);
            pull_(row, col) = 0.0;
        }
}

} // namespace tolvar
