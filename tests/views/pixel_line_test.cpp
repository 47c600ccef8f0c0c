#include "views/pixel_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <utility>

using namespace tolvar;

namespace {

using Pixels = std::set<std::pair<int, int>>;
constexpr Rgb Pen{1, 2, 3};

Pixels lit(const RgbImage& picture)
{
    Pixels result;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.at(x, y) == Pen)
                result.insert({x, y});
    return result;
}

Pixels drawn(int w, int h, ScreenPoint from, ScreenPoint to)
{
    RgbImage picture;
    picture.resize(w, h);
    DrawPixelLine(picture, from, to, Pen);
    return lit(picture);
}

// The textbook incremental Bresenham with its decision variable, unclipped,
// stopping before the end point; only pixels inside w x h are kept.
Pixels reference(int w, int h, ScreenPoint a, ScreenPoint b)
{
    const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
    const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
    const int sx = b.x < a.x ? -1 : 1;
    const int sy = b.y < a.y ? -1 : 1;
    const bool xMajor = dx >= dy;
    const long long major = xMajor ? dx : dy;
    const long long minor = xMajor ? dy : dx;
    long long x = a.x, y = a.y;
    long long d = 2 * minor - major;
    Pixels result;
    for (long long t = 0; t < major; ++t) {
        if (x >= 0 && x < w && y >= 0 && y < h)
            result.insert({static_cast<int>(x), static_cast<int>(y)});
        if (d > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            d -= 2 * major;
        }
        d += 2 * minor;
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return result;
}

} // namespace

TEST(PixelLine, StopsBeforeTheEndPoint)
{
    EXPECT_EQ(drawn(8, 8, {1, 1}, {4, 1}), (Pixels{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(drawn(8, 8, {4, 1}, {1, 1}), (Pixels{{4, 1}, {3, 1}, {2, 1}}));
    EXPECT_EQ(drawn(8, 8, {2, 6}, {2, 3}), (Pixels{{2, 6}, {2, 5}, {2, 4}}));
    EXPECT_EQ(drawn(8, 8, {0, 0}, {3, 3}), (Pixels{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_TRUE(drawn(8, 8, {5, 5}, {5, 5}).empty());
}

TEST(PixelLine, ATieStaysOnTheStartSide)
{
    // Half way along, the ideal line passes exactly between two rows.
    EXPECT_EQ(drawn(8, 8, {0, 0}, {4, 1}), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(drawn(8, 8, {4, 1}, {0, 0}), (Pixels{{4, 1}, {3, 1}, {2, 1}, {1, 0}}));
}

TEST(PixelLine, MatchesTheIncrementalAlgorithmInEveryDirection)
{
    for (int x0 = 0; x0 < 7; ++x0)
        for (int y0 = 0; y0 < 7; ++y0)
            for (int x1 = 0; x1 < 7; ++x1)
                for (int y1 = 0; y1 < 7; ++y1)
                    ASSERT_EQ(drawn(7, 7, {x0, y0}, {x1, y1}), reference(7, 7, {x0, y0}, {x1, y1}))
                        << x0 << "," << y0 << " to " << x1 << "," << y1;
}

TEST(PixelLine, ClipsEndsFarOutsideThePicture)
{
    // A fixed pseudo-random set of segments with ends up to 20000 points away.
    unsigned seed = 12345;
    const auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % 40001) - 20000;
    };
    for (int n = 0; n < 200; ++n) {
        const ScreenPoint a{next(), next() / 20};
        const ScreenPoint b{next() / 20, next()};
        ASSERT_EQ(drawn(64, 48, a, b), reference(64, 48, a, b)) << a.x << "," << a.y << " to " << b.x << "," << b.y;
    }
}

TEST(PixelLine, EndsAtTheLimitsOfIntStillDrawOnePixelPerColumn)
{
    const Pixels pixels = drawn(16, 8, {INT_MIN, 0}, {INT_MAX, 5});
    ASSERT_EQ(pixels.size(), 16u);
    for (const auto& [x, y] : pixels)
        EXPECT_TRUE(y == 2 || y == 3) << x << "," << y;

    EXPECT_EQ(drawn(4, 3, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}), (Pixels{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(PixelLine, EmptyPicturesTakeNoPixels)
{
    EXPECT_TRUE(drawn(0, 0, {-5, -5}, {5, 5}).empty());
    EXPECT_EQ(drawn(1, 1, {-5, -5}, {5, 5}), (Pixels{{0, 0}}));
}
