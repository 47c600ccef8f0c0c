// Every command of the Effects menu and of Edit > Copy, Paste and Combine,
// on a 512 x 512 map of irregular heights. Thermal runs 100 passes, Rain/Rivers
// the 100,000 droplets of the start-up Bail Out Value.
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "effects/effect_commands.h"
#include "effects/thermal.h"
#include "fake_ui.h"
#include "irregular_map.h"

#include <benchmark/benchmark.h>

#include <string_view>

using namespace tolvar;

namespace {

void BM_Effect(benchmark::State& state, Command command)
{
    testing::FakeUi ui;
    ui.texts[Box::cboHeight] = "5120";
    if (std::string_view(command.item) == "Thermal1")
        ui.texts[Box::ediIterations] = "100";
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};
    resetAppState();
    testing::fillIrregular(appState().HeightMap, 0, 0x0FFF);
    testing::fillIrregular(appState().ClipMap, 1, 0x0FFF);
    frame.BeginOperation();
    const Grid start = appState().HeightMap;
    for (auto _ : state) {
        state.PauseTiming();
        appState().HeightMap = start;
        appState().random.RandomSeed = 7;
        state.ResumeTiming();
        command.run(frame);
    }
}

const int registered = [] {
    for (const Command& command : EffectCommands())
        benchmark::RegisterBenchmark(command.item, BM_Effect, command)->Unit(benchmark::kMillisecond);
    return 0;
}();

} // namespace

namespace {

// The passes alone, on one worker and on two.
void BM_ThermalPasses(benchmark::State& state)
{
    Grid map;
    testing::fillIrregular(map, 0, 0x0FFF);
    const Grid start = map;
    for (auto _ : state) {
        map = start;
        ThermalErosion(map, 512, 100, 1, static_cast<unsigned>(state.range(0)), [](int) { return true; });
    }
}
BENCHMARK(BM_ThermalPasses)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
