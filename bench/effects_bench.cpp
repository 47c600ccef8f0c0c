// Every command of the Effects menu and of Edit > Copy, Paste and Combine,
// on a 512 x 512 map of irregular heights.
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "effects/effect_commands.h"
#include "fake_ui.h"
#include "irregular_map.h"

#include <benchmark/benchmark.h>

using namespace tolvar;

namespace {

void BM_Effect(benchmark::State& state, Command command)
{
    testing::FakeUi ui;
    ui.texts[Box::cboHeight] = "5120";
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
