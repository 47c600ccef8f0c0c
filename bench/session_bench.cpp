// Rerun of the circle lines of a 512 x 512 Circle run (29524 lines): the
// line lookup, the field conversions and the circles themselves.
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"
#include "fractal/run_command.h"
#include "session/replay_session.h"

#include <benchmark/benchmark.h>

using namespace tolvar;

namespace {

void BM_RerunCircleLog(benchmark::State& state)
{
    resetAppState();
    testing::FakeUi ui;
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};
    ui.texts[Box::cboHeight] = "5120";
    ui.setChecked("SessionLogging1", true);
    SelectFractalType(frame, "Circle1");
    RunFractal(frame);
    std::erase_if(ui.history, [](const std::string& line) { return !line.starts_with("Crc="); });
    for (auto _ : state)
        ReplaySession(frame);
    state.counters["lines"] = static_cast<double>(ui.history.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(ui.history.size()));
}
BENCHMARK(BM_RerunCircleLog)->Unit(benchmark::kMillisecond);

} // namespace
