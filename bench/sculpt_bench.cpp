#include "bench_windows.h"
#include "irregular_map.h"

#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "sculpt/stroke_commands.h"
#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/main_window.h"
#include "views/sculpt_canvas.h"
#include "views/sculpt_picture.h"
#include "views/sculpt_window.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

using namespace tolvar;

constexpr int Side = 512;

// A 512 map of rolling hills with some roughness: a plain pattern would
// leave the shading nothing to do.
void fillHills(Grid& map)
{
    tolvar::testing::fillIrregular(map, 1, 0x00FF);
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c)
            map(r, c) = static_cast<Height>(map(r, c) + 3000 + 2000 * std::sin(r / 37.0) * std::cos(c / 23.0));
}

// What the Sculpt window does on the screen at 100 %: shade the cells, copy
// them into its image and draw that rectangle.
struct Screen {
    Screen(const Grid& map)
        : ramp(0, MapHeightRange(map, Side, Side)), picture(map, Side, Side, ramp, {}),
          image(Side, Side, QImage::Format_RGB32), window(Side, Side, QImage::Format_RGB32)
    {
        pixels.resize(Side, Side);
    }

    void show(const CellRect& cells)
    {
        picture.paint(cells, pixels);
        const QRect rect(QPoint(cells.firstCol - 1, Side - cells.lastRow),
                         QPoint(cells.lastCol - 1, Side - cells.firstRow));
        CopyPixels(pixels, rect, image);
        QPainter(&window).drawImage(rect, image, rect);
    }

    HeightRamp ramp;
    SculptPicture picture;
    RgbImage pixels;
    QImage image;
    QImage window;
};

// One mouse move of a Raise stroke: the dabs along 3 cells of path, then the
// changed rectangle (one cell wider for the shading) shown again.
void BM_SculptMove(benchmark::State& bench)
{
    const auto state = std::make_unique<AppState>();
    state->MapRows = state->MapCols = Side;
    fillHills(state->HeightMap);
    MapDocument document(*state);
    Screen screen(state->HeightMap);
    const int radius = static_cast<int>(bench.range(0));
    const auto base = std::make_unique<const Grid>(state->HeightMap);
    Stroke stroke(document, *base, {BrushKind::Raise, radius, 50, 50, 0}, PathPointAt(256, 100));
    int step = 0;
    for (auto _ : bench) {
        const double angle = ++step * 0.02;
        const CellRect cells = stroke.moveTo(PathPointAt(256 + 150 * std::sin(angle), 256 - 150 * std::cos(angle)));
        screen.show({std::max(cells.firstRow - 1, 1), std::min(cells.lastRow + 1, Side),
                     std::max(cells.firstCol - 1, 1), std::min(cells.lastCol + 1, Side)});
    }
}
BENCHMARK(BM_SculptMove)->Arg(32)->Arg(128)->Unit(benchmark::kMillisecond);

// The whole hill-shaded view at 100 %: the ramp for the map's heights, every
// cell shaded and drawn.
void BM_SculptRedraw(benchmark::State& bench)
{
    Grid map;
    fillHills(map);
    Screen screen(map);
    for (auto _ : bench) {
        const HeightRamp ramp(0, MapHeightRange(map, Side, Side));
        benchmark::DoNotOptimize(ramp(0));
        screen.show({1, Side, 1, Side});
    }
}
BENCHMARK(BM_SculptRedraw)->Unit(benchmark::kMillisecond);

// The release of a stroke in the real windows: the history line and the
// refresh of the plan and the WinG wireframe.
void BM_SculptStrokeEnd(benchmark::State& bench)
{
    ScriptedPrompter prompter;
    const auto settings = AppSettings::inMemory();
    AppWindows windows(prompter, *settings);
    TForm1& form1 = windows.form1();
    Frame frame(form1, prompter);
    form1.setText(Box::cboHeight, "5120");
    form1.setChecked("SessionLogging1", true);
    form1.setChecked("Sculpt1", true);
    frame.BeginOperation();
    fillHills(frame.state().HeightMap);
    const auto stroke = StartStroke(frame, {BrushKind::Smooth, 32, 50, 50, 0}, PathPointAt(100, 100));
    stroke->moveTo(PathPointAt(300, 350.5));
    frame.RefreshViews();
    for (auto _ : bench)
        FinishStroke(frame, *stroke);
}
BENCHMARK(BM_SculptStrokeEnd)->Unit(benchmark::kMillisecond);

// A click in the Sculpt window with its brush as it starts: the press that
// begins the operation and lands one dab, and the release that ends it and
// makes its state, as the canvas reports them.
void BM_SculptOneDabStroke(benchmark::State& bench)
{
    tolvar::bench::BenchWindows program("Sculpt1", fillHills);
    SculptCanvas& canvas = program.windows.sculpt().canvas();
    int step = 0;
    for (auto _ : bench) {
        ++step;
        emit canvas.pressed({100.0 + step % 300, 50.0 + step % 411});
        emit canvas.released();
    }
}
BENCHMARK(BM_SculptOneDabStroke)->Unit(benchmark::kMillisecond);

} // namespace
