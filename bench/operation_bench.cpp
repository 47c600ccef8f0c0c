#include "bench_windows.h"
#include "irregular_map.h"

#include <QAction>
#include <benchmark/benchmark.h>

namespace {

using namespace tolvar;

// Smooth on a 512 map as the user runs it from the menu: the operation's
// start, the effect, its state for Step Backward and the checked views'
// refresh.
void BM_SmoothFromTheMenu512(benchmark::State& bench)
{
    tolvar::bench::BenchWindows program("Plan1", [](Grid& map) { tolvar::testing::fillIrregular(map, 3, 0x0FFF); });
    QAction* smooth = program.windows.form1().findChild<QAction*>("Smooth1");
    for (auto _ : bench)
        smooth->trigger();
}
BENCHMARK(BM_SmoothFromTheMenu512)->Unit(benchmark::kMillisecond);

} // namespace
