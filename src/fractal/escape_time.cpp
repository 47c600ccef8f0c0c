#include "fractal/escape_time.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "fractal/plane_window.h"

#include <numeric>

namespace tolvar {
namespace {

using Ext = long double;

// One orbit of z := z^2 + c with distortion. z is held in doubles and each
// step is computed in extended precision, rounded as it is stored.
struct Orbit {
    double zRe = 0;
    double zIm = 0;

    // True while z has not escaped; the squares are formed in extended.
    bool inside() const
    {
        const Ext re = zRe;
        const Ext im = zIm;
        return re * re + im * im < 4.0L;
    }

    Ext magnitude() const
    {
        const Ext re = zRe;
        const Ext im = zIm;
        return re * re + im * im;
    }

    void step(Ext cRe, Ext cIm, Ext twoDistortion)
    {
        const Ext re = zRe;
        const Ext im = zIm;
        const double t = static_cast<double>(re * re - im * im + cRe);
        zIm = static_cast<double>(twoDistortion * re * im + cIm);
        zRe = t;
    }
};

struct MandelCounters {
    std::int32_t iterations;
    std::uint16_t steepness;
    bool high;
};

Height mandelCell(Ext cRe, Ext cIm, Ext twoDistortion, const MandelCounters& k)
{
    Orbit z;
    std::uint16_t count = 0;
    std::uint16_t sum = 0;
    const std::uint16_t countStep = k.high ? 1 : k.steepness;
    while (z.inside() && count < k.iterations) {
        z.step(cRe, cIm, twoDistortion);
        sum = static_cast<std::uint16_t>(sum + k.steepness);
        count = static_cast<std::uint16_t>(count + countStep);
    }
    return k.high ? sum : count;
}

Ext juliaBrotMagnitude(Ext cRe, Ext cIm, Ext twoDistortion, std::int32_t iterations)
{
    Orbit z;
    for (std::int32_t i = 0; z.inside() && i < iterations; ++i)
        z.step(cRe, cIm, twoDistortion);
    return z.magnitude();
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
    const MandelCounters counters{p.Iterations, static_cast<std::uint16_t>(p.Steepness),
                                  frame.ui().isChecked("MandelHigh1")};
    checkBailOut(p.Iterations, p.Steepness, counters.high);

    const PlaneWindow window(frame);
    const Ext twoDistortion = 2.0L * p.Distortion;
    ForEachRow(window.rows(), workers, [&](int row) {
        const Ext re = window.real(row);
        const std::vector<double> im = window.imaginary(row);
        for (int col = 1; col <= window.cols(); ++col)
            s.HeightMap(row, col) = mandelCell(re, im[static_cast<std::size_t>(col - 1)], twoDistortion, counters);
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
    const Ext twoDistortion = 2.0L * p.Distortion;
    const auto cols = static_cast<std::size_t>(window.cols());
    std::vector<Ext> magnitudes(static_cast<std::size_t>(window.rows()) * cols);
    ForEachRow(window.rows(), workers, [&](int row) {
        const Ext re = window.real(row);
        const std::vector<double> im = window.imaginary(row);
        Ext* out = &magnitudes[static_cast<std::size_t>(row - 1) * cols];
        for (std::size_t col = 0; col < cols; ++col)
            out[col] = juliaBrotMagnitude(re, im[col], twoDistortion, p.Iterations);
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
