#include "fractal_support.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "fractal/diamond_square.h"

#include <array>
#include <cmath>
#include <vector>

using namespace tolvar;
using tolvar::testing::errorOf;
using tolvar::testing::filledGrid;
using tolvar::testing::FrameTest;
using tolvar::testing::ModelRandom;
using tolvar::testing::seedAfter;

namespace {

class DiamondSquareTest : public FrameTest {
protected:
    void run(const std::string& size, const std::string& steepness, const std::string& distortion)
    {
        ui.texts[Box::cboHeight] = size;
        ui.texts[Box::cboSteep] = steepness;
        ui.texts[Box::cboDistort] = distortion;
        frame.BeginOperation();
        DiamondSquare(frame);
    }
};

// Midpoint displacement read word for word: i and j run over 1..M and are
// tested for oddness, the marks are a plain set of flags, and each level's
// range is rounded here, half to even.
struct LiteralDiamondSquare {
    Grid map;
    ModelRandom random;
    int rows;
    int levels;
    std::vector<char> set = std::vector<char>(Grid::Side * Grid::Side, 0);

    char& mark(int r, int c) { return set[static_cast<std::size_t>(r * Grid::Side + c)]; }
    void put(int r, int c, std::int64_t avg, std::int32_t d) { map(r, c) = static_cast<Height>((avg + d) & 0xFFFF); }

    void run(std::int32_t steepness, double distortion)
    {
        for (int r = 0; r <= rows; ++r)
            for (int c = 0; c <= rows; ++c)
                map(r, c) = 0;
        map(0, 0) = static_cast<Height>(random.draw(steepness * 256));
        map(rows, 0) = static_cast<Height>(random.draw(steepness * 256));
        map(0, rows) = static_cast<Height>(random.draw(steepness * 256));
        map(rows, rows) = static_cast<Height>(random.draw(steepness * 256));
        std::int32_t range = steepness * 512;
        for (int k = 1; k <= levels; ++k) {
            const int s = 1 << (levels - k);
            const int m = (1 << k) - 1;
            range = static_cast<std::int32_t>(std::nearbyint(3.0L * range * distortion)) / 4;
            for (int i = 1; i <= m; ++i)
                for (int j = 1; j <= m; ++j)
                    if (i % 2 == 1 && j % 2 == 1 && !mark(s * i, s * j)) {
                        const int p = s * i, q = s * j;
                        const std::int32_t d = random.draw(range);
                        put(p, q, (map(p - s, q - s) + map(p + s, q - s) + map(p - s, q + s) + map(p + s, q + s)) / 4, d);
                    }
            for (int i = 1; i <= m; ++i)
                for (int j = 1; j <= m; ++j)
                    if (i % 2 == 1 && j % 2 == 1 && !mark(s * i, s * j)) {
                        const int p = s * i, q = s * j;
                        mark(p, q) = true;
                        const int mid[4][2] = {{p - s, q}, {p, q - s}, {p + s, q}, {p, q + s}};
                        for (const auto& [r, c] : mid) {
                            int sum = 0, n = 0;
                            if (r - s >= 0) sum += map(r - s, c), ++n;
                            if (r + s <= rows) sum += map(r + s, c), ++n;
                            if (c + s <= rows) sum += map(r, c + s), ++n;
                            if (c - s >= 0) sum += map(r, c - s), ++n;
                            const std::int32_t d = random.draw(range);
                            if (!mark(r, c)) {
                                put(r, c, sum / n, d);
                                mark(r, c) = true;
                            }
                        }
                    }
        }
    }
};

} // namespace

TEST(DiamondSquareRanges, ShrinkOrGrowByThreeQuartersOfTheDistortion)
{
    EXPECT_EQ(DiamondSquareRanges(1, 1.0, 9), (std::vector<std::int32_t>{384, 288, 216, 162, 121, 90, 67, 50, 37}));
    EXPECT_EQ(DiamondSquareRanges(1, 0.75, 9), (std::vector<std::int32_t>{288, 162, 91, 51, 28, 15, 8, 4, 2}));
    // 3 x 450 x 1.25 is 1687.5, rounded to 1688: 422, where truncation gives 421.
    EXPECT_EQ(DiamondSquareRanges(1, 1.25, 9), (std::vector<std::int32_t>{480, 450, 422, 395, 370, 347, 325, 304, 285}));
    EXPECT_EQ(DiamondSquareRanges(1, 2.0, 9),
              (std::vector<std::int32_t>{768, 1152, 1728, 2592, 3888, 5832, 8748, 13122, 19683}));
    EXPECT_EQ(DiamondSquareRanges(10, 2.0, 9).back(), 196830);
}

TEST(DiamondSquareRanges, WrapAtThirtyTwoBitsAndFailBeyondSixtyFour)
{
    // 2^22 x 512 is 2^31, read as -2^31; 3 x -2^31 wraps to -2^31 again.
    EXPECT_EQ(DiamondSquareRanges(1 << 22, 1.0, 2), (std::vector<std::int32_t>{-536870912, -402653184}));
    EXPECT_EQ(DiamondSquareRanges(1 << 23, 1.0, 3), (std::vector<std::int32_t>{0, 0, 0}));

    // 1536 x 10^6 fits; the next product, 1.152e15, keeps its low 32 bits.
    const std::int64_t product = 3LL * 384000000 * 1000000;
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(product & 0xFFFFFFFF));
    EXPECT_EQ(DiamondSquareRanges(1, 1e6, 2), (std::vector<std::int32_t>{384000000, low / 4}));

    EXPECT_EQ(errorOf([] { DiamondSquareRanges(1, 1e20, 1); }), "Invalid floating point operation");
}

TEST_F(DiamondSquareTest, CornersCentreAndDrawCountFromSeedZero)
{
    map() = filledGrid(999);
    run("1280", "1", "1");
    EXPECT_EQ(map()(0, 0), 0);
    EXPECT_EQ(map()(128, 0), 8);
    EXPECT_EQ(map()(0, 128), 220);
    EXPECT_EQ(map()(128, 128), 51);
    EXPECT_EQ(map()(64, 64), 173);
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 27309));
    for (int i = 0; i < Grid::Side; ++i) {
        EXPECT_EQ(map()(129, i), 999);
        EXPECT_EQ(map()(i, 129), 999);
    }
}

// With Distortion 0 every offset is 0, so each lattice point is the plain
// average of its neighbours; the corners are the figures from seed 0.
TEST_F(DiamondSquareTest, WithoutOffsetsEveryPointIsTheAverageOfItsNeighbours)
{
    run("1280", "1", "0");
    Grid expected;
    expected(0, 0) = 0;
    expected(128, 0) = 8;
    expected(0, 128) = 220;
    expected(128, 128) = 51;
    for (int s = 64; s >= 1; s /= 2) {
        for (int p = s; p < 128; p += 2 * s)
            for (int q = s; q < 128; q += 2 * s)
                expected(p, q) = static_cast<Height>(
                    (expected(p - s, q - s) + expected(p + s, q - s) + expected(p - s, q + s) + expected(p + s, q + s)) /
                    4);
        // Edge midpoints: one coordinate an odd multiple of s, the other even.
        for (int r = 0; r <= 128; r += s)
            for (int c = (r / s) % 2 == 0 ? s : 0; c <= 128; c += 2 * s) {
                int sum = 0, n = 0;
                for (const auto& [dr, dc] : std::array<std::pair<int, int>, 4>{{{-s, 0}, {s, 0}, {0, -s}, {0, s}}})
                    if (r + dr >= 0 && r + dr <= 128 && c + dc >= 0 && c + dc <= 128) {
                        sum += expected(r + dr, c + dc);
                        ++n;
                    }
                expected(r, c) = static_cast<Height>(sum / n);
            }
    }
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 27309));
}

TEST_F(DiamondSquareTest, WholeMapsFollowTheLevelsDrawForDraw)
{
    struct Case {
        std::string size;
        int rows;
        int levels;
        std::int32_t steepness;
        double distortion;
    };
    for (const Case& k : {Case{"1280", 128, 7, 3, 1.25}, Case{"2560", 256, 8, 10, 2.0}, Case{"5120", 512, 9, 1, 0.75},
                         Case{"3840", 384, 9, 2, 1.5}}) {
        state().random.RandomSeed = 777;
        tolvar::testing::fillIrregular(map(), 31);
        run(k.size, std::to_string(k.steepness), std::to_string(k.distortion));

        LiteralDiamondSquare literal{Grid{}, ModelRandom{777}, k.rows, k.levels};
        tolvar::testing::fillIrregular(literal.map, 31);
        literal.run(k.steepness, k.distortion);
        EXPECT_EQ(map(), literal.map) << k.size;
        EXPECT_EQ(state().random.RandomSeed, literal.random.seed);
    }
}

// A 384 map spans the lattice 0..512: cells beyond the map take part with
// what they held and receive lattice values.
TEST_F(DiamondSquareTest, A384MapUsesTheLatticeBeyondIt)
{
    state().random.RandomSeed = 5;
    map() = filledGrid(40000);
    run("3840", "2", "1");
    // Every centre is still unset when its level comes, beyond the map too.
    EXPECT_EQ(state().random.RandomSeed, seedAfter(5, 4 + 5 * (1 + 4 + 16 + 64 + 256 + 1024 + 4096 + 16384 + 65536)));
    EXPECT_NE(map()(512, 256), 40000) << "an edge midpoint beyond the map is written";
    EXPECT_EQ(map()(512, 512), 40000) << "the far lattice corner is only read";
    EXPECT_EQ(map()(513, 256), 40000) << "the outer ring is never part of the lattice";
    EXPECT_EQ(map()(0, 0), ModelRandom{5}.draw(512));
}

TEST_F(DiamondSquareTest, HugeRangesWrapWithoutFailing)
{
    run("1280", "4194304", "1.9");
    run("1280", "10", "2.0");
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 2 * 27309));
}

TEST_F(DiamondSquareTest, ARangeTooLargeToRoundLeavesTheMapAsItWas)
{
    map() = filledGrid(12);
    ui.texts[Box::cboDistort] = "1e20";
    frame.BeginOperation();
    EXPECT_EQ(errorOf([&] { DiamondSquare(frame); }), "Invalid floating point operation");
    EXPECT_EQ(map(), filledGrid(12));
    EXPECT_EQ(state().random.RandomSeed, 0u);
}
