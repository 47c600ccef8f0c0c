#include "effects/reflect_rotate.h"

#include "effects/map_operation.h"

namespace tolvar {
namespace {

enum class Toward { LowEnd, HighEnd };

// Columns c and N - c for c = 1..HalfCols; the copy runs toward the given end.
void mirrorColumns(AppState& s, Toward toward)
{
    const int n = s.MapRows;
    const int half = s.params.HalfCols;
    for (int r = 1; r <= n; ++r) {
        Height* cells = s.HeightMap.row(r);
        for (int c = 1; c <= half; ++c) {
            if (toward == Toward::LowEnd)
                cells[c] = cells[n - c];
            else
                cells[n - c] = cells[c];
        }
    }
}

// Rows r and N - r for r = 1..HalfRows, columns 1..N.
void mirrorRows(AppState& s, Toward toward)
{
    const int n = s.MapRows;
    for (int r = 1; r <= s.params.HalfRows; ++r) {
        const Height* source = s.HeightMap.row(toward == Toward::LowEnd ? n - r : r);
        Height* target = s.HeightMap.row(toward == Toward::LowEnd ? r : n - r);
        for (int c = 1; c <= n; ++c)
            target[c] = source[c];
    }
}

enum class Turn { Left, Right };

// A left turn makes new[r][c] = old[n + 1 - c][r], a right turn
// new[r][c] = old[c][n + 1 - r]. Each turn moves every cell one step round a
// ring of four, one of which lies in the top-left quarter, so the rings are
// turned in place and no copy of the map is needed. The side is even.
void rotate(Grid& map, int n, Turn turn)
{
    const int m = n + 1;
    for (int r = 1; r <= n / 2; ++r)
        for (int c = 1; c <= n / 2; ++c) {
            Height& topLeft = map(r, c);
            Height& bottomLeft = map(m - c, r);
            Height& bottomRight = map(m - r, m - c);
            Height& topRight = map(c, m - r);
            const Height first = topLeft;
            if (turn == Turn::Left) {
                topLeft = bottomLeft;
                bottomLeft = bottomRight;
                bottomRight = topRight;
                topRight = first;
            } else {
                topLeft = topRight;
                topRight = bottomRight;
                bottomRight = bottomLeft;
                bottomLeft = first;
            }
        }
}

} // namespace

void FoldRLVertical1Click(Frame& frame)
{
    RewriteMap(frame, {"FRL"}, [](AppState& s) { mirrorColumns(s, Toward::LowEnd); });
}

void FoldLRVertical1Click(Frame& frame)
{
    RewriteMap(frame, {"FLR"}, [](AppState& s) { mirrorColumns(s, Toward::HighEnd); });
}

void FoldTBHorizontal1Click(Frame& frame)
{
    RewriteMap(frame, {"FTB"}, [](AppState& s) { mirrorRows(s, Toward::LowEnd); });
}

void FoldBTHorizontal1Click(Frame& frame)
{
    RewriteMap(frame, {"FBT"}, [](AppState& s) { mirrorRows(s, Toward::HighEnd); });
}

void RotLeft1Click(Frame& frame)
{
    RewriteMap(frame, {"RtL"}, [](AppState& s) { rotate(s.HeightMap, s.MapRows, Turn::Left); });
}

void RotRight1Click(Frame& frame)
{
    RewriteMap(frame, {"RtR"}, [](AppState& s) { rotate(s.HeightMap, s.MapRows, Turn::Right); });
}

} // namespace tolvar
