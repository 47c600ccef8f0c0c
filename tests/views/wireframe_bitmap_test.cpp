#include "views/wireframe_bitmap.h"

#include <gtest/gtest.h>

#include <set>

using namespace tolvar;

namespace {

constexpr Rgb Navy{0, 0, 128};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb Silver{192, 192, 192};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Grey{128, 128, 128};

class BitmapWireframe : public ::testing::Test {
protected:
    BitmapWireframe()
    {
        resetAppState();
        s.MapRows = s.MapCols = 128;
        s.view = ViewState{128, 0, 0, 0};
    }

    void flatMap(int height)
    {
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                s.HeightMap(r, c) = static_cast<Height>(height);
    }

    std::set<std::tuple<int, int, int>> coloursUsed() const
    {
        std::set<std::tuple<int, int, int>> used;
        for (const Rgb& p : picture.pixels)
            used.insert({p.red, p.green, p.blue});
        return used;
    }

    AppState& s = appState();
    RgbImage picture;
};

} // namespace

TEST(ContourPen, MeansAtTheThresholdsKeepTheLowerColour)
{
    EXPECT_EQ(ContourPen(0, 0, 0), Navy);
    EXPECT_EQ(ContourPen(5, 5, 5), Blue);
    EXPECT_EQ(ContourPen(5, 5, 5.01L), Cyan);
    EXPECT_EQ(ContourPen(50, 50, 50), (Rgb{128, 128, 128}));
    EXPECT_EQ(ContourPen(60, 60, 60), Silver);
    EXPECT_EQ(ContourPen(60, 60, 60.01L), White);
    EXPECT_EQ(ContourPen(20, 20, 20), (Rgb{0, 128, 0}));
    EXPECT_EQ(ContourPen(30, 30, 30), (Rgb{0, 255, 0}));
    EXPECT_EQ(ContourPen(40, 40, 40), (Rgb{0, 128, 128}));
    EXPECT_EQ(ContourPen(12, 12, 12), (Rgb{128, 128, 0}));
}

TEST(ContourPen, OneCornerAbove400IsRedWhateverTheMean)
{
    EXPECT_EQ(ContourPen(0, 400.01L, 0), Red);
    EXPECT_EQ(ContourPen(0, 0, 6553.5L), Red);
    EXPECT_EQ(ContourPen(400, 400, 400), White);
}

TEST(GreyPen, KeepsTheLowEightBitsAndNeverGoesBelowMidGrey)
{
    EXPECT_EQ(GreyPen(200, 200, 200), (Rgb{200, 200, 200}));
    EXPECT_EQ(GreyPen(100, 100, 100), Grey);
    EXPECT_EQ(GreyPen(300, 300, 300), Grey);
    EXPECT_EQ(GreyPen(255, 255, 255), (Rgb{255, 255, 255}));
    EXPECT_EQ(GreyPen(384, 384, 384), Grey);
    EXPECT_EQ(GreyPen(0, 0, 0), Grey);
}

TEST_F(BitmapWireframe, GreenOnBlackReachesTheProjectedCorners)
{
    DrawWireframe(picture, 1024, 768, s, ColourScheme::GreenOnBlack);
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.height, 768);
    constexpr Rgb Green{0, 255, 0};
    // Corner (1, 1) starts segments; (1, 128) and (128, 1) start the closing ones.
    EXPECT_EQ(picture.at(1, 316), Green);
    EXPECT_EQ(picture.at(654, 127), Green);
    EXPECT_EQ(picture.at(378, 642), Green);
    EXPECT_EQ(picture.at(512, 384), Green);
    EXPECT_EQ(picture.at(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(picture.at(1023, 767), (Rgb{0, 0, 0}));
    EXPECT_EQ(coloursUsed(), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {0, 255, 0}}));
}

TEST_F(BitmapWireframe, BlackOnWhiteFillsWhiteAndDrawsBlack)
{
    DrawWireframe(picture, 1024, 768, s, ColourScheme::BlackOnWhite);
    EXPECT_EQ(picture.at(0, 0), White);
    EXPECT_EQ(picture.at(1, 316), (Rgb{0, 0, 0}));
    EXPECT_EQ(coloursUsed(), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {255, 255, 255}}));
}

TEST_F(BitmapWireframe, ContourSchemesColourEachCellFromItsMean)
{
    flatMap(51);
    DrawWireframe(picture, 1024, 768, s, ColourScheme::ContourColour);
    EXPECT_EQ(coloursUsed(), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {0, 255, 255}}));

    s.HeightMap(64, 64) = 4001;
    DrawWireframe(picture, 1024, 768, s, ColourScheme::ContourColour);
    EXPECT_EQ(coloursUsed().count({255, 0, 0}), 1u);

    flatMap(2000);
    DrawWireframe(picture, 1024, 768, s, ColourScheme::ContourGrey);
    EXPECT_EQ(coloursUsed(), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {200, 200, 200}}));
}

TEST_F(BitmapWireframe, ThePictureIsTheClampedArea)
{
    DrawWireframe(picture, 1600, 1200, s, ColourScheme::GreenOnBlack);
    EXPECT_EQ(picture.width, 1024);
    EXPECT_EQ(picture.height, 768);

    // Half the width halves the mesh about the new centre.
    DrawWireframe(picture, 512, 200, s, ColourScheme::GreenOnBlack);
    EXPECT_EQ(picture.width, 512);
    EXPECT_EQ(picture.height, 200);
    EXPECT_EQ(picture.at(256, 100), (Rgb{0, 255, 0}));
}

TEST_F(BitmapWireframe, TinyAreasAreSafe)
{
    for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {1, 768}, {1024, 1}, {0, 500}}) {
        flatMap(65535);
        DrawWireframe(picture, w, h, s, ColourScheme::ContourGrey);
        EXPECT_EQ(picture.width, w);
        EXPECT_EQ(picture.height, h);
        EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    }
}

TEST_F(BitmapWireframe, AWindowOffAShrunkMapDrawsOnlyTheBackground)
{
    flatMap(100);
    s.view = ViewState{128, 0, 6, 6};
    DrawWireframe(picture, 1024, 768, s, ColourScheme::GreenOnBlack);
    EXPECT_EQ(coloursUsed(), (std::set<std::tuple<int, int, int>>{{0, 0, 0}}));
}
