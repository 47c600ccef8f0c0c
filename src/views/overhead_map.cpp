#include "views/overhead_map.h"

#include "core/number_text.h"

#include <algorithm>

namespace tolvar {

RgbImage NewOverheadBitmap(const AppState& state)
{
    RgbImage plan;
    plan.resize(state.MapCols + 1, state.MapRows + 1);
    return plan;
}

MapStatistics DrawOverheadMap(const AppState& state, RgbImage& plan)
{
    const int rows = state.MapRows;
    const int cols = state.MapCols;
    if (plan.width != cols + 1 || plan.height != rows + 1)
        plan = NewOverheadBitmap(state);

    MapStatistics stats;
    std::uint64_t sum = 0;
    for (int r = 1; r <= rows; ++r) {
        Rgb* line = &plan.at(0, rows + 1 - r);
        for (int c = 1; c <= cols; ++c) {
            const Height h = state.HeightMap(r, c);
            line[c] = PlanColour(h);
            sum += h;
            stats.max = std::max(stats.max, h);
            stats.min = std::min(stats.min, h);
            stats.aboveGameLimit += h > GameHeightLimit;
        }
    }
    const auto cells = static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(cols);
    stats.avg = cells == 0 ? 0 : sum / cells;
    return stats;
}

std::string MapInfoText(const MapStatistics& stats)
{
    std::string text = "Max = " + IntToStr(stats.max) + "  Min = " + IntToStr(stats.min) +
                       "  Avg = " + IntToStr(static_cast<std::int64_t>(stats.avg));
    if (stats.aboveGameLimit > 0)
        text += "  (above " + IntToStr(GameHeightLimit) +
                ": " + IntToStr(static_cast<std::int64_t>(stats.aboveGameLimit)) + ")";
    return text;
}

// The last pixel that starts at or before the point, i.e. the largest p with
// p * side < (point + 1) * pixels.
int PixelAtPoint(int point, int pixels, int side)
{
    return ((point + 1) * pixels - 1) / side;
}

RgbImage StretchPlan(const RgbImage& plan, int side)
{
    RgbImage view;
    view.resize(side, side);
    if (plan.pixels.empty())
        return view;
    for (int y = 0; y < side; ++y) {
        const int py = PixelAtPoint(y, plan.height, side);
        for (int x = 0; x < side; ++x)
            view.at(x, y) = plan.at(PixelAtPoint(x, plan.width, side), py);
    }
    return view;
}

PlanCell PlanCellAt(const RgbImage& plan, int x, int y, int side)
{
    const int px = PixelAtPoint(std::clamp(x, 0, side - 1), plan.width, side);
    const int py = PixelAtPoint(std::clamp(y, 0, side - 1), plan.height, side);
    // The plan is MapRows + 1 pixels high.
    return {plan.height - py, px};
}

std::string PointInfoText(const Grid& map, PlanCell cell)
{
    return "(" + IntToStr(cell.row) + "," + IntToStr(cell.col) + "):" + IntToStr(map(cell.row, cell.col));
}

} // namespace tolvar
