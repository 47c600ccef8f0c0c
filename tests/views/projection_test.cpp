#include "core/app_state.h"
#include "views/mesh.h"
#include "views/projection.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tolvar;

namespace {

// Point (i, j) of a window of the given size in world units, at height h.
WorldPoint point(int i, int j, int h = 0, int size = 128)
{
    return {10.0L * (i - size / 2), 10.0L * (j - size / 2), 0.1L * h};
}

} // namespace

TEST(Projection, PlacesTheWindowCornersOnAFullSizeArea)
{
    const Projection p(1024, 768, 128, 0);
    EXPECT_EQ(p.project(point(64, 64)), (ScreenPoint{512, 384}));
    EXPECT_EQ(p.project(point(1, 1)), (ScreenPoint{1, 316}));
    EXPECT_EQ(p.project(point(1, 128)), (ScreenPoint{654, 127}));
    EXPECT_EQ(p.project(point(128, 1)), (ScreenPoint{378, 642}));
}

TEST(Projection, AHeightOfAThousandLiftsThePoint)
{
    const Projection p(1024, 768, 128, 0);
    EXPECT_EQ(p.project(point(64, 64, 1000)), (ScreenPoint{512, 333}));
}

// Worked by hand on a 1024 x 768 area: theta is 30, 120 and 210 degrees,
// k = 128 / 76 or 32 / 76, and e.g. point (1, 1) at rotation 1 gives
// u = -630 (cos 30 - sin 30) = -230.60, u / k = -136.92, sx = 512 - 137.
TEST(Projection, EachTurnAndSizePlacesPointsAsWorkedOut)
{
    struct Case {
        int size, rotation, i, j, h;
        ScreenPoint expected;
    };
    for (const Case& k : {Case{128, 1, 1, 1, 0, {375, 639}}, Case{128, 1, 1, 128, 0, {-2, 313}},
                         Case{128, 1, 128, 1, 0, {1028, 451}}, Case{128, 1, 100, 7, 4000, {866, 271}},
                         Case{128, 2, 1, 1, 0, {1023, 452}}, Case{128, 2, 1, 128, 0, {370, 641}},
                         Case{128, 3, 1, 1, 0, {649, 129}}, Case{128, 3, 1, 128, 0, {1026, 455}},
                         Case{128, 3, 128, 1, 0, {-4, 317}}, Case{128, 3, 100, 7, 4000, {158, 85}},
                         Case{32, 1, 1, 32, 0, {13, 309}}, Case{32, 3, 32, 32, 400, {373, 561}}})
        EXPECT_EQ(Projection(1024, 768, k.size, k.rotation).project(point(k.i, k.j, k.h, k.size)), k.expected)
            << k.size << " " << k.rotation << " " << k.i << "," << k.j;
}

TEST(Projection, AreasBeyond1024By768AreClamped)
{
    const Projection p(3000, 2000, 128, 0);
    EXPECT_EQ(p.width(), 1024);
    EXPECT_EQ(p.height(), 768);
    EXPECT_EQ(p.project(point(1, 1)), (ScreenPoint{1, 316}));
}

TEST(Projection, OnlyTheWidthSetsTheScale)
{
    const Projection low(1024, 300, 128, 0);
    EXPECT_EQ(low.project(point(1, 1)), (ScreenPoint{1, 316 - 384 + 150}));

    const Projection narrow(512, 768, 128, 0);
    EXPECT_EQ(narrow.scale(), 2 * Projection(1024, 768, 128, 0).scale());
    EXPECT_EQ(narrow.project(point(64, 64)), (ScreenPoint{256, 384}));
}

TEST(Projection, EmptyAndOnePointAreasAreSafe)
{
    const Projection none(0, 0, 128, 0);
    EXPECT_EQ(none.width(), 0);
    EXPECT_EQ(none.height(), 0);
    EXPECT_NO_THROW(none.project(point(128, 128, 65535)));

    const Projection one(1, 1, 128, 3);
    EXPECT_EQ(one.project(point(64, 64)), (ScreenPoint{0, 0}));
    EXPECT_NO_THROW(one.project(point(1, 128, 65535)));
}

class MeshTraversal : public ::testing::Test {
protected:
    MeshTraversal()
    {
        resetAppState();
        s.MapRows = s.MapCols = 128;
        s.view = ViewState{128, 0, 0, 0};
    }

    int visited()
    {
        int n = 0;
        ForEachMeshCell(s, projection, [&](const MeshCell&) { ++n; });
        return n;
    }

    AppState& s = appState();
    Projection projection{1024, 768, 128, 0};
};

TEST_F(MeshTraversal, WalksTheWindowRowByRowFromTheTopLeftOfThePlan)
{
    s.HeightMap(128, 1) = 10; // point (1, 1)
    s.HeightMap(127, 1) = 20; // one row down the plan
    s.HeightMap(128, 2) = 30; // one column right
    bool first = true;
    ForEachMeshCell(s, projection, [&](const MeshCell& cell) {
        if (!first)
            return;
        first = false;
        EXPECT_EQ(cell.p1.world.x, -630);
        EXPECT_EQ(cell.p1.world.y, -630);
        EXPECT_EQ(cell.p2.world.x, -620);
        EXPECT_EQ(cell.p3.world.y, -620);
        EXPECT_EQ(std::lround(cell.p1.world.z * 10), 10);
        EXPECT_EQ(std::lround(cell.p2.world.z * 10), 20);
        EXPECT_EQ(std::lround(cell.p3.world.z * 10), 30);
        EXPECT_EQ(cell.p1.screen, projection.project(cell.p1.world));
        EXPECT_EQ(cell.p3.screen, projection.project(cell.p3.world));
    });
    EXPECT_EQ(visited(), 127 * 127);
}

TEST_F(MeshTraversal, StepsMoveTheWindowByHalfItsSize)
{
    s.MapRows = s.MapCols = 256;
    s.view = ViewState{64, 0, 1, 2};
    // Br = 32, Bc = 64: point (1, 1) is row 256 - 32 = 224, column 65.
    s.HeightMap(224, 65) = 77;
    bool first = true;
    ForEachMeshCell(s, projection, [&](const MeshCell& cell) {
        if (first) {
            EXPECT_EQ(std::lround(cell.p1.world.z * 10), 77);
        }
        first = false;
    });
    EXPECT_EQ(visited(), 63 * 63);
}

TEST_F(MeshTraversal, AWindowBeyondAShrunkMapReadsNothingOutsideIt)
{
    // Steps left from a 512 map, now showing a 128 one.
    s.view = ViewState{128, 0, 6, 6};
    EXPECT_EQ(visited(), 0);

    // A 2 x 2 map under a 128-cell window keeps its single cell.
    s.MapRows = s.MapCols = 2;
    s.view = ViewState{128, 0, 0, 0};
    EXPECT_EQ(visited(), 1);

    s.MapRows = s.MapCols = 0;
    EXPECT_EQ(visited(), 0);
}
