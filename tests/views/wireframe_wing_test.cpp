#include "views/wireframe_wing.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using namespace tolvar;

namespace {

using Pixels = std::set<std::pair<int, int>>;

TWinG surfaceOf(int w, int h)
{
    TWinG surface;
    surface.SetWidth(static_cast<std::uint16_t>(w));
    surface.SetHeight(static_cast<std::uint16_t>(h));
    return surface;
}

Pixels pixelsOf(const TWinG& surface, std::uint8_t index)
{
    Pixels result;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.Pixel(x, y) == index)
                result.insert({x, y});
    return result;
}

Pixels line(int x1, int y1, int x2, int y2, int w = 10, int h = 10)
{
    TWinG surface = surfaceOf(w, h);
    DrawSurfaceLine(surface, x1, y1, x2, y2, 5);
    return pixelsOf(surface, 5);
}

void addRow(Pixels& p, int y, int x1, int x2)
{
    for (int x = x1; x <= x2; ++x)
        p.insert({x, y});
}

void addColumn(Pixels& p, int x, int y1, int y2)
{
    for (int y = y1; y <= y2; ++y)
        p.insert({x, y});
}

// A rectangle drawn as four lines, each without its end point.
void addRectangle(Pixels& p, int left, int top, int right, int bottom)
{
    addRow(p, top, left, right - 1);
    addColumn(p, left, top, bottom - 1);
    addRow(p, bottom, left, right - 1);
    addColumn(p, right, top, bottom - 1);
}

// The map outline on a 768-high surface: corners (1, 576) and (192, 767).
Pixels outline768()
{
    Pixels p;
    addRectangle(p, 1, 576, 192, 767);
    return p;
}

// The overlay alone on a 1024 x 768 surface.
Pixels overlayOn(int mapRows, ViewState view)
{
    resetAppState();
    AppState& s = appState();
    s.MapRows = s.MapCols = static_cast<std::uint16_t>(mapRows);
    s.view = view;
    TWinG surface = surfaceOf(1024, 768);
    DrawZoomOverlay(surface, s, 9);
    return pixelsOf(surface, 9);
}

class WinGWireframe : public ::testing::Test {
protected:
    WinGWireframe()
    {
        resetAppState();
        s.MapRows = s.MapCols = 128;
        s.view = ViewState{128, 0, 0, 0};
    }

    AppState& s = appState();
    TWinG surface;
};

} // namespace

TEST(SurfaceLine, ASegmentAndItsReverseSetTheSamePixels)
{
    EXPECT_EQ(line(1, 1, 4, 1), (Pixels{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(line(4, 1, 1, 1), (Pixels{{1, 1}, {2, 1}, {3, 1}}));
    // Quotients of one half round to the even neighbour.
    EXPECT_EQ(line(1, 1, 5, 2), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(line(5, 2, 1, 1), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(line(2, 1, 1, 5), (Pixels{{2, 1}, {2, 2}, {2, 3}, {1, 4}}));
    EXPECT_EQ(line(1, 5, 2, 1), (Pixels{{2, 1}, {2, 2}, {2, 3}, {1, 4}}));
    EXPECT_EQ(line(3, 3, 6, 6), (Pixels{{3, 3}, {4, 4}, {5, 5}}));
    EXPECT_EQ(line(6, 6, 3, 3), (Pixels{{3, 3}, {4, 4}, {5, 5}}));
    EXPECT_TRUE(line(4, 4, 4, 4).empty());
}

TEST(SurfaceLine, RowAndColumnZeroAndTheFarEdgesAreNeverSet)
{
    EXPECT_EQ(line(0, 3, 4, 3), (Pixels{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(line(3, 0, 3, 3), (Pixels{{3, 1}, {3, 2}}));
    EXPECT_EQ(line(7, 2, 11, 2), (Pixels{{7, 2}, {8, 2}, {9, 2}}));
    EXPECT_EQ(line(2, 8, 2, 12), (Pixels{{2, 8}, {2, 9}}));
}

TEST(SurfaceLine, EndsFarOffTheSurfaceAreClipped)
{
    Pixels across;
    addRow(across, 5, 1, 19);
    EXPECT_EQ(line(-100000, 5, 100000, 5, 20, 10), across);
    EXPECT_EQ(line(100000, 5, -100000, 5, 20, 10), across);
    EXPECT_TRUE(line(-100000, -7, 100000, -7, 20, 10).empty());
    EXPECT_EQ(line(-2000000000, -2000000000, 2000000000, 2000000000, 4, 4), (Pixels{{1, 1}, {2, 2}, {3, 3}}));
}

TEST(ZoomOverlay, AWholeMapWindowCoincidesWithTheOutline)
{
    // 128 map at size 128, seen from the top-left at rotation 1: the
    // direction line is the diagonal to the centre (96, 671).
    Pixels expected = outline768();
    for (int t = 0; t < 95; ++t)
        expected.insert({1 + t, 576 + t});
    EXPECT_EQ(overlayOn(128, ViewState{128, 1, 0, 0}), expected);
}

TEST(ZoomOverlay, A32WindowOnA512MapIsTwelvePointsWide)
{
    Pixels expected = outline768();
    addRectangle(expected, 1, 576, 12, 587);
    // From the centre (6, 581) down to the viewer at (1, 587), end excluded;
    // at t = 3 the quotient -2.5 rounds to -2.
    for (auto p : {std::pair{6, 581}, {5, 582}, {4, 583}, {4, 584}, {3, 585}, {2, 586}})
        expected.insert(p);
    EXPECT_EQ(overlayOn(512, ViewState{32, 0, 0, 0}), expected);
}

// Steps move the window down and right by half its side, k = 12 at size 32
// and 24 at size 64 on a 512 map, and the viewer sits at rotation 2 top
// right, at 3 bottom right.
TEST(ZoomOverlay, UnequalStepsAtRotationsTwoAndThree)
{
    // Down 3, right 1: (7, 594) to (18, 605); from the centre (12, 599) up to
    // (18, 594), quotients -5t/6, the tie at t = 3 to -2.
    Pixels expected = outline768();
    addRectangle(expected, 7, 594, 18, 605);
    for (auto p : {std::pair{12, 599}, {13, 598}, {14, 597}, {15, 597}, {16, 596}, {17, 595}})
        expected.insert(p);
    EXPECT_EQ(overlayOn(512, ViewState{32, 2, 3, 1}), expected);

    // Down 1, right 4: (49, 588) to (72, 611); from the centre (60, 599) down
    // to (72, 611).
    expected = outline768();
    addRectangle(expected, 49, 588, 72, 611);
    for (int t = 0; t < 12; ++t)
        expected.insert({60 + t, 599 + t});
    EXPECT_EQ(overlayOn(512, ViewState{64, 3, 1, 4}), expected);
}

TEST(ZoomOverlay, AnEmptyMapShowsTheOutlineOnly)
{
    EXPECT_EQ(overlayOn(0, ViewState{128, 0, 0, 0}), outline768());
}

TEST(CubePalette, HoldsTheCubeBetweenTheStaticColours)
{
    TPalette256 palette;
    int rebuilds = 0;
    palette.OnNewPalette = [&] { ++rebuilds; };
    BuildCubePalette(palette);
    EXPECT_EQ(rebuilds, 216);
    EXPECT_EQ(palette.entries[216], (PaletteEntry{250, 250, 250, 1}));
    EXPECT_EQ(palette.entries[31], (PaletteEntry{0, 250, 0, 1}));
    EXPECT_EQ(palette.entries[10], (PaletteEntry{0, 50, 150, 1}));
    EXPECT_EQ(palette.entries[0], (PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette.entries[255], (PaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(palette.entries[1], (PaletteEntry{128, 0, 0, 0}));
    EXPECT_EQ(palette.entries[230], (PaletteEntry{0, 0, 0, 1}));
}

TEST(WinGColours, OnlyBlackOnWhiteChangesThem)
{
    const WinGColours white = WinGColoursFor(ColourScheme::BlackOnWhite);
    EXPECT_EQ(white.background, 216);
    EXPECT_EQ(white.lines, 0);
    EXPECT_EQ(white.overlay, 0);
    for (ColourScheme scheme : {ColourScheme::GreenOnBlack, ColourScheme::ContourColour, ColourScheme::ContourGrey}) {
        const WinGColours c = WinGColoursFor(scheme);
        EXPECT_EQ(c.background, 0);
        EXPECT_EQ(c.lines, 31);
        EXPECT_EQ(c.overlay, 216);
    }
}

TEST_F(WinGWireframe, ClearsInsideRowAndColumnZeroAndDrawsTheMesh)
{
    surface.SetPixel(0, 0, 77);
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::BlackOnWhite, false);
    EXPECT_EQ(surface.Width(), 1024);
    EXPECT_EQ(surface.Height(), 768);
    // The remade surface starts zeroed; row 0 and column 0 keep that.
    EXPECT_EQ(pixelsOf(surface, 216).size() + pixelsOf(surface, 0).size(), 1024u * 768u);
    EXPECT_EQ(surface.Pixel(0, 500), 0);
    EXPECT_EQ(surface.Pixel(500, 0), 0);
    EXPECT_EQ(surface.Pixel(1023, 767), 216);
    // Corner (1, 1) lies left of both its neighbours, so both segments start there.
    EXPECT_EQ(surface.Pixel(1, 316), 0);
}

TEST_F(WinGWireframe, TheOverlayFollowsItsCheckMark)
{
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, true);
    EXPECT_EQ(surface.Pixel(1, 700), 216);
    EXPECT_EQ(surface.Pixel(192, 600), 216);
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, false);
    EXPECT_EQ(surface.Pixel(1, 700), 0);
    EXPECT_EQ(surface.Pixel(1, 316), 31);
}

TEST_F(WinGWireframe, TheSurfaceKeepsItsSizeBetweenRenders)
{
    int changes = 0;
    surface.OnChange = [&] { ++changes; };
    DrawWinGWireframe(surface, 2000, 1500, s, ColourScheme::GreenOnBlack, true);
    EXPECT_EQ(surface.Width(), 1024);
    EXPECT_EQ(surface.Height(), 768);
    EXPECT_EQ(changes, 2);
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, true);
    EXPECT_EQ(changes, 2);
}

// A 2 x 2 map under a 128-cell window has one cell: its own point lands on
// (1, 316), one row down on (4, 318) and one column right on (6, 314).
TEST_F(WinGWireframe, ACellIsDrawnOnlyWithBothOfItsFirstPointsInside)
{
    s.MapRows = s.MapCols = 2;
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, false);
    // Both segments start from (1, 316), the end with the smaller x.
    const Pixels towardsP2{{1, 316}, {2, 317}, {3, 317}};
    const Pixels towardsP3{{1, 316}, {2, 316}, {3, 315}, {4, 315}, {5, 314}};
    Pixels both = towardsP2;
    both.insert(towardsP3.begin(), towardsP3.end());
    EXPECT_EQ(pixelsOf(surface, 31), both);

    // Its own point lifted off the top: neither segment.
    s.HeightMap(2, 1) = 65535;
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, false);
    EXPECT_TRUE(pixelsOf(surface, 31).empty());

    // Only the third point lifted: the segment towards it runs up to row 1.
    s.HeightMap(2, 1) = 0;
    s.HeightMap(2, 2) = 65535;
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, false);
    const Pixels clipped = pixelsOf(surface, 31);
    for (const auto& p : towardsP2)
        EXPECT_TRUE(clipped.count(p));
    std::map<int, int> perRow;
    for (const auto& [x, y] : clipped)
        if (!towardsP2.count({x, y}))
            ++perRow[y];
    EXPECT_EQ(perRow.size(), 315u);
    EXPECT_EQ(perRow.begin()->first, 1);
    EXPECT_EQ(perRow.rbegin()->first, 315);
    for (const auto& [y, count] : perRow)
        EXPECT_EQ(count, 1) << y;
}

TEST_F(WinGWireframe, TinyAreasAndShrunkMapsAreSafe)
{
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {0, 768}, {1024, 1}, {2, 2}}) {
        DrawWinGWireframe(surface, w, h, s, ColourScheme::GreenOnBlack, true);
        EXPECT_EQ(surface.Width(), w);
        EXPECT_EQ(surface.Height(), h);
    }
    s.view = ViewState{128, 0, 6, 6};
    DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, false);
    EXPECT_TRUE(pixelsOf(surface, 31).empty());
}
