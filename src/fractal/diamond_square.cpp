#include "fractal/diamond_square.h"

#include "core/frame.h"
#include "core/number_text.h"

#include <array>
#include <memory>
#include <utility>

namespace tolvar {
namespace {

using Marks = std::array<bool, Grid::Side * Grid::Side>;

int levelCount(int mapRows)
{
    if (mapRows == 128)
        return 7;
    return mapRows == 256 ? 8 : 9;
}

std::int32_t wrapped(std::uint32_t value) { return static_cast<std::int32_t>(value); }

class Lattice {
public:
    Lattice(AppState& s) : map_(s.HeightMap), random_(s.random), rows_(s.MapRows), cols_(s.MapCols) {}

    void clear()
    {
        for (int r = 0; r <= rows_; ++r)
            for (int c = 0; c <= cols_; ++c)
                map_(r, c) = 0;
    }

    void corners(std::int32_t steepness)
    {
        const std::int32_t range = wrapped(static_cast<std::uint32_t>(steepness) * 256u);
        const std::array<std::pair<int, int>, 4> cells{{{0, 0}, {rows_, 0}, {0, cols_}, {rows_, cols_}}};
        for (const auto& [r, c] : cells)
            map_.store(r, c, random_.RandomInt(range));
    }

    // Centres of the squares of side 2S: p and q are odd multiples of S.
    void diamondPass(int step, int count, std::int32_t range)
    {
        for (int p = step; p <= count * step; p += 2 * step)
            for (int q = step; q <= count * step; q += 2 * step)
                if (!isSet(p, q)) {
                    const std::int32_t d = random_.RandomInt(range);
                    const int avg = (map_(p - step, q - step) + map_(p + step, q - step) + map_(p - step, q + step) +
                                     map_(p + step, q + step)) /
                                    4;
                    raise(p, q, avg, d);
                }
    }

    void squarePass(int step, int count, std::int32_t range)
    {
        for (int p = step; p <= count * step; p += 2 * step)
            for (int q = step; q <= count * step; q += 2 * step)
                if (!isSet(p, q)) {
                    mark(p, q);
                    const std::array<std::pair<int, int>, 4> midpoints{{{p - step, q}, {p, q - step}, {p + step, q}, {p, q + step}}};
                    for (const auto& [r, c] : midpoints)
                        edgeMidpoint(r, c, step, range);
                }
    }

private:
    // Every midpoint draws its offset, also one an earlier square has set.
    void edgeMidpoint(int r, int c, int step, std::int32_t range)
    {
        int sum = 0;
        int n = 0;
        const auto add = [&](bool inside, int rr, int cc) {
            if (inside) {
                sum += map_(rr, cc);
                ++n;
            }
        };
        add(r - step >= 0, r - step, c);
        add(r + step <= rows_, r + step, c);
        add(c + step <= cols_, r, c + step);
        add(c - step >= 0, r, c - step);
        const std::int32_t d = random_.RandomInt(range);
        if (!isSet(r, c)) {
            raise(r, c, sum / n, d);
            mark(r, c);
        }
    }

    void raise(int r, int c, int avg, std::int32_t d)
    {
        map_.store(r, c, static_cast<std::uint32_t>(avg) + static_cast<std::uint32_t>(d));
    }

    bool isSet(int r, int c) const { return (*marks_)[static_cast<std::size_t>(r * Grid::Side + c)]; }
    void mark(int r, int c) { (*marks_)[static_cast<std::size_t>(r * Grid::Side + c)] = true; }

    Grid& map_;
    Random& random_;
    int rows_;
    int cols_;
    // Lattice points beyond the map (a 384 map spans 0..512) start unset too.
    std::unique_ptr<Marks> marks_ = std::make_unique<Marks>();
};

} // namespace

std::vector<std::int32_t> DiamondSquareRanges(std::int32_t steepness, double distortion, int levels)
{
    std::vector<std::int32_t> ranges;
    std::int32_t range = wrapped(static_cast<std::uint32_t>(steepness) * 512u);
    for (int k = 1; k <= levels; ++k) {
        const std::int32_t tripled = wrapped(static_cast<std::uint32_t>(range) * 3u);
        range = RoundToInt(static_cast<long double>(tripled) * static_cast<long double>(distortion)) / 4;
        ranges.push_back(range);
    }
    return ranges;
}

void DiamondSquare(Frame& frame)
{
    frame.BusyCursorOn();
    AppState& s = frame.state();
    const int levels = levelCount(s.MapRows);
    // Formed before the map is touched, so a range too large to round
    // leaves the map as it was.
    const std::vector<std::int32_t> ranges = DiamondSquareRanges(s.params.Steepness, s.params.Distortion, levels);

    Lattice lattice(s);
    lattice.clear();
    lattice.corners(s.params.Steepness);
    for (int k = 1; k <= levels; ++k) {
        const int step = 1 << (levels - k);
        const int count = (1 << k) - 1;
        lattice.diamondPass(step, count, ranges[static_cast<std::size_t>(k - 1)]);
        lattice.squarePass(step, count, ranges[static_cast<std::size_t>(k - 1)]);
    }
    frame.BusyCursorOff();
}

} // namespace tolvar
