#include "irregular_map.h"

#include "session/map_states.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tolvar;

// A step to a neighbouring state on a 512 x 512 map whose operation changed
// every cell: the worst a step can cost.
void BM_StepToNeighbour512(benchmark::State& bench)
{
    AppState state;
    state.MapRows = state.MapCols = 512;
    tolvar::testing::fillIrregular(state.HeightMap, 1);
    MapDocument document(state);
    MapTransaction transaction(document);
    MapStates states(transaction, [] {});
    tolvar::testing::fillIrregular(state.HeightMap, 2);
    document.mapReplaced();
    states.record("Change");
    bool back = true;
    for (auto _ : bench) {
        if (back)
            states.stack().undo();
        else
            states.stack().redo();
        back = !back;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StepToNeighbour512)->Unit(benchmark::kMillisecond);

// Recording after a one-cell brush touch: the tile it reported is compared.
void BM_RecordOneCell512(benchmark::State& bench)
{
    AppState state;
    state.MapRows = state.MapCols = 512;
    tolvar::testing::fillIrregular(state.HeightMap, 1);
    MapDocument document(state);
    MapTransaction transaction(document);
    MapStates states(transaction, [] {});
    for (auto _ : bench) {
        ++state.HeightMap(100, 200);
        document.regionChanged({100, 100, 200, 200});
        states.record("Brush");
    }
}
BENCHMARK(BM_RecordOneCell512)->Unit(benchmark::kMillisecond);

} // namespace
