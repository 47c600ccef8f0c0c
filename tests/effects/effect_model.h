#pragma once

// The terrain effects written out plainly from their description: every disc
// scans the whole map and tests each cell, draws come from a generator of its
// own. Nothing here calls the effects library.
#include "core/grid.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace tolvar::testing {

struct EffectModel {
    using i32 = std::int32_t;
    using i64 = std::int64_t;
    static constexpr long double pi = std::numbers::pi_v<long double>;

    Grid map;
    i32 side = 128;
    i32 steepness = 1;
    std::uint32_t seed = 0;
    std::vector<std::string> lines;

    i32 draw(i32 n)
    {
        seed = seed * 134775813u + 1u;
        return static_cast<i32>(static_cast<std::uint32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32));
    }
    long double real()
    {
        seed = seed * 134775813u + 1u;
        return seed / 4294967296.0L;
    }
    static i32 add(i64 a, i64 b) { return static_cast<i32>(static_cast<std::uint32_t>(a + b)); }

    void log(std::string line, std::vector<i64> values)
    {
        for (std::size_t k = 0; k < values.size(); ++k)
            line += (k ? "," : "") + std::to_string(values[k]);
        lines.push_back(line);
    }
    // Cells 0..last whose offsets from (r0, c0) are in low..r and whose distance is at most r.
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
        log("Mtr=", {r0, c0, r});
        if (r > 0)
            disc(r0, c0, r, 1 - i64{r}, side, [&](Height& h, i64 dd) {
                const double d = std::sqrt(static_cast<double>(dd));
                const double root = std::sqrt(5.0 * std::sqrt(std::fabs(static_cast<double>(i64{r} * r) - d * d)));
                const i64 depth = static_cast<i32>(static_cast<std::uint32_t>(std::nearbyint(root)) * 5u *
                                                   static_cast<std::uint32_t>(steepness));
                h = static_cast<Height>(depth < h ? h - depth : 0);
            });
    }
    void fill(i32 r0, i32 c0, i32 r, i32 mode)
    {
        log("CFl=", {r0, c0, r, mode});
        i64 sum = 0, count = 0;
        if (r >= 0)
            disc(r0, c0, r, -i64{r}, side + 1, [&](Height& h, i64) { sum += h, ++count; });
        if (count > 0)
            disc(r0, c0, r, 1 - i64{r}, side, [&](Height& h, i64) { h = static_cast<Height>(mode == 3 ? 0 : sum / count); });
    }
    void circle(i32 x, i32 y, i32 r)
    {
        log("Crc=", {x, y, r});
        if (r > 0)
            disc(x, y, r, 1 - i64{r}, side, [&](Height& h, i64) { h = static_cast<Height>(h + 16u * steepness); });
    }
    void ring(i32 r0, i32 c0, long double dist, long double a, i32 r)
    {
        const long double x = dist * cosl(a) + dist * sinl(a), y = dist * cosl(a) - dist * sinl(a);
        circle(add(r0, std::llrint(x)), add(c0, std::llrint(y)), r);
    }

    // kind: 0 Contour, 1 Level, 2 Ridged, 3 Plateau.
    void shower(int kind)
    {
        const i32 count = draw(6) + 5;
        for (i32 n = 0; n < count; ++n) {
            const i32 row = add(draw(side - 30), 15);
            const i32 col = add(draw(side - 30), 15);
            const i32 r = draw(15) + (kind == 1 || kind == 2 ? 5 : 0);
            if (kind != 0)
                fill(row, col, r, 1);
            if (kind != 3)
                crater(row, col, r);
            if (kind == 2)
                for (int k = 0; k <= 180; ++k)
                    ring(row, col, r, k * pi / 90.0L, 1);
        }
    }
    void angled()
    {
        i32 row = draw(side);
        i32 col = draw(side);
        const i32 dr = draw(10) - 5;
        const i32 dc = draw(10) - 5;
        for (i32 i = 1; i <= 15; ++i) {
            fill(row, col, i, 1);
            crater(row, col, i);
            row += dr + draw(3);
            col += dc + draw(3);
        }
    }
    void volcano()
    {
        const i32 h = side / 2;
        const i32 a = draw(h), b = draw(h), c = draw(h), d = draw(h);
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
    // Returns orientation x 2 + side.
    int earthquake()
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
        return orientation * 2 + upper;
    }
    // kind: 1 River (Contour), 2 River (Level), 3 Canyon.
    void walk(int kind)
    {
        const i32 axis = draw(2), w = (draw(8) + 8) / 2, a = draw(side / 2), b = draw(side / 2);
        i32 row = axis ? a + b : 0, col = axis ? 0 : a + b;
        const auto impact = [&] {
            if (kind > 1)
                fill(row, col, w, kind == 3 ? 3 : 1);
            crater(row, col, w);
        };
        do {
            impact();
            i32& first = axis ? col : row;
            i32& second = axis ? row : col;
            first += draw(w);
            second += draw(w);
        } while ((axis ? col : row) < side);
        impact();
    }
};

} // namespace tolvar::testing
