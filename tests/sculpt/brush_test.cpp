#include "irregular_map.h"

#include "sculpt/stroke.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

using namespace tolvar;
using tolvar::testing::fillIrregular;

namespace {

constexpr int Rows = 40;
constexpr int Cols = 48;

// An irregular 40 x 48 map with a hand-set patch around row 4, column 4:
//   row 5: 1300 1700 1100
//   row 4: 1200 2000  900
//   row 3: 1500  600 1400     (columns 3, 4, 5)
// and 3000, 2500 in row 4, columns 7 and 8.
Grid patchMap()
{
    Grid map;
    fillIrregular(map, 7, 0x0FFF);
    const int patch[3][3] = {{1500, 600, 1400}, {1200, 2000, 900}, {1300, 1700, 1100}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            map(3 + r, 3 + c) = static_cast<Height>(patch[r][c]);
    map(4, 7) = 3000;
    map(4, 8) = 2500;
    return map;
}

PathPoint at(double row, double col)
{
    return PathPointAt(row, col);
}

Grid stroked(const Grid& map, const BrushSettings& settings, const std::vector<PathPoint>& path)
{
    const auto state = std::make_unique<AppState>();
    state->HeightMap = map;
    state->MapRows = Rows;
    state->MapCols = Cols;
    MapDocument document(*state);
    Stroke stroke(document, map, settings, path.front());
    for (std::size_t i = 1; i < path.size(); ++i)
        stroke.moveTo(path[i]);
    return state->HeightMap;
}

} // namespace

// Each brush on the patch, worked by hand. Radius 1 at Hardness 100 reaches
// the press cell and its four side neighbours, not the diagonals.
TEST(Brush, MovesCellsTowardItsTarget)
{
    struct Case {
        BrushKind kind;
        int radius, strength, hardness;
        std::vector<PathPoint> path;
        int row, col, expected;
    };
    const std::vector<Case> cases{
        {BrushKind::Raise, 1, 50, 100, {at(4, 4)}, 4, 4, 2500},
        {BrushKind::Raise, 1, 50, 100, {at(4, 4)}, 5, 4, 2200},
        {BrushKind::Raise, 1, 50, 100, {at(4, 4)}, 5, 5, 1100}, // diagonal: out of reach
        {BrushKind::Lower, 1, 50, 100, {at(4, 4)}, 3, 4, 100},
        {BrushKind::Lower, 1, 100, 100, {at(4, 4)}, 3, 4, 0},             // 600 - 1000 clamps, never wraps
        {BrushKind::Smooth, 1, 50, 100, {at(4, 4)}, 4, 4, 1650},          // 3 x 3 mean 11700 / 9 = 1300
        {BrushKind::Flatten, 1, 50, 100, {at(4, 4)}, 4, 3, 1600},         // toward 2000 under the press
        {BrushKind::SetHeight, 1, 50, 100, {at(4, 4)}, 3, 4, 800},        // toward 1000
        {BrushKind::Ramp, 1, 100, 100, {at(4, 3), at(4, 5)}, 4, 4, 1050}, // halfway from 1200 to 900
        {BrushKind::Ramp, 1, 50, 100, {at(4, 3), at(4, 5)}, 4, 4, 1525},
        // Hardness 0 eases from the centre: at half the radius 1 - 0.25 x 2 = 0.5,
        // at a sixth 1 - (1/36) x (8/3) = 0.9259.
        {BrushKind::Raise, 6, 100, 0, {at(4, 4)}, 4, 7, 3500},
        {BrushKind::Raise, 6, 100, 0, {at(4, 4)}, 5, 4, 2626},
        // Hardness 50: full to 2 cells, half at 3, nothing at the rim.
        {BrushKind::Raise, 4, 100, 50, {at(4, 4)}, 4, 7, 3500},
        {BrushKind::Raise, 4, 100, 50, {at(4, 4)}, 4, 8, 2500},
    };
    for (const Case& c : cases) {
        const BrushSettings settings{c.kind, c.radius, c.strength, c.hardness, 1000};
        EXPECT_EQ(stroked(patchMap(), settings, c.path)(c.row, c.col), c.expected)
            << BrushName(c.kind) << " at " << c.row << "," << c.col;
    }
}

// At Strength and Hardness 100 the target is met exactly within the radius
// of the path, on a map of heights all over the range.
TEST(Brush, ReachesItsTargetAtFullStrengthAndHardness)
{
    Grid original;
    fillIrregular(original, 3);
    const std::vector<PathPoint> path{at(10, 12.5), at(14.25, 20), at(30, 21)};
    const Grid flat = stroked(original, {BrushKind::Flatten, 5, 100, 100, 0}, path);
    const Grid pad = stroked(original, {BrushKind::SetHeight, 5, 100, 100, 4321}, path);
    int reached = 0;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Cols; ++c) {
            // (14, 20) lies 0.25 from the path, (35, 21) on the rim; (8, 21) 5.9 away.
            const bool inside = (r == 14 && c == 20) || (r == 35 && c == 21) || (r >= 11 && r <= 29 && c == 21);
            if (!inside)
                continue;
            ++reached;
            EXPECT_EQ(flat(r, c), original(10, 13)) << r << "," << c; // column 12.5 lies in cell 13
            EXPECT_EQ(pad(r, c), 4321) << r << "," << c;
        }
    EXPECT_EQ(reached, 21);
    EXPECT_EQ(pad(8, 21), original(8, 21));

    // A ramp along row 9 from column 5 to 25: the straight slope, rounded.
    Grid ends = original;
    ends(9, 5) = 1000;
    ends(9, 25) = 3001;
    const Grid ramp = stroked(ends, {BrushKind::Ramp, 3, 100, 100, 0}, {at(9, 5), at(9, 40), at(9, 25)});
    for (int c = 5; c <= 25; ++c)
        EXPECT_EQ(ramp(9, c), static_cast<int>(std::nearbyint(1000 + (c - 5) * 2001.0 / 20))) << c;
    EXPECT_EQ(ramp(9, 35), ends(9, 35)); // the mouse passed here, the release is what counts
}

// The same path reported four times as often moves no cell by more than 1.
// The corners lie 0.04 apart, a multiple, so the extra points fall on the path.
TEST(Brush, DoesNotDependOnHowOftenTheMouseReports)
{
    Grid original;
    fillIrregular(original, 11, 0x3FFF);
    const std::vector<std::pair<double, double>> corners{{5.52, 6}, {12, 30.24}, {33.76, 20}, {20, 4.52}, {21, 44}};
    std::vector<PathPoint> sparse, dense;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        sparse.push_back(at(corners[i].first, corners[i].second));
        if (i + 1 == corners.size()) {
            dense.push_back(sparse.back());
            break;
        }
        for (int k = 0; k < 4; ++k) {
            const double t = k / 4.0;
            dense.push_back(at(corners[i].first + t * (corners[i + 1].first - corners[i].first),
                               corners[i].second + t * (corners[i + 1].second - corners[i].second)));
        }
    }
    for (const auto& [kind, name] : BrushNames)
        for (const int hardness : {0, 60}) {
            const BrushSettings settings{kind, 7, 70, hardness, 2500};
            const Grid a = stroked(original, settings, sparse);
            const Grid b = stroked(original, settings, dense);
            int worst = 0;
            for (int r = 1; r <= Rows; ++r)
                for (int c = 1; c <= Cols; ++c)
                    worst = std::max(worst, std::abs(a(r, c) - b(r, c)));
            EXPECT_LE(worst, 1) << name << " hardness " << hardness;
            EXPECT_TRUE(a != original) << name;
        }
}

// Raise over cells Set Height put at 65535 keeps them there, and Lower over
// cells put at 0 keeps those; around the pad, on heights all over the range,
// no cell moves the wrong way, as a wrap past either end would.
TEST(Brush, StopsAtTheEndsOfTheHeightRange)
{
    Grid original;
    fillIrregular(original, 5);
    const std::vector<PathPoint> path{at(12.3, 17.6), at(25.1, 30.4), at(31, 9.75)};
    for (const auto& [kind, end] : {std::pair{BrushKind::Raise, 65535}, std::pair{BrushKind::Lower, 0}}) {
        const Grid pad = stroked(original, {BrushKind::SetHeight, 5, 100, 100, end}, path);
        const Grid worked = stroked(pad, {kind, 8, 100, 40, 0}, path);
        const int way = kind == BrushKind::Raise ? 1 : -1;
        int atEnd = 0, moved = 0, wrongWay = 0;
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c) {
                atEnd += pad(r, c) == end;
                moved += worked(r, c) != pad(r, c);
                wrongWay += (worked(r, c) - pad(r, c)) * way < 0;
            }
        EXPECT_EQ(wrongWay, 0) << BrushName(kind);
        EXPECT_GT(atEnd, 200) << BrushName(kind);
        EXPECT_GT(moved, 200) << BrushName(kind);
    }
}
