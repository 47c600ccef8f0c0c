#include "irregular_map.h"

#include "core/scripted_prompter.h"
#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/main_window.h"

#include <QAction>
#include <benchmark/benchmark.h>

namespace {

using namespace tolvar;

// Smooth on a 512 map as the user runs it from the menu: the operation's
// start, the effect, its state for Step Backward and the checked views'
// refresh.
void BM_SmoothFromTheMenu512(benchmark::State& bench)
{
    ScriptedPrompter prompter;
    const auto settings = AppSettings::inMemory();
    AppWindows windows(prompter, *settings);
    TForm1& form1 = windows.form1();
    form1.setText(Box::cboHeight, "5120");
    form1.setChecked("Plan1", true);
    form1.runner().runInFrame(
        [](Frame& frame) {
            frame.BeginOperation();
            tolvar::testing::fillIrregular(frame.state().HeightMap, 3, 0x0FFF);
            frame.RefreshViews();
        },
        "Irregular");
    QAction* smooth = form1.findChild<QAction*>("Smooth1");
    for (auto _ : bench)
        smooth->trigger();
}
BENCHMARK(BM_SmoothFromTheMenu512)->Unit(benchmark::kMillisecond);

} // namespace
