#include "fractal/escape_time.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "fractal/orbit_lanes.h"
#include "fractal/plane_window.h"

#include <memory>
#include <numeric>
#include <span>
#include <vector>

namespace tolvar {
namespace {

using Ext = long double;

// Count mode and high mode: 16-bit counters, the height is one of them.
struct MandelCounter {
    using Result = Height;

    std::int32_t iterations;
    std::uint16_t steepness;
    bool high;
    std::uint16_t count = 0;
    std::uint16_t sum = 0;

    bool running() const { return count < iterations; }
    void advance()
    {
        sum = static_cast<std::uint16_t>(sum + steepness);
        count = static_cast<std::uint16_t>(count + (high ? 1 : steepness));
    }
    // On a cycle z never escapes, so only the counters can end the loop;
    // checkBailOut has made sure that they do.
    void repeats(std::uint32_t)
    {
        while (running())
            advance();
    }
    Height result(const Orbit&) const { return high ? sum : count; }
};

// JuliaBrot: a 32-bit count, and the height comes from the final z.
struct JuliaBrotCounter {
    using Result = Ext;

    std::int32_t iterations;
    std::int32_t count = 0;

    bool running() const { return count < iterations; }
    void advance() { ++count; }
    // Whole turns of the cycle leave z where it is, so skip every turn that
    // ends before the count does; the loop makes the rest.
    void repeats(std::uint32_t period)
    {
        const auto left = static_cast<std::uint32_t>(iterations - count);
        count += static_cast<std::int32_t>(left - left % period);
    }
    Ext result(const Orbit& z) const { return z.magnitude(); }
};

// Every row of the window through OrbitRow on the workers, while this
// thread keeps the progress display going.
template <class Counter>
void orbitRows(Frame& frame, const PlaneWindow& window, const Counter& start, unsigned workers,
               const std::function<std::span<typename Counter::Result>(int)>& rowOut)
{
    const Ext twoDistortion = 2.0L * frame.state().params.Distortion;
    const std::unique_ptr<Progress> progress = frame.ui().startProgress(window.rows(), "Run", "Row");
    ForEachRow(
        window.rows(), workers,
        [&](int row, const StopFlag& stop) {
            const std::vector<double> im = window.imaginary(row);
            OrbitRow(RowPlane{window.real(row), im, twoDistortion}, start, rowOut(row), stop);
        },
        [&](int rowReached) { return !progress->cancelled(rowReached); });
}

// A point that never escapes stops only when its 16-bit counter reaches the
// Bail Out Value. In count mode the counter takes the multiples of
// gcd(Steepness mod 65536, 65536) below 65536, in high mode 0..65535.
void checkBailOut(std::int32_t iterations, std::int32_t steepness, bool high)
{
    if (high) {
        if (iterations > 65535)
            throw Error("Bail Out Value " + IntToStr(iterations) +
                        " is too large for MandelHigh: the largest Bail Out Value that works is 65535");
        return;
    }
    const std::int32_t grain = std::gcd(steepness & 0xFFFF, 0x10000);
    const std::int32_t largest = 0x10000 - grain;
    if (iterations > largest)
        throw Error("Bail Out Value " + IntToStr(iterations) + " is never reached in steps of Steepness " +
                    IntToStr(steepness) + ": the largest Bail Out Value that works with this Steepness is " +
                    IntToStr(largest));
}

} // namespace

void EscapeTimeMandel(Frame& frame, unsigned workers)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    const FractalParams& p = s.params;
    const MandelCounter start{p.Iterations, static_cast<std::uint16_t>(p.Steepness),
                              frame.ui().isChecked("MandelHigh1")};
    checkBailOut(p.Iterations, p.Steepness, start.high);

    const PlaneWindow window(frame);
    orbitRows<MandelCounter>(frame, window, start, workers, [&](int row) {
        return std::span(&s.HeightMap(row, 1), static_cast<std::size_t>(window.cols()));
    });
    window.finish(s.params);
    frame.RefreshViews();
}

void JuliaBrot(Frame& frame, unsigned workers)
{
    frame.BeginOperation();
    frame.BusyCursorOn();
    AppState& s = frame.state();
    const FractalParams& p = s.params;

    const PlaneWindow window(frame);
    const auto cols = static_cast<std::size_t>(window.cols());
    std::vector<Ext> magnitudes(static_cast<std::size_t>(window.rows()) * cols);
    orbitRows<JuliaBrotCounter>(frame, window, JuliaBrotCounter{p.Iterations}, workers, [&](int row) {
        return std::span(&magnitudes[static_cast<std::size_t>(row - 1) * cols], cols);
    });

    // Stored in walk order, so a magnitude too large to round stops the run
    // at the same cell whatever the number of workers.
    const auto factor = static_cast<std::uint32_t>(p.Steepness) * static_cast<std::uint32_t>(p.Steepness);
    for (int row = 1; row <= window.rows(); ++row)
        for (std::size_t col = 0; col < cols; ++col) {
            const Ext m = magnitudes[static_cast<std::size_t>(row - 1) * cols + col];
            s.HeightMap.store(row, static_cast<int>(col) + 1, static_cast<std::uint32_t>(RoundToInt(m)) * factor);
        }
    window.finish(s.params);
    frame.RefreshViews();
    frame.BusyCursorOff();
}

} // namespace tolvar
