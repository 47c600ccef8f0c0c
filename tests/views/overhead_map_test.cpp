#include "views/overhead_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace tolvar;

namespace {

class OverheadMapTest : public ::testing::Test {
protected:
    OverheadMapTest() { resetAppState(); }

    AppState& useSize(int side)
    {
        AppState& s = appState();
        s.MapRows = s.MapCols = static_cast<std::uint16_t>(side);
        return s;
    }
    void fill(int side, Height h)
    {
        for (int r = 1; r <= side; ++r)
            for (int c = 1; c <= side; ++c)
                appState().HeightMap(r, c) = h;
    }
    std::string drawnInfo()
    {
        RgbImage plan = NewOverheadBitmap(appState());
        return MapInfoText(DrawOverheadMap(appState(), plan));
    }
};

// The first point of pixel p, from the real quotient rounded down.
int spanStart(int p, int pixels)
{
    return static_cast<int>(std::floor(p * 256.0 / pixels));
}

} // namespace

TEST_F(OverheadMapTest, EachCellIsOnePixelWithRowMapRowsOnTopAndItsHeightAsColour)
{
    AppState& s = useSize(128);
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            s.HeightMap(r, c) = static_cast<Height>(r * 509 + c * 7);
    s.HeightMap(128, 1) = 255;
    s.HeightMap(1, 128) = 256;
    s.HeightMap(0, 5) = 999; // outside the map: never drawn

    RgbImage plan = NewOverheadBitmap(s);
    ASSERT_EQ(plan.width, 129);
    ASSERT_EQ(plan.height, 129);
    DrawOverheadMap(s, plan);

    EXPECT_EQ(plan.at(1, 1), (Rgb{255, 0, 0}));     // top left: row 128, column 1
    EXPECT_EQ(plan.at(128, 128), (Rgb{0, 1, 0})); // bottom right: row 1, column 128
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c) {
            const unsigned h = s.HeightMap(r, c);
            const std::uint32_t red = h % 256, green = h / 256;
            ASSERT_EQ(plan.at(c, 129 - r), (Rgb{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), 0})) << r << "," << c;
        }
    for (int i = 0; i < 129; ++i) {
        EXPECT_EQ(plan.at(i, 0), Rgb{});
        EXPECT_EQ(plan.at(0, i), Rgb{});
    }
}

TEST_F(OverheadMapTest, APlanOfAnOldSizeIsMadeAnewBeforeDrawing)
{
    RgbImage plan;
    plan.resize(129, 129);
    AppState& s = useSize(256);
    s.HeightMap(1, 256) = 0x1234;
    DrawOverheadMap(s, plan);
    ASSERT_EQ(plan.width, 257);
    ASSERT_EQ(plan.height, 257);
    EXPECT_EQ(plan.at(256, 256), (Rgb{0x34, 0x12, 0}));
}

TEST_F(OverheadMapTest, StatisticsLineShowsMaxMinAndTruncatedAverage)
{
    useSize(128);
    EXPECT_EQ(drawnInfo(), "Max = 0  Min = 0  Avg = 0");

    fill(128, 812);
    appState().HeightMap(7, 9) = 4095;
    appState().HeightMap(100, 2) = 0;
    // (812 * 16382 + 4095) / 16384 = 812.2
    EXPECT_EQ(drawnInfo(), "Max = 4095  Min = 0  Avg = 812");

    fill(128, 0);
    appState().HeightMap(64, 64) = 16383;
    EXPECT_EQ(drawnInfo(), "Max = 16383  Min = 0  Avg = 0  (above 4095: 1)");
    appState().HeightMap(64, 64) = 16384;
    EXPECT_EQ(drawnInfo(), "Max = 16384  Min = 0  Avg = 1  (above 4095: 1)");
}

TEST_F(OverheadMapTest, AFullHeightLargeMapNeedsTheWideSum)
{
    useSize(512);
    fill(512, 65535); // sums to about 2^34
    EXPECT_EQ(drawnInfo(), "Max = 65535  Min = 65535  Avg = 65535  (above 4095: 262144)");
}

TEST_F(OverheadMapTest, AnEmptyMapDividesByNothing)
{
    for (const int side : {0, 2}) {
        useSize(side);
        const std::string info = drawnInfo();
        EXPECT_EQ(info.substr(info.find("Avg")), "Avg = 0") << side;
    }
}

TEST(PlanStretch, EveryPointShowsThePixelWhoseSpanHoldsIt)
{
    for (const int pixels : {1, 3, 129, 255, 256, 257, 385, 513}) {
        for (int x = 0; x < 256; ++x) {
            const int p = PixelAtPoint(x, pixels);
            ASSERT_LE(spanStart(p, pixels), x) << pixels << " " << x;
            ASSERT_LT(x, spanStart(p + 1, pixels)) << pixels << " " << x;
        }
    }
}

namespace {

// A colour that names the pixel it is painted on (x and y below 4096).
Rgb mark(int x, int y)
{
    return {static_cast<std::uint8_t>(x & 0xFF), static_cast<std::uint8_t>((x >> 8) | (y >> 8) << 4),
            static_cast<std::uint8_t>(y & 0xFF)};
}

int markedX(Rgb colour) { return colour.red | (colour.green & 0xF) << 8; }
int markedY(Rgb colour) { return colour.blue | (colour.green >> 4) << 8; }

} // namespace

TEST(PlanStretch, TheShownImageRepeatsEachPixelOverItsSpan)
{
    RgbImage plan;
    plan.resize(129, 129);
    for (int y = 0; y < 129; ++y)
        for (int x = 0; x < 129; ++x)
            plan.at(x, y) = mark(x, y);
    const RgbImage view = StretchPlan(plan);
    ASSERT_EQ(view.width, 256);
    ASSERT_EQ(view.height, 256);
    for (int py = 0; py < 129; ++py)
        for (int px = 0; px < 129; ++px)
            for (int y = spanStart(py, 129); y < spanStart(py + 1, 129); ++y)
                for (int x = spanStart(px, 129); x < spanStart(px + 1, 129); ++x)
                    ASSERT_EQ(view.at(x, y), plan.at(px, py)) << x << "," << y;
}

TEST_F(OverheadMapTest, APressNamesTheCellDrawnUnderIt)
{
    for (const int side : {128, 256, 384, 512}) {
        AppState& s = useSize(side);
        RgbImage plan = NewOverheadBitmap(s);
        // Mark every pixel with its own position, then look at what is shown.
        for (int y = 0; y < plan.height; ++y)
            for (int x = 0; x < plan.width; ++x)
                plan.at(x, y) = mark(x, y);
        const RgbImage view = StretchPlan(plan);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const PlanCell cell = PlanCellAt(plan, x, y);
                const Rgb shown = view.at(x, y);
                ASSERT_EQ(cell.col, markedX(shown)) << side << " " << x << "," << y;
                ASSERT_EQ(cell.row, side + 1 - markedY(shown)) << side << " " << x << "," << y;
            }
    }
}

TEST_F(OverheadMapTest, ReadoutOfTheCornersOfA128Map)
{
    AppState& s = useSize(128);
    s.HeightMap(128, 1) = 355;
    s.HeightMap(1, 128) = 4095;
    s.HeightMap(129, 0) = 77;
    const RgbImage plan = NewOverheadBitmap(s);

    // 129 pixels over 256 points: pixel 1 covers points 1..2, pixel 128
    // covers 254..255 and pixel 0 only point 0.
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 1, 1)), "(128,1):355");
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 2, 2)), "(128,1):355");
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 255, 255)), "(1,128):4095");
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 254, 254)), "(1,128):4095");
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 253, 253)), "(2,127):0");
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 0, 0)), "(129,0):77");
    // Beyond the image: its nearest edge.
    EXPECT_EQ(PointInfoText(s.HeightMap, PlanCellAt(plan, 300, -5)), "(129,128):0");
}
