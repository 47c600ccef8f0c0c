#include "core/app_state.h"
#include "surface/rgb_image.h"
#include "surface/wing.h"
#include "views/wireframe_bitmap.h"
#include "views/wireframe_wing.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace tolvar;

namespace {

// Rolling hills up to about 4000, so the contour scheme meets every band.
const AppState& hillyMap()
{
    resetAppState();
    AppState& s = appState();
    s.MapRows = s.MapCols = 128;
    s.view = ViewState{128, 0, 0, 0};
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            s.HeightMap(r, c) = static_cast<Height>(2000 + 1000 * std::sin(r / 9.0) + 1000 * std::cos(c / 13.0));
    return s;
}

void BitmapWireframe(benchmark::State& bench, ColourScheme scheme)
{
    const AppState& s = hillyMap();
    RgbImage picture;
    for (auto _ : bench) {
        DrawWireframe(picture, 1024, 768, s, scheme);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}

void WinGWireframe(benchmark::State& bench)
{
    const AppState& s = hillyMap();
    TWinG surface;
    for (auto _ : bench) {
        DrawWinGWireframe(surface, 1024, 768, s, ColourScheme::GreenOnBlack, true);
        benchmark::DoNotOptimize(surface.scanLine(0));
    }
}

} // namespace

BENCHMARK_CAPTURE(BitmapWireframe, green, ColourScheme::GreenOnBlack)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BitmapWireframe, contour, ColourScheme::ContourColour)->Unit(benchmark::kMillisecond);
BENCHMARK(WinGWireframe)->Unit(benchmark::kMillisecond);
