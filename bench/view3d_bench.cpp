// The 3D View's work on a 512 map at 1024 x 768, in whatever OpenGL the
// display offers: under Xvfb that is Mesa's software renderer, llvmpipe.
//   xvfb-run -a build-release/bench/view3d-bench
#include "core/grid.h"
#include "views/orbit_camera.h"
#include "views/terrain_mesh.h"
#include "views/terrain_renderer.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace tolvar;

namespace {

constexpr int Side = 512;
constexpr int ViewWidth = 1024;
constexpr int ViewHeight = 768;

// Rolling hills, with a second map of other hills to load in turn.
Grid hills(double phase)
{
    Grid g;
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c)
            g.store(r, c, std::lround(2000 + 1000 * std::sin(r / 9.0 + phase) + 1000 * std::cos(c / 13.0 - phase)));
    return g;
}

struct Scene {
    Grid maps[2] = {hills(0), hills(1.3)};
    TerrainMesh mesh;
    TerrainRenderer renderer;
    OrbitCamera camera;

    Scene()
    {
        mesh.load(maps[0], Side, Side, 1500, 4);
        renderer.initialize();
        renderer.load(mesh);
        camera.reset({0, mesh.metresUp(2000), 0}, std::hypot(mesh.halfWidth(), mesh.halfDepth()));
    }
    void finish() { QOpenGLContext::currentContext()->functions()->glFinish(); }
};

Scene* scene = nullptr;

void BM_View3DFrame(benchmark::State& bench)
{
    for (auto _ : bench) {
        scene->camera.orbit(2, 0);
        scene->renderer.draw(scene->camera, ViewWidth, ViewHeight, scene->mesh.metresUp(1500));
        scene->finish();
    }
}
// The CPU column counts the renderer's own threads too: on a busy machine,
// that over the number of cores says what an idle one would take.
BENCHMARK(BM_View3DFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// A frame while the mouse turns the view: the coarse mesh.
void BM_View3DTurnFrame(benchmark::State& bench)
{
    for (auto _ : bench) {
        scene->camera.orbit(2, 0);
        scene->renderer.draw(scene->camera, ViewWidth, ViewHeight, scene->mesh.metresUp(1500), true);
        scene->finish();
    }
}
BENCHMARK(BM_View3DTurnFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// Heights, normals and colours of a whole new map, sent to the card.
void BM_View3DLoad(benchmark::State& bench)
{
    int which = 0;
    for (auto _ : bench) {
        which ^= 1;
        scene->mesh.load(scene->maps[which], Side, Side, 1500, 4);
        scene->renderer.load(scene->mesh);
        scene->finish();
    }
}
BENCHMARK(BM_View3DLoad)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The rows one dab of radius 32 touches, rebuilt and sent.
void BM_View3DDabRows(benchmark::State& bench)
{
    Grid& map = scene->maps[0];
    scene->mesh.load(map, Side, Side, 1500, 4);
    scene->renderer.load(scene->mesh);
    int centre = 40;
    for (auto _ : bench) {
        centre = centre % (Side - 80) + 7 + 32;
        for (int r = centre - 32; r <= centre + 32; ++r)
            map(r, 200) = static_cast<Height>(map(r, 200) + 1);
        scene->renderer.update(scene->mesh, scene->mesh.updateRows(map, centre - 32, centre + 32));
        scene->finish();
    }
}
BENCHMARK(BM_View3DDabRows)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "view3d-bench: no OpenGL context; run it under xvfb-run\n");
        return 1;
    }
    QOpenGLFramebufferObject target(ViewWidth, ViewHeight, QOpenGLFramebufferObject::Depth);
    target.bind();
    std::fprintf(stderr, "OpenGL renderer: %s\n",
                 reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    Scene built;
    scene = &built;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    built.renderer.release();
    return 0;
}
