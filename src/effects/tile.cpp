#include "effects/tile.h"

#include "effects/map_operation.h"

#include <cmath>
#include <vector>

namespace tolvar {
namespace {

// The map shrunk by rowStep along the rows and colStep along the columns
// (each 1 or 2): rows 2i - 1 and 2i pair, as do columns 2j - 1 and 2j.
struct Shrunk {
    int rows;
    int cols;
    std::vector<Height> cells;

    Height at(int i, int j) const { return cells[static_cast<std::size_t>((i - 1) * cols + j - 1)]; }
};

Shrunk shrink(const Grid& map, int n, int rowStep, int colStep)
{
    Shrunk shrunk{n / rowStep, n / colStep, {}};
    shrunk.cells.reserve(static_cast<std::size_t>(shrunk.rows * shrunk.cols));
    const double count = rowStep * colStep;
    for (int i = 1; i <= shrunk.rows; ++i)
        for (int j = 1; j <= shrunk.cols; ++j) {
            int sum = 0;
            for (int r = rowStep * (i - 1) + 1; r <= rowStep * i; ++r)
                for (int c = colStep * (j - 1) + 1; c <= colStep * j; ++c)
                    sum += map(r, c);
            // The default rounding mode takes halves to the even neighbour.
            shrunk.cells.push_back(static_cast<Height>(std::nearbyint(sum / count)));
        }
    return shrunk;
}

void place(Grid& map, const Shrunk& shrunk, int rowOffset, int colOffset)
{
    for (int i = 1; i <= shrunk.rows; ++i)
        for (int j = 1; j <= shrunk.cols; ++j)
            map(rowOffset + i, colOffset + j) = shrunk.at(i, j);
}

enum class Source { LowHalf, HighHalf };

// True mirrors: column c pairs with column n + 1 - c.
void mirrorColumns(Grid& map, int n, Source source)
{
    for (int r = 1; r <= n; ++r) {
        Height* cells = map.row(r);
        for (int c = 1; c <= n / 2; ++c) {
            if (source == Source::LowHalf)
                cells[n + 1 - c] = cells[c];
            else
                cells[c] = cells[n + 1 - c];
        }
    }
}

void mirrorRows(Grid& map, int n, Source source)
{
    for (int r = 1; r <= n / 2; ++r) {
        const bool low = source == Source::LowHalf;
        const Height* from = map.row(low ? r : n + 1 - r);
        Height* to = map.row(low ? n + 1 - r : r);
        for (int c = 1; c <= n; ++c)
            to[c] = from[c];
    }
}

// The top-left quarter (rows n/2 + 1..n, columns 1..n/2) turned three times
// about the centre: (r, c) goes to (c, n + 1 - r).
void turnQuarter(Grid& map, int n)
{
    const int m = n + 1;
    for (int r = n / 2 + 1; r <= n; ++r)
        for (int c = 1; c <= n / 2; ++c) {
            const Height v = map(r, c);
            map(c, m - r) = v;
            map(m - r, m - c) = v;
            map(m - c, r) = v;
        }
}

enum class Axis { Columns, Rows };

// A half shrunk across the axis fills the source half; its mirror the other.
void reflectHalf(AppState& s, Axis axis, Source source)
{
    const int n = s.MapRows;
    const int offset = source == Source::HighHalf ? n / 2 : 0;
    if (axis == Axis::Columns) {
        place(s.HeightMap, shrink(s.HeightMap, n, 1, 2), 0, offset);
        mirrorColumns(s.HeightMap, n, source);
    } else {
        place(s.HeightMap, shrink(s.HeightMap, n, 2, 1), offset, 0);
        mirrorRows(s.HeightMap, n, source);
    }
}

void placeQuarter(AppState& s)
{
    place(s.HeightMap, shrink(s.HeightMap, s.MapRows, 2, 2), s.MapRows / 2, 0);
}

} // namespace

void Rotate2Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TRo"}, [](AppState& s) {
        placeQuarter(s);
        turnQuarter(s.HeightMap, s.MapRows);
    });
}

void BottomToTop2Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TBT"}, [](AppState& s) { reflectHalf(s, Axis::Rows, Source::LowHalf); });
}

void TopToBottom2Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TTB"}, [](AppState& s) { reflectHalf(s, Axis::Rows, Source::HighHalf); });
}

void LeftToRight2Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TLR"}, [](AppState& s) { reflectHalf(s, Axis::Columns, Source::LowHalf); });
}

void RightToLeft2Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TRL"}, [](AppState& s) { reflectHalf(s, Axis::Columns, Source::HighHalf); });
}

void N1Click(Frame& frame)
{
    BusyRewriteMap(frame, {"TBW"}, [](AppState& s) {
        placeQuarter(s);
        mirrorColumns(s.HeightMap, s.MapRows, Source::LowHalf);
        mirrorRows(s.HeightMap, s.MapRows, Source::HighHalf);
    });
}

} // namespace tolvar
