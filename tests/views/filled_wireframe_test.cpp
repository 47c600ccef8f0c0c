#include "irregular_map.h"
#include "surface/palette256.h"
#include "view_map.h"
#include "views/mesh.h"
#include "views/triangle_fill.h"
#include "views/wireframe_bitmap.h"
#include "views/wireframe_wing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <set>

using namespace tolvar;
using tolvar::testing::irregularHeight;

namespace {

// One picture of either renderer, its pixels as comparable numbers.
using Picture = std::vector<std::vector<int>>;

Picture bitmapPicture(const AppState& s, ColourScheme scheme, MeshFill fill)
{
    RgbImage image;
    DrawWireframe(image, 1024, 768, s, scheme, fill);
    Picture p(768, std::vector<int>(1024));
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            p[y][x] = image.at(x, y).red << 16 | image.at(x, y).green << 8 | image.at(x, y).blue;
    return p;
}

Picture wingPicture(const AppState& s, ColourScheme scheme, MeshFill fill)
{
    TWinG surface;
    TPalette256 palette;
    palette.OnNewPalette = [&] { applyPalette(palette, surface); };
    BuildCubePalette(palette);
    DrawWinGWireframe(surface, 1024, 768, s, scheme, false, fill);
    Picture p(768, std::vector<int>(1024));
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            p[y][x] = surface.Pixel(x, y);
    return p;
}

struct Renderer {
    const char* name;
    std::function<Picture(const AppState&, ColourScheme, MeshFill)> draw;
    int lineWhite; // a white contour pen's line
    int fillWhite; // and its darkened fill, (153, 153, 153) or the cube's (150, 150, 150)
};

const Renderer Renderers[] = {
    {"bitmap", bitmapPicture, 0xFFFFFF, 0x999999},
    {"wing", wingPicture, 31, 1 + 36 * 3 + 6 * 3 + 3},
};

// A 128 map of low, irregular ground (heights below 64), seen whole.
AppState& lowGround()
{
    return tolvar::testing::wholeViewMap([](int r, int c) { return irregularHeight(r, c) & 63; });
}

// Window point (i, j) of a whole-map 128 view is the cell in row 129 - i.
void raise(AppState& s, int i, int j, Height h)
{
    s.HeightMap(129 - i, j) = h;
}

// The pixels around (512, 333), where a height of 1000 at window point
// (64, 64) stands.
Picture ridgeBox(const Picture& p)
{
    Picture box;
    for (int y = 329; y <= 337; ++y)
        box.emplace_back(p[y].begin() + 508, p[y].begin() + 517);
    return box;
}

} // namespace

TEST(FilledWireframe, ASpikeInFrontHidesTheRidgeBehindIt)
{
    for (const Renderer& r : Renderers) {
        AppState& s = lowGround();
        const auto box = [&] { return ridgeBox(r.draw(s, ColourScheme::ContourColour, MeshFill::Filled)); };
        const auto outlineBox = [&] { return ridgeBox(r.draw(s, ColourScheme::ContourColour, MeshFill::Outline)); };
        const Picture flatFilled = box();
        for (int j = 50; j <= 78; ++j)
            raise(s, 64, j, 1000);
        EXPECT_NE(box(), flatFilled) << r.name << ": the ridge shows with nothing before it";
        const Picture ridgeOutline = outlineBox();
        const Picture ridgeFilled = box();
        // A spike of 5000, nearer at rotation 0, stands from (512, 497) to (512, 240).
        for (int i = 96; i <= 98; ++i)
            for (int j = 44; j <= 46; ++j)
                raise(s, i, j, 5000);
        const Picture spikeOutline = outlineBox();
        const Picture spikeFilled = box();
        for (int j = 50; j <= 78; ++j)
            raise(s, 64, j, irregularHeight(65, j) & 63);
        EXPECT_EQ(spikeFilled, box()) << r.name << ": the ridge is hidden";
        EXPECT_NE(spikeFilled, ridgeFilled) << r.name;
        EXPECT_NE(spikeOutline, outlineBox()) << r.name << ": without Filled the ridge shows through";
        EXPECT_NE(spikeOutline, ridgeOutline) << r.name;
    }
}

// On gentle ground every triangle has the grey pen 128 and the fill 77. In
// each pixel row and column of the bitmap the fill lies between outline
// pixels, or where the picture cuts the mesh off, between one and the edge;
// the surface fills (the cube's 100) only pixels the bitmap covers.
TEST(FilledWireframe, TheFillStaysInsideTheMeshOutline)
{
    const AppState& s = lowGround();
    const Picture p = bitmapPicture(s, ColourScheme::ContourGrey, MeshFill::Filled);
    constexpr int Line = 0x808080, Fill = 0x4D4D4D;
    int filled = 0;
    const auto check = [&](int n, const std::function<int(int)>& at) {
        int first = at(0) ? -1 : n, last = at(n - 1) ? n : -1;
        for (int k = 0; k < n; ++k)
            if (at(k) == Line) {
                first = std::min(first, k);
                last = std::max(last, k);
            }
        for (int k = 0; k < n; ++k)
            if (at(k) == Fill) {
                ++filled;
                ASSERT_TRUE(first < k && k < last) << "pixel " << k;
            }
    };
    for (int y = 0; y < 768; ++y)
        check(1024, [&](int x) { return p[y][x]; });
    for (int x = 0; x < 1024; ++x)
        check(768, [&](int y) { return p[y][x]; });
    EXPECT_GT(filled, 100000);

    const Picture surface = wingPicture(s, ColourScheme::ContourGrey, MeshFill::Filled);
    int surfaceFilled = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            if (surface[y][x] == 1 + 36 * 2 + 6 * 2 + 2) {
                ++surfaceFilled;
                ASSERT_NE(p[y][x], 0) << x << "," << y;
            }
    EXPECT_GT(surfaceFilled, 100000);
}

// In the two-colour schemes Filled fills with the background. On gently
// rolling ground little hides anything: nearly all the outline picture's
// line pixels stay, and the filled picture's lie where the outline's do,
// but for the mesh's far border, which only a filled picture closes.
TEST(FilledWireframe, TwoColourSchemesFillWithTheBackgroundAndKeepTheLines)
{
    const AppState& s = tolvar::testing::wholeViewMap(
        [](int r, int c) { return 40 + 30 * std::sin(r / 11.0) * std::cos(c / 17.0) + (irregularHeight(r, c) & 7); });
    // The renderer, the scheme, its line and background colours.
    const std::tuple<const Renderer&, ColourScheme, int, int> cases[] = {
        {Renderers[0], ColourScheme::GreenOnBlack, 0x00FF00, 0},
        {Renderers[0], ColourScheme::BlackOnWhite, 0, 0xFFFFFF},
        {Renderers[1], ColourScheme::GreenOnBlack, 31, 0},
        {Renderers[1], ColourScheme::BlackOnWhite, 0, 216},
    };
    for (const auto& [r, scheme, line, back] : cases) {
        const Picture filled = r.draw(s, scheme, MeshFill::Filled), outline = r.draw(s, scheme, MeshFill::Outline);
        int kept = 0, strays = 0, lines = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) {
                ASSERT_TRUE(filled[y][x] == line || filled[y][x] == back) << r.name << " " << x << "," << y;
                kept += filled[y][x] == line && outline[y][x] == line;
                strays += filled[y][x] == line && outline[y][x] != line;
                lines += outline[y][x] == line;
            }
        EXPECT_GT(kept, lines * 97 / 100) << r.name;
        EXPECT_LT(strays, lines / 100) << r.name;
    }
}

// A peak of 2000 at window point (64, 64) stands from (512, 384) up to
// (512, 281) whatever the rotation; in front of the ground behind it, its
// white lines and grey fill cover the whole column between.
TEST(FilledWireframe, ThePeakCoversTheGroundBehindItFromEveryDirection)
{
    for (const Renderer& r : Renderers)
        for (int rotation = 0; rotation < 4; ++rotation) {
            AppState& s = lowGround();
            raise(s, 64, 64, 2000);
            s.view.ViewRotation = rotation;
            const Picture p = r.draw(s, ColourScheme::ContourColour, MeshFill::Filled);
            for (int y = 290; y <= 370; ++y)
                EXPECT_TRUE(p[y][512] == r.lineWhite || p[y][512] == r.fillWhite)
                    << r.name << " rotation " << rotation << " y " << y;
        }
}

// The viewer looks along theta = rotation x 90 - 60 degrees; of two
// triangles that share an edge or a corner, the farther must come first.
TEST(FilledWireframe, TrianglesComeFarthestFirstForEveryRotation)
{
    for (int rotation = 0; rotation < 4; ++rotation) {
        AppState& s = lowGround();
        s.view = ViewState{32, rotation, 1, 2};
        const long double theta = rotation * std::numbers::pi_v<long double> / 2 - std::numbers::pi_v<long double> / 3;
        std::map<std::pair<int, int>, std::pair<int, long double>> visits; // centroid in thirds of a cell
        ForEachMeshTriangle(s, Projection(1024, 768, 32, rotation), [&](const MeshTriangle& t) {
            const long double x = (t.a.world.x + t.b.world.x + t.c.world.x) / 3;
            const long double y = (t.a.world.y + t.b.world.y + t.c.world.y) / 3;
            const int order = static_cast<int>(visits.size());
            visits[{static_cast<int>(std::lround(x * 3 / 10)), static_cast<int>(std::lround(y * 3 / 10))}] = {
                order, sinl(theta) * x + cosl(theta) * y};
        });
        ASSERT_EQ(visits.size(), 31u * 31u * 2u);
        for (const auto& [at, visit] : visits)
            for (auto [di, dj] : {std::pair{1, 1}, {-2, 1}, {1, -2}, {-1, -1}, {2, -1}, {-1, 2}}) {
                const auto other = visits.find({at.first + di, at.second + dj});
                if (other == visits.end())
                    continue;
                const bool drawnFirst = visit.first < other->second.first;
                const bool farther = visit.second > other->second.second;
                EXPECT_EQ(drawnFirst, farther) << "rotation " << rotation;
            }
    }
}

TEST(FilledWireframe, TinyAreasAreSafe)
{
    AppState& s = lowGround();
    TWinG surface;
    RgbImage picture;
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 2}, {1, 768}, {1024, 1}, {0, 500}}) {
        DrawWireframe(picture, w, h, s, ColourScheme::ContourGrey, MeshFill::Filled);
        EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
        DrawWinGWireframe(surface, w, h, s, ColourScheme::ContourColour, true, MeshFill::Filled);
    }
}

// Against the plain definition: a point is in the closed triangle when it
// lies on no outer side of any edge.
TEST(TriangleSpans, AreThePointsInsideTheClosedTriangle)
{
    const auto side = [](ScreenPoint p, ScreenPoint q, int x, int y) {
        return static_cast<long long>(q.x - p.x) * (y - p.y) - static_cast<long long>(q.y - p.y) * (x - p.x);
    };
    for (std::uint32_t n = 0; n < 300; ++n) {
        ScreenPoint v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = {irregularHeight(n, k) % 41 - 5, irregularHeight(n, k, 1) % 23 - 4};
        std::set<std::pair<int, int>> spans, inside;
        ForEachTriangleSpan(v[0], v[1], v[2], {0, 0, 30, 15}, [&](int y, int left, int right) {
            for (int x = left; x <= right; ++x)
                EXPECT_TRUE(spans.insert({x, y}).second);
        });
        for (int y = 0; y <= 15; ++y)
            for (int x = 0; x <= 30; ++x) {
                const long long a = side(v[0], v[1], x, y), b = side(v[1], v[2], x, y), c = side(v[2], v[0], x, y);
                const bool collinear = side(v[0], v[1], v[2].x, v[2].y) == 0;
                const bool between = std::min({v[0].x, v[1].x, v[2].x}) <= x &&
                                     x <= std::max({v[0].x, v[1].x, v[2].x}) &&
                                     std::min({v[0].y, v[1].y, v[2].y}) <= y && y <= std::max({v[0].y, v[1].y, v[2].y});
                if (collinear ? a == 0 && b == 0 && c == 0 && between
                              : (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0))
                    inside.insert({x, y});
            }
        EXPECT_EQ(spans, inside) << "triangle " << n;
    }
}
