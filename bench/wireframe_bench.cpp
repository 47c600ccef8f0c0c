#include "core/app_state.h"
#include "surface/palette256.h"
#include "surface/rgb_image.h"
#include "surface/wing.h"
#include "view_map.h"
#include "views/wireframe_bitmap.h"
#include "views/wireframe_wing.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace tolvar;

namespace {

// Rolling hills up to about 4000, so the contour scheme meets every band.
const AppState& hillyMap()
{
    return tolvar::testing::wholeViewMap(
        [](int r, int c) { return 2000 + 1000 * std::sin(r / 9.0) + 1000 * std::cos(c / 13.0); });
}

void BitmapWireframe(benchmark::State& bench, ColourScheme scheme, MeshFill fill)
{
    const AppState& s = hillyMap();
    RgbImage picture;
    for (auto _ : bench) {
        DrawWireframe(picture, 1024, 768, s, scheme, fill);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}

void WinGWireframe(benchmark::State& bench, ColourScheme scheme, MeshFill fill)
{
    const AppState& s = hillyMap();
    TWinG surface;
    TPalette256 palette;
    palette.OnNewPalette = [&] { applyPalette(palette, surface); };
    BuildCubePalette(palette);
    for (auto _ : bench) {
        DrawWinGWireframe(surface, 1024, 768, s, scheme, true, fill);
        benchmark::DoNotOptimize(surface.scanLine(0));
    }
}

} // namespace

BENCHMARK_CAPTURE(BitmapWireframe, green, ColourScheme::GreenOnBlack, MeshFill::Outline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BitmapWireframe, contour, ColourScheme::ContourColour, MeshFill::Outline)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BitmapWireframe, green_filled, ColourScheme::GreenOnBlack, MeshFill::Filled)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BitmapWireframe, contour_filled, ColourScheme::ContourColour, MeshFill::Filled)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WinGWireframe, green, ColourScheme::GreenOnBlack, MeshFill::Outline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WinGWireframe, green_filled, ColourScheme::GreenOnBlack, MeshFill::Filled)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WinGWireframe, contour_filled, ColourScheme::ContourColour, MeshFill::Filled)
    ->Unit(benchmark::kMillisecond);
