// Run of each fractal type on a 512 x 512 map with the default fields, the
// escape-time routines on 1 and 2 workers with the time per inner iteration,
// a plain serial x87 loop of the same arithmetic to compare with, and
// AddCircle.
#include "core/frame.h"
#include "core/number_text.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"
#include "fractal/add_circle.h"
#include "fractal/escape_time.h"
#include "fractal/run_command.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tolvar;

namespace {

struct Bench {
    testing::FakeUi ui;
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};

    Bench()
    {
        resetAppState();
        ui.texts[Box::cboHeight] = "5120";
    }
};

// Inner iterations of the default 512 walk: with Steepness 1, MandelHigh
// stores each cell's iteration count, and the other two make as many.
double defaultIterations()
{
    Bench b;
    b.ui.setChecked("MandelHigh1", true);
    EscapeTimeMandel(b.frame);
    double total = 0;
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            total += appState().HeightMap(r, c);
    return total;
}

void perIteration(benchmark::State& state)
{
    static const double iterations = defaultIterations();
    state.counters["per_iteration"] = benchmark::Counter(iterations * static_cast<double>(state.iterations()),
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Run(benchmark::State& state, const char* type)
{
    Bench b;
    SelectFractalType(b.frame, type);
    for (auto _ : state) {
        appState().random.RandomSeed = 0;
        RunFractal(b.frame);
    }
}
BENCHMARK_CAPTURE(BM_Run, Mandelbrot, "Mandelbrot1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, MandelHigh, "MandelHigh1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, JuliaBrot, "JuliaBrot1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, Julia, "Julia1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, DiamondSquare, "Mountains1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, Circle, "Circle1")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EscapeTime(benchmark::State& state, void (*routine)(Frame&, unsigned))
{
    Bench b;
    for (auto _ : state)
        routine(b.frame, static_cast<unsigned>(state.range(0)));
    perIteration(state);
}
BENCHMARK_CAPTURE(BM_EscapeTime, Mandelbrot, &EscapeTimeMandel)
    ->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_EscapeTime, JuliaBrot, &JuliaBrot)
    ->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same orbits as a plain serial loop, each step rounded to double.
void BM_PlainX87Loop(benchmark::State& state)
{
    const float spread = 0.1f;
    for (auto _ : state) {
        double real = 0.1;
        long total = 0;
        for (int row = 1; row <= 512; ++row) {
            real = static_cast<double>(1.0L / 512 * spread + real);
            double imag = -0.692;
            for (int col = 1; col <= 512; ++col) {
                imag = static_cast<double>(1.0L / 512 * spread + imag);
                double zr = 0, zi = 0;
                int count = 0;
                while ((long double)zr * zr + (long double)zi * zi < 4.0L && count < 1000) {
                    const double t = static_cast<double>((long double)zr * zr - (long double)zi * zi + real);
                    zi = static_cast<double>(2.0L * 1.0 * zr * zi + imag);
                    zr = t;
                    ++count;
                }
                total += count;
            }
        }
        benchmark::DoNotOptimize(total);
    }
    perIteration(state);
}
BENCHMARK(BM_PlainX87Loop)->Unit(benchmark::kMillisecond);

void BM_AddCircle(benchmark::State& state)
{
    Bench b;
    b.frame.BeginOperation();
    const auto radius = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        AddCircle(b.frame, 256, 256, radius);
}
BENCHMARK(BM_AddCircle)->ArgName("radius")->Arg(10)->Arg(100)->Arg(2000000000);

} // namespace
