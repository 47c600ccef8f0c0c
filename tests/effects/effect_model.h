#pragma once

// The terrain effects written out plainly from their description: every disc
// scans the whole map and tests each cell, draws come from a generator of its
// own. Nothing here calls the effects library.
#include "core/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::testing {

struct EffectModel {
    using i32 = std::int32_t;
    using i64 = std::int64_t;
    static constexpr long double pi = std::numbers::pi_v<long double>;

    Grid map;
    i32 side, steepness;
    std::uint32_t seed;
    std::vector<std::string> lines;

    EffectModel(i32 mapSide, i32 steep, std::uint32_t start = 0) : side(mapSide), steepness(steep), seed(start) {}

    std::uint32_t step() { return seed = seed * 134775813u + 1u; }
    i32 draw(i32 n) { return static_cast<i32>((std::uint64_t{step()} * static_cast<std::uint32_t>(n)) >> 32); }
    long double real() { return step() / 4294967296.0L; }
    static i32 add(i64 a, i64 b) { return static_cast<i32>(static_cast<std::uint32_t>(a + b)); }
    template <typename... T> void log(std::string line, T... values)
    {
        ((line += std::to_string(values) + ","), ...);
        lines.push_back(line.substr(0, line.size() - 1));
    }
    // Cells 0..last whose offsets from (r0, c0) lie in low..r and whose distance is at most r.
    template <typename F> void disc(i64 r0, i64 c0, i64 r, i64 low, i32 last, F f)
    {
        for (i32 row = 0; row <= last; ++row)
            for (i32 col = 0; col <= last; ++col) {
                const i64 dr = row - r0, dc = col - c0;
                if (dr >= low && dr <= r && dc >= low && dc <= r && dr * dr + dc * dc <= r * r)
                    f(map(row, col), dr * dr + dc * dc);
            }
    }

    void crater(i32 r0, i32 c0, i32 r)
    {
        log("Mtr=", r0, c0, r);
        disc(r0, c0, r, 1 - i64{r}, side, [&](Height& h, i64 dd) {
            const double d = std::sqrt(static_cast<double>(dd));
            const double root = std::sqrt(5.0 * std::sqrt(std::fabs(static_cast<double>(i64{r} * r) - d * d)));
            const i64 depth = static_cast<i32>(static_cast<std::uint32_t>(std::nearbyint(root)) * 5u * steepness);
            h = static_cast<Height>(depth < h ? h - depth : 0);
        });
    }
    void fill(i32 r0, i32 c0, i32 r, i32 mode)
    {
        log("CFl=", r0, c0, r, mode);
        i64 sum = 0, count = 0;
        disc(r0, c0, r, -i64{r}, side + 1, [&](Height& h, i64) { sum += h, ++count; });
        if (count > 0)
            disc(r0, c0, r, 1 - i64{r}, side,
                 [&](Height& h, i64) { h = static_cast<Height>(mode == 3 ? 0 : sum / count); });
    }
    void circle(i32 x, i32 y, i32 r)
    {
        log("Crc=", x, y, r);
        disc(x, y, r, 1 - i64{r}, side, [&](Height& h, i64) { h = static_cast<Height>(h + 16u * steepness); });
    }
    void ring(i32 r0, i32 c0, long double dist, long double a, i32 r)
    {
        circle(add(r0, std::llrint(dist * cosl(a) + dist * sinl(a))),
               add(c0, std::llrint(dist * cosl(a) - dist * sinl(a))), r);
    }

    // Contour, Level, Ridged and Plateau by kind 0..3.
    void shower(int kind)
    {
        for (i32 n = draw(6) + 5; n > 0; --n) {
            const i32 row = add(draw(side - 30), 15), col = add(draw(side - 30), 15);
            const i32 r = draw(15) + (kind == 1 || kind == 2 ? 5 : 0);
            if (kind != 0)
                fill(row, col, r, 1);
            if (kind != 3)
                crater(row, col, r);
            for (int k = 0; kind == 2 && k <= 180; ++k)
                ring(row, col, r, k * pi / 90.0L, 1);
        }
    }
    void angled()
    {
        i32 row = draw(side), col = draw(side);
        const i32 dr = draw(10) - 5, dc = draw(10) - 5;
        for (i32 i = 1; i <= 15; ++i) {
            fill(row, col, i, 1);
            crater(row, col, i);
            row += dr + draw(3);
            col += dc + draw(3);
        }
    }
    void volcano()
    {
        const i32 h = side / 2, a = draw(h), b = draw(h), c = draw(h), d = draw(h);
        i32 radius = side / 4;
        long double dist = radius;
        const long double phi = real() * 2.0L * pi;
        for (i32 count = 2; count <= 128; count *= 2) {
            radius = radius * 4 / 5;
            dist = dist * 7.0L * 0.125L;
            for (i32 n = 0; n < count; ++n)
                ring(h + (a + b) / 4, h + (c + d) / 4, dist, real() * 7.0L * pi / 4.0L + phi, radius);
        }
    }
    void earthquake()
    {
        const i32 orientation = draw(2), upper = draw(2), a = draw(side), b = draw(side);
        std::vector<i32> f{(a + b) / 2};
        for (i32 k = 1; k <= side; ++k) {
            const i32 forward = draw(5);
            f.push_back(f.back() + forward - draw(3));
        }
        for (i32 i = 0; i <= side; ++i)
            for (i32 j = 0; j <= side; ++j) {
                const i32 line = orientation ? f[j] : f[i], at = orientation ? i : j;
                if (upper ? at > line : at < line)
                    map(i, j) = static_cast<Height>(map(i, j) + 20u * steepness);
            }
    }
    // River (Contour), River (Level) and Canyon by kind 1..3.
    void walk(int kind)
    {
        const i32 axis = draw(2), w = (draw(8) + 8) / 2, a = draw(side / 2), b = draw(side / 2);
        i32 row = axis ? a + b : 0, col = axis ? 0 : a + b;
        i32& lead = axis ? col : row;
        i32& drift = axis ? row : col;
        const auto impact = [&] {
            if (kind > 1)
                fill(row, col, w, kind == 3 ? 3 : 1);
            crater(row, col, w);
        };
        do {
            impact();
            lead += draw(w);
            drift += draw(w);
        } while (lead < side);
        impact();
    }

    void run(std::string_view item)
    {
        const std::string_view items[] = {"Meteor1",  "LevelMeteor1", "MeteorExplosive1", "Plateaus1",   "Angled1",
                                          "Volcano1", "Earthquake1",  "River1",           "RiverLevel1", "Canyon1"};
        const int k = static_cast<int>(std::find(std::begin(items), std::end(items), item) - std::begin(items));
        if (k < 4)
            shower(k);
        else if (k == 4)
            angled();
        else if (k == 5)
            volcano();
        else if (k == 6)
            earthquake();
        else
            walk(k - 6);
    }
};

} // namespace tolvar::testing
