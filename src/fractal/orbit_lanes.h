#pragma once

#include "fractal/row_workers.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace tolvar {

// One orbit of z := z^2 + c with distortion. z is held in doubles and each
// step is computed in extended precision, rounded as it is stored.
struct Orbit {
    double zRe = 0;
    double zIm = 0;

    long double magnitude() const
    {
        const long double re = zRe;
        const long double im = zIm;
        return re * re + im * im;
    }

    // Bit for bit, so that a repeat means the same orbit from here on.
    bool sameAs(const Orbit& other) const
    {
        return std::bit_cast<std::uint64_t>(zRe) == std::bit_cast<std::uint64_t>(other.zRe) &&
               std::bit_cast<std::uint64_t>(zIm) == std::bit_cast<std::uint64_t>(other.zIm);
    }
};

// The points of one row of the plane.
struct RowPlane {
    long double cRe;
    std::span<const double> cIm;
    long double twoDistortion;
};

// Iterates the orbit of every cell of a row and writes counter.result(z) of
// each to out. A Counter holds a type's iteration limit and counts:
//   running()        the loop's counter test, made with the escape test
//   advance()        one iteration counted
//   repeats(period)  z is where it was `period` iterations ago, so it stays
//                    on that cycle: the counter may skip whole turns of it
//
// One chain of x87 arithmetic per cell leaves the core idle between
// dependent operations, so several cells are in flight at once; a lane
// takes the next cell of the row when its own is finished. Each cell's
// steps are exactly those of a plain loop.
//
// Repeats are found with Brent's method: a saved state is compared at every
// step and moved on at powers of two.
//
// Returns early, with the row unfinished, once `stop` is set.
template <class Counter>
void OrbitRow(const RowPlane& plane, const Counter& start, std::span<typename Counter::Result> out,
              const StopFlag& stop)
{
    constexpr std::size_t LaneCount = 8;
    constexpr std::uint32_t RoundsBetweenStopChecks = 1u << 16;

    struct Lane {
        Orbit z{};
        Orbit saved{};
        std::uint32_t sinceSaved = 0;
        std::uint32_t power = 1;
        Counter counter;
        std::size_t col = 0;
        bool busy = false;
    };
    // Copied, so that they stay on the x87 stack rather than being loaded
    // again at every step.
    const long double cRe = plane.cRe;
    const long double twoDistortion = plane.twoDistortion;
    const double* const cIm = plane.cIm.data();

    std::array<Lane, LaneCount> lanes;
    std::size_t next = 0;
    std::size_t busy = 0;
    const auto take = [&](Lane& lane) {
        lane = Lane{.counter = start, .col = next, .busy = next < out.size()};
        next += lane.busy;
        busy += lane.busy;
    };
    for (Lane& lane : lanes)
        take(lane);

    for (std::uint32_t round = 1; busy > 0; ++round) {
        if (round % RoundsBetweenStopChecks == 0 && stop)
            return;
        for (Lane& lane : lanes) {
            if (!lane.busy)
                continue;
            const long double re = lane.z.zRe;
            const long double im = lane.z.zIm;
            const long double re2 = re * re;
            const long double im2 = im * im;
            if (!(re2 + im2 < 4.0L && lane.counter.running())) {
                out[lane.col] = lane.counter.result(lane.z);
                --busy;
                take(lane);
                continue;
            }
            lane.z.zRe = static_cast<double>(re2 - im2 + cRe);
            lane.z.zIm = static_cast<double>(twoDistortion * re * im + cIm[lane.col]);
            lane.counter.advance();
            ++lane.sinceSaved;
            if (lane.z.sameAs(lane.saved)) {
                lane.counter.repeats(lane.sinceSaved);
            } else if (lane.sinceSaved == lane.power) {
                lane.saved = lane.z;
                lane.power *= 2;
                lane.sinceSaved = 0;
            }
        }
    }
}

} // namespace tolvar
