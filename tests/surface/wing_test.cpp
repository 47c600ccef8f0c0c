#include "surface/palette256.h"
#include "surface/wing.h"

#include <gtest/gtest.h>

#include <string>

using namespace tolvar;

namespace {

std::string pixelError(TWinG& surface, int x, int y)
{
    try {
        surface.SetPixel(x, y, 9);
    } catch (const Error& e) {
        EXPECT_NE(dynamic_cast<const EWinGError*>(&e), nullptr);
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(WinGSurface, IsMadeOnePixelSquareAndZeroed)
{
    TWinG surface;
    EXPECT_EQ(surface.Width(), 1);
    EXPECT_EQ(surface.Height(), 1);
    EXPECT_EQ(surface.Pixel(0, 0), 0);
}

TEST(WinGSurface, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(TWinG::strideFor(849), 852);
    EXPECT_EQ(TWinG::strideFor(1024), 1024);
    EXPECT_EQ(TWinG::strideFor(1), 4);
    EXPECT_EQ(TWinG::strideFor(0), 0);

    TWinG surface;
    surface.SetWidth(849);
    surface.SetHeight(3);
    EXPECT_EQ(surface.stride(), 852);
    // Rows run top-down, one stride apart.
    surface.SetPixel(848, 2, 7);
    EXPECT_EQ(surface.scanLine(0)[2 * 852 + 848], 7);
}

TEST(WinGSurface, SetPixelIsBoundsChecked)
{
    TWinG surface;
    surface.SetWidth(5);
    surface.SetHeight(4);
    surface.SetPixel(4, 3, 200);
    EXPECT_EQ(surface.Pixel(4, 3), 200);

    for (auto [x, y] : {std::pair{5, 0}, {0, -1}, {-1, 0}, {0, 4}})
        EXPECT_EQ(pixelError(surface, x, y), "Pixel coordinates out of canvas") << x << "," << y;
    EXPECT_THROW(surface.Pixel(5, 0), EWinGError);

    // Nothing was written by the refused calls: every pixel but one is still 0.
    int nonZero = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            nonZero += surface.Pixel(x, y) != 0;
    EXPECT_EQ(nonZero, 1);
}

TEST(WinGSurface, AnEmptySurfaceRefusesEveryPixel)
{
    TWinG surface;
    surface.SetWidth(0);
    EXPECT_EQ(pixelError(surface, 0, 0), "Pixel coordinates out of canvas");
}

TEST(WinGSurface, OnlyARealChangeOfSizeRemakesIt)
{
    TWinG surface;
    int changes = 0;
    surface.OnChange = [&] { ++changes; };
    surface.SetWidth(8);
    surface.SetHeight(6);
    EXPECT_EQ(changes, 2);

    surface.SetPixel(3, 3, 42);
    surface.SetWidth(8);
    surface.SetHeight(6);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(surface.Pixel(3, 3), 42);

    surface.SetWidth(9);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(surface.Pixel(3, 3), 0);
}

TEST(WinGSurface, TheColourTableOutlivesAChangeOfSize)
{
    TWinG surface;
    ColourTable table{};
    table[31] = {0, 250, 0};
    table[255] = {1, 2, 3};
    surface.setColourTable(table);
    surface.SetWidth(100);
    surface.SetHeight(50);
    EXPECT_EQ(surface.colourTable(), table);
}

TEST(Palette256, IdentityRebuildPutsTheStaticColoursAtBothEnds)
{
    TPalette256 palette;
    EXPECT_TRUE(palette.Identity());
    EXPECT_FALSE(palette.HasPlatformPalette());
    palette.entries[100] = {10, 20, 30, 0};
    palette.entries[0] = {9, 9, 9, 0};
    int rebuilt = 0;
    palette.OnNewPalette = [&] { ++rebuilt; };

    palette.Rebuild();
    EXPECT_EQ(rebuilt, 1);
    EXPECT_TRUE(palette.HasPlatformPalette());
    EXPECT_EQ(palette.entries[0], (PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette.entries[255], (PaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(palette.entries[100], (PaletteEntry{10, 20, 30, 1}));
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(palette.entries[static_cast<std::size_t>(i)].flags, (i >= 10 && i <= 245) ? 1 : 0) << i;
}

TEST(Palette256, WithoutIdentityTheEntriesStayAsWritten)
{
    TPalette256 palette;
    int changes = 0;
    palette.OnIdentityChange = [&] { ++changes; };
    palette.SetIdentity(true);
    EXPECT_EQ(changes, 0);
    palette.SetIdentity(false);
    EXPECT_EQ(changes, 1);

    palette.entries[0] = {9, 8, 7, 0};
    palette.Rebuild();
    EXPECT_EQ(palette.entries[0], (PaletteEntry{9, 8, 7, 0}));
    EXPECT_EQ(palette.entries[50].flags, 0);
}

TEST(Palette256, AppliedPaletteBecomesTheSurfaceColourTable)
{
    TPalette256 palette;
    palette.entries[31] = {0, 250, 0, 1};
    palette.Rebuild();
    TWinG surface;
    applyPalette(palette, surface);
    EXPECT_EQ(surface.colourTable()[31], (Rgb{0, 250, 0}));
    EXPECT_EQ(surface.colourTable()[255], (Rgb{255, 255, 255}));
}
