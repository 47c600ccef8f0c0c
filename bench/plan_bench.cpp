#include "formats/height_file.h"
#include "views/overhead_map.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tolvar;

AppState& map512()
{
    AppState& s = appState();
    s.MapRows = s.MapCols = 512;
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            s.HeightMap(r, c) = static_cast<Height>(r * 131 + c * 17);
    return s;
}

void BM_DrawOverheadMap512(benchmark::State& bench)
{
    const AppState& s = map512();
    RgbImage plan = NewOverheadBitmap(s);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(DrawOverheadMap(s, plan));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawOverheadMap512)->Unit(benchmark::kMicrosecond);

void BM_StretchPlan513(benchmark::State& bench)
{
    const AppState& s = map512();
    RgbImage plan = NewOverheadBitmap(s);
    DrawOverheadMap(s, plan);
    for (auto _ : bench)
        benchmark::DoNotOptimize(StretchPlan(plan));
}
BENCHMARK(BM_StretchPlan513)->Unit(benchmark::kMicrosecond);

void BM_HeightFileRoundTrip512(benchmark::State& bench)
{
    AppState& s = map512();
    for (auto _ : bench) {
        const auto bytes = EncodeHeightFile(s.HeightMap, 512, 512);
        DecodeHeightFile(bytes, s.HeightMap, 512, 512);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HeightFileRoundTrip512)->Unit(benchmark::kMicrosecond);

} // namespace
