#include "escape_time_fixture.h"
#include "irregular_map.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

struct PlainResult {
    Grid map;
    double real = 0;
    double imaginary = 0;
};

// The escape-time walk written out plainly: one cell after another, every
// iteration made, the row and column sums stepped in place.
PlainResult plainWalk(EscapeKind kind, const EscapeFields& f, Grid map)
{
    const int n = 2 * (std::stoi(f.size) / 20);
    const float spread = std::stof(f.spread);
    const double distortion = std::stod(f.distortion);
    const std::int32_t steep = std::stoi(f.steepness);
    const std::int32_t iterations = std::stoi(f.iterations);
    double real = std::stod(f.real);
    double imag = std::stod(f.imaginary);
    for (int row = 1; row <= n; ++row) {
        real = static_cast<double>(1.0L / n * spread + real);
        imag = std::stod(f.imaginary);
        for (int col = 1; col <= n; ++col) {
            double zr = 0, zi = 0;
            imag = static_cast<double>(1.0L / n * spread + imag);
            std::uint16_t count = 0, sum = 0;
            std::int32_t i = 0;
            while ((long double)zr * zr + (long double)zi * zi < 4.0L &&
                   (kind == EscapeKind::JuliaBrot ? i < iterations : count < iterations)) {
                const double t = static_cast<double>((long double)zr * zr - (long double)zi * zi + real);
                zi = static_cast<double>(2.0L * distortion * zr * zi + imag);
                zr = t;
                sum = static_cast<std::uint16_t>(sum + steep);
                count = static_cast<std::uint16_t>(count + (kind == EscapeKind::High ? 1 : steep));
                ++i;
            }
            if (kind == EscapeKind::JuliaBrot) {
                const auto m = static_cast<std::uint32_t>(std::llrint((long double)zr * zr + (long double)zi * zi));
                map(row, col) = static_cast<Height>(m * static_cast<std::uint32_t>(steep * steep));
            } else {
                map(row, col) = kind == EscapeKind::High ? sum : count;
            }
        }
    }
    return {map, real, imag};
}

struct Case {
    const char* what;
    EscapeKind kind;
    EscapeFields fields;
};

using K = EscapeKind;
using EscapeTimeEquivalenceTest = EscapeTimeFixture;

// Views deep inside the set hold cycles of period 1 (main cardioid),
// 2 (around -1) and 3 (around -.12 + .74i), which the generators cut short.
const std::vector<Case> Cases{
    {"default view", K::Count, {}},
    {"default view", K::High, {}},
    {"default view", K::JuliaBrot, {}},
    {"cardioid, large Bail Out", K::Count, {"100", "-.3", "-.2", "0.2", "1", "1", "30000"}},
    {"period 2, high mode at the limit", K::High, {"100", "-1.1", "-.1", "0.2", "1", "7", "65535"}},
    {"period 3", K::High, {"100", "-.16", ".7", "0.08", "1", "1", "40001"}},
    {"Steepness 0", K::Count, {.steepness = "0", .iterations = "0"}},
    {"Steepness 0", K::High, {.steepness = "0"}},
    {"Steepness 3 at the limit", K::Count, {"100", "-1.1", "-.1", "0.2", "1", "3", "65535"}},
    {"Steepness 256 at the limit", K::Count, {"100", "-.3", "-.2", "0.5", "1", "256", "65280"}},
    {"Steepness -1", K::Count, {.steepness = "-1", .iterations = "65535"}},
    {"Steepness -1", K::High, {.steepness = "-1"}},
    {"Steepness 3", K::JuliaBrot, {.steepness = "3"}},
    {"Distortion 1.3", K::Count, {"1280", "-1.9", "-.6", "1.2", "1.3", "3", "200"}},
    {"Distortion 2.0", K::High, {"1280", "-.3", ".2", "0.4", "2.0", "7", "300"}},
    {"Distortion -.5", K::JuliaBrot, {"400", "-1.2", "-.4", "0.6", "-.5", "1", "5000"}},
    {"no rows", K::Count, {.size = "0"}},
    {"no rows", K::JuliaBrot, {.size = "0"}},
    {"2 rows", K::High, {.size = "20", .real = "-.2", .imaginary = "0", .spread = "0.01"}},
    // Row 1 lies on the imaginary axis, so z1 = (0, c) shares ZRe with z0.
    {"2 rows, escaping from the imaginary axis", K::Count, {"20", "-.0625", "1.4", ".125", "1", "1", "1000"}},
    {"512 rows", K::Count, {.size = "5120", .iterations = "200"}},
    {"JuliaBrot Bail Out 1", K::JuliaBrot, {.iterations = "1"}},
    {"JuliaBrot Bail Out 2", K::JuliaBrot, {.iterations = "2"}},
    {"JuliaBrot Bail Out 100000, period 2", K::JuliaBrot, {"100", "-1.1", "-.1", "0.2", "1", "2", "100000"}},
    {"JuliaBrot Bail Out 100000, period 3", K::JuliaBrot, {"100", "-.16", ".7", "0.08", "1", "1", "100000"}},
};

} // namespace

TEST_F(EscapeTimeEquivalenceTest, WholeMapsMatchThePlainWalkOnAnyNumberOfWorkers)
{
    for (const Case& c : Cases) {
        Grid start;
        fillIrregular(start, 11);
        const PlainResult expected = plainWalk(c.kind, c.fields, start);
        enter(c.fields);
        for (const unsigned workers : {1u, 2u}) {
            map() = start;
            run(c.kind, workers);
            EXPECT_EQ(map(), expected.map) << c.what << ", kind " << int(c.kind) << ", workers " << workers;
            EXPECT_EQ(state().params.Real, expected.real) << c.what;
            EXPECT_EQ(state().params.Imaginary, expected.imaginary) << c.what;
        }
    }
}
