#include "effects/height_filters.h"

#include "core/error.h"
#include "effects/map_operation.h"

#include <algorithm>
#include <cstdint>

namespace tolvar {
namespace {

// Sets every cell of rows first..rows and columns first..cols to the low
// 16 bits of rule(cell).
template <typename Rule> void rewriteCells(Grid& map, int first, int rows, int cols, Rule rule)
{
    for (int r = first; r <= rows; ++r) {
        Height* cells = map.row(r);
        for (int c = first; c <= cols; ++c)
            cells[c] = static_cast<Height>(rule(cells[c]));
    }
}

// The sum of the snapshot's cells in rows r0..r1 and columns c0..c1.
std::int32_t blockSum(const Grid& old, int r0, int r1, int c0, int c1)
{
    std::int32_t sum = 0;
    for (int r = r0; r <= r1; ++r) {
        const Height* cells = old.row(r);
        for (int c = c0; c <= c1; ++c)
            sum += cells[c];
    }
    return sum;
}

// Every new value comes from the snapshot, so no cell sees a neighbour's
// new value. The edge windows reach into the snapshot's border lines and
// still divide by 6; the corners keep the value of the top and bottom rows.
void smooth(const Grid& old, Grid& map, int rows, int cols)
{
    for (int r = 2; r < rows; ++r) {
        const Height* above = old.row(r - 1);
        const Height* middle = old.row(r);
        const Height* below = old.row(r + 1);
        Height* out = map.row(r);
        for (int c = 2; c < cols; ++c) {
            const std::int32_t sum = above[c - 1] + above[c] + above[c + 1] + middle[c - 1] + middle[c] +
                                     middle[c + 1] + below[c - 1] + below[c] + below[c + 1];
            out[c] = static_cast<Height>(sum / 9);
        }
    }
    for (int r = 1; r <= rows; ++r) {
        map(r, 1) = static_cast<Height>(blockSum(old, r - 1, r + 1, 1, 2) / 6);
        map(r, cols) = static_cast<Height>(blockSum(old, r - 1, r + 1, cols - 1, cols) / 6);
    }
    for (int c = 1; c <= cols; ++c) {
        map(1, c) = static_cast<Height>(blockSum(old, 1, 2, c - 1, c + 1) / 6);
        map(rows, c) = static_cast<Height>(blockSum(old, rows - 1, rows, c - 1, c + 1) / 6);
    }
}

// Each target lies up and to the left of its source, where the sweep has
// already been, so nothing cascades within one pass.
void wind(Grid& map, int rows, int cols)
{
    for (int r = 2; r <= rows; ++r) {
        const Height* source = map.row(r);
        Height* target = map.row(r - 1);
        for (int c = 2; c <= cols; ++c)
            if (source[c] > target[c - 1])
                target[c - 1] = static_cast<Height>(source[c] + 1);
    }
}

// The cell of rows first..rows and columns first..cols that pick keeps,
// starting from start.
template <typename Pick> Height extreme(const Grid& map, int first, int rows, int cols, Height start, Pick pick)
{
    Height found = start;
    for (int r = first; r <= rows; ++r) {
        const Height* cells = map.row(r);
        for (int c = first; c <= cols; ++c)
            found = pick(found, cells[c]);
    }
    return found;
}

} // namespace

void Smooth1Click(Frame& frame)
{
    RewriteMap(frame, {"Smz"}, [](AppState& s) { smooth(s.UndoMap, s.HeightMap, s.MapRows, s.MapCols); });
}

void Wind1Click(Frame& frame)
{
    RewriteMap(frame, {}, [](AppState& s) { wind(s.HeightMap, s.MapRows, s.MapCols); });
}

// The top border row and left border column take part.
void Invert1Click(Frame& frame)
{
    RewriteMap(frame, {"Inv"}, [](AppState& s) {
        const Height top =
            extreme(s.HeightMap, 0, s.MapRows, s.MapCols, 0, [](Height a, Height b) { return std::max(a, b); });
        rewriteCells(s.HeightMap, 0, s.MapRows, s.MapCols, [top](Height h) { return top - h; });
    });
}

void Increase1Click(Frame& frame)
{
    RewriteMap(frame, {"Inc"}, [](AppState& s) {
        // Only the low 16 bits are kept, so the product may wrap in 32 bits.
        const auto factor = static_cast<std::uint32_t>(s.params.Steepness);
        rewriteCells(s.HeightMap, 1, s.MapRows, s.MapCols, [factor](Height h) { return h * factor; });
    });
}

void Reduce1Click(Frame& frame)
{
    RewriteMap(frame, {"Rdc"}, [](AppState& s) {
        const std::int32_t divisor = s.params.Steepness;
        if (divisor == 0)
            throw Error("Division by zero");
        rewriteCells(s.HeightMap, 1, s.MapRows, s.MapCols, [divisor](Height h) { return std::int32_t{h} / divisor; });
    });
}

void Flood1Click(Frame& frame)
{
    RewriteMap(frame, {"Sea=" + frame.ui().text(Box::ediSeaLevel), "Fld"}, [](AppState& s) {
        const std::int32_t sea = s.params.SeaLevel;
        rewriteCells(s.HeightMap, 0, s.MapRows, s.MapCols,
                     [sea](Height h) { return h < sea ? 0u : std::uint32_t{h} - static_cast<std::uint32_t>(sea); });
    });
}

void Lower1Click(Frame& frame)
{
    frame.LogCommand("Low");
    frame.BusyCursorOn();
    frame.BeginOperation();
    AppState& s = frame.state();
    const Height lowest =
        extreme(s.HeightMap, 1, s.MapRows, s.MapCols, 65535, [](Height a, Height b) { return std::min(a, b); });
    rewriteCells(s.HeightMap, 1, s.MapRows, s.MapCols, [lowest](Height h) { return h - lowest; });
    frame.RefreshViews();
    frame.BusyCursorOff();
}

// Two draws per cell keep seeded sequences stable: the second has range 1
// and always yields 0, so the noise only raises. The top border row takes
// part, the left border column does not.
void AddNoise1Click(Frame& frame)
{
    RewriteMap(frame, {}, [](AppState& s) {
        Random& random = s.random;
        const std::int32_t range = s.params.Steepness;
        for (int r = 0; r <= s.MapRows; ++r) {
            Height* cells = s.HeightMap.row(r);
            for (int c = 1; c <= s.MapCols; ++c) {
                const auto amount = static_cast<std::uint32_t>(random.RandomInt(range));
                random.RandomInt(1);
                cells[c] = static_cast<Height>(cells[c] + amount);
            }
        }
    });
}

} // namespace tolvar
