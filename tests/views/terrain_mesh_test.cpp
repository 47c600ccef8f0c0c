#include "irregular_map.h"
#include "views/orbit_camera.h"
#include "views/terrain_mesh.h"

#include <gtest/gtest.h>

using namespace tolvar;

namespace {

// Rows 1..3 from south to north, columns 1..3 from west to east.
Grid handMap()
{
    Grid g;
    const Height rows[3][3] = {{10, 40, 20}, {30, 70, 50}, {0, 90, 60}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g(r + 1, c + 1) = rows[r][c];
    return g;
}

} // namespace

// At a height scale of 2 a unit is 0.2 m and a cell 10 m. Normals worked by
// hand from the slopes: east-west over two cells inside, one at an edge.
TEST(TerrainMeshTest, PositionsAndNormalsFollowTheNeighbouringHeights)
{
    TerrainMesh mesh;
    mesh.load(handMap(), 3, 3, 0, 2);
    struct Case {
        int index;
        TerrainVertex want;
    };
    const Case cases[] = {
        // (1,1): slopes 0.6 east, 0.4 north; normal (-0.6, 1, 0.4) / sqrt(1.52)
        {0, {-10, 2, 10, -0.486664f, 0.811107f, 0.324443f, 0, 0, 0, 0}},
        // (2,2): slopes 0.2 east, 0.5 north; normal (-0.2, 1, 0.5) / sqrt(1.29)
        {4, {0, 14, 0, -0.176090f, 0.880451f, 0.440225f, 0, 0, 0, 0}},
        // (3,3): slopes -0.6 east, 0.2 north; normal (0.6, 1, 0.2) / sqrt(1.4)
        {8, {10, 12, -10, 0.507093f, 0.845154f, 0.169031f, 0, 0, 0, 0}},
        // (2,1): slopes 0.8 east over one cell, -0.1 north; normal (-0.8, 1, -0.1) / sqrt(1.65)
        {3, {-10, 6, 0, -0.622799f, 0.778499f, -0.077850f, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const TerrainVertex& v = mesh.vertices()[static_cast<std::size_t>(c.index)];
        SCOPED_TRACE(c.index);
        EXPECT_FLOAT_EQ(v.x, c.want.x);
        EXPECT_FLOAT_EQ(v.y, c.want.y);
        EXPECT_FLOAT_EQ(v.z, c.want.z);
        EXPECT_NEAR(v.nx, c.want.nx, 1e-5);
        EXPECT_NEAR(v.ny, c.want.ny, 1e-5);
        EXPECT_NEAR(v.nz, c.want.nz, 1e-5);
    }
}

// Rebuilding the rows of a change gives what loading the changed map gives.
TEST(TerrainMeshTest, UpdatingTheChangedRowsMatchesAFreshLoad)
{
    Grid grid;
    tolvar::testing::fillIrregular(grid, 5, 0x0FFF);
    grid(1, 1) = 0;
    grid(2, 2) = 0x0FFF; // the range stays put, so the colours do too
    TerrainMesh updated;
    updated.load(grid, 9, 7, 900, 3);
    for (int c = 2; c <= 6; ++c)
        grid(5, c) = static_cast<Height>(grid(5, c) ^ 0x0A5A);
    const TerrainMesh::Span span = updated.updateRows(grid, 5, 5);
    EXPECT_EQ(span.firstVertex, 3 * 7);
    EXPECT_EQ(span.count, 3 * 7);
    TerrainMesh fresh;
    fresh.load(grid, 9, 7, 900, 3);
    for (std::size_t i = 0; i < fresh.vertices().size(); ++i) {
        const TerrainVertex &a = updated.vertices()[i], &b = fresh.vertices()[i];
        ASSERT_TRUE(a.y == b.y && a.nx == b.nx && a.nz == b.nz && a.r == b.r && a.g == b.g) << i;
    }
}

TEST(TerrainMeshTest, CellsTurnAnticlockwiseSeenFromAbove)
{
    const std::uint32_t end = TerrainMesh::StripRestart;
    const std::vector<std::uint32_t> want{3, 0, 4, 1, 5, 2, end, 6, 3, 7, 4, 8, 5, end};
    EXPECT_EQ(TerrainMesh::gridIndices(3, 3), want);
    // The coarse grid of 5 rows by 4 columns joins rows 1, 3, 5 and columns
    // 1, 3, 4: every second vertex, and the last.
    const std::vector<std::uint32_t> coarse{8, 0, 10, 2, 11, 3, end, 16, 8, 18, 10, 19, 11, end};
    EXPECT_EQ(TerrainMesh::gridIndices(5, 4, 2), coarse);
}

namespace {

// Where a world point lands in normalised device coordinates.
Vec3 project(const OrbitCamera& camera, Vec3 p)
{
    const Mat4 m = camera.projection(1) * camera.view();
    const float x = m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12];
    const float y = m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13];
    const float w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
    return {x / w, y / w, 0};
}

} // namespace

// From the start the camera looks north, so north is up and east right; a
// quarter turn to the east has north on the right. The target stays centred.
TEST(OrbitCameraTest, TurnsAroundTheTargetAndKeepsItCentred)
{
    OrbitCamera camera;
    camera.reset({30, 40, -20}, 1000);
    EXPECT_GT(project(camera, {30, 40, -120}).y, 0.05f);
    EXPECT_GT(project(camera, {130, 40, -20}).x, 0.05f);
    camera.orbit(-225, 0); // 0.4 degrees a pixel
    EXPECT_FLOAT_EQ(camera.azimuth(), 90);
    EXPECT_GT(project(camera, {30, 40, -120}).x, 0.05f);
    camera.orbit(0, 1000);
    EXPECT_FLOAT_EQ(camera.elevation(), 90);
    camera.zoom(2);
    EXPECT_FLOAT_EQ(camera.distance(), 1900 * 0.85f * 0.85f);
    const Vec3 centre = project(camera, {30, 40, -20});
    EXPECT_NEAR(centre.x, 0, 1e-5);
    EXPECT_NEAR(centre.y, 0, 1e-5);
}
