// Run of each fractal type on a 512 x 512 map with the default fields, the
// escape-time routines on 1 and 2 workers with the time per inner iteration,
// a plain serial x87 loop of the same arithmetic to compare with, and
// AddCircle. The escape-time Runs report vs_plain: their time over the plain
// loop's, both measured in this run. CPU is the time of all threads.
#include "core/frame.h"
#include "core/number_text.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"
#include "fractal/add_circle.h"
#include "fractal/escape_time.h"
#include "fractal/run_command.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// The same orbits as a plain serial loop, each step rounded to double.
long plainX87Loop()
{
    // Read through volatile, so that the compiler makes every call in full.
    static volatile const float spreadField = 0.1f;
    static volatile const double realField = 0.1;
    const float spread = spreadField;
    double real = realField;
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
    return total;
}

void BM_PlainX87Loop(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plainX87Loop());
    perIteration(state);
}
BENCHMARK(BM_PlainX87Loop)->Unit(benchmark::kMillisecond)->UseRealTime();

// Seconds of the plain loop, the best of three.
double plainSeconds()
{
    static const double best = [] {
        double seconds = 1e9;
        for (int i = 0; i < 3; ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(plainX87Loop());
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            seconds = std::min(seconds, took.count());
        }
        return seconds;
    }();
    return best;
}

void BM_Run(benchmark::State& state, const char* type, bool versusPlain)
{
    Bench b;
    SelectFractalType(b.frame, type);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        appState().random.RandomSeed = 0;
        RunFractal(b.frame);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (versusPlain)
        state.counters["vs_plain"] = elapsed.count() / static_cast<double>(state.iterations()) / plainSeconds();
}
BENCHMARK_CAPTURE(BM_Run, Mandelbrot, "Mandelbrot1", true)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Run, MandelHigh, "MandelHigh1", true)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Run, JuliaBrot, "JuliaBrot1", true)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Run, Julia, "Julia1", false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, DiamondSquare, "Mountains1", false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Run, Circle, "Circle1", false)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EscapeTime(benchmark::State& state, void (*routine)(Frame&, unsigned))
{
    Bench b;
    for (auto _ : state)
        routine(b.frame, static_cast<unsigned>(state.range(0)));
    perIteration(state);
}
BENCHMARK_CAPTURE(BM_EscapeTime, Mandelbrot, &EscapeTimeMandel)
    ->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_EscapeTime, JuliaBrot, &JuliaBrot)
    ->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

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
