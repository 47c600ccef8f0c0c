// The items that move a 512 map, or a session of 29,524 lines, out to a file
// and back, from the dialog's answer to the file written or the refreshed
// map: one benchmark per item and file kind.
#include "core/error.h"
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "effects/game_terrain_options.h"
#include "fake_ui.h"
#include "formats/format_commands.h"
#include "irregular_map.h"
#include "session/session_commands.h"

#include "bench_directory.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string_view>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

const BenchDirectory dir("tolvar-exports-bench");

// Runs an item over and over, its dialog answered with path each time, on
// an irregular 512 map and a history of circle lines.
class Bench {
public:
    Bench()
    {
        resetAppState();
        ui.texts[Box::cboHeight] = "5120";
        frame.BeginOperation();
        fillIrregular(appState().HeightMap, 1, 0x0FFF);
        // Save Game Terrain paints its materials every time, as on a first save.
        gameTerrainBoxes().chkRepaintMaterials = true;
        for (int k = 0; k < 29524; ++k)
            ui.history.push_back("Crc=" + std::to_string(irregularHeight(k, 1) % 512) + "," +
                                 std::to_string(irregularHeight(k, 2) % 512) + "," +
                                 std::to_string(irregularHeight(k, 3) % 40));
    }
    void run(Command command, const std::string& path)
    {
        prompter = ScriptedPrompter();
        prompter.queueFile(path);
        prompter.queueConfirm(true);
        command.run(frame);
        ui.calls.clear();
    }

    FakeUi ui;
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};
};

void BM_Item(benchmark::State& state, Command command, std::string path)
{
    Bench bench;
    for (auto _ : state) {
        try {
            bench.run(command, path);
        } catch (const Error& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
}

// Save Game Terrain of smooth hills, where the shadow rays run longest:
// 0 to 4095 in waves some 40 cells apart.
void BM_SaveTerrainHills(benchmark::State& state, Command command, std::string path)
{
    Bench bench;
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            appState().HeightMap(r, c) =
                static_cast<Height>(2047.5 + 2047.5 * std::sin(r / 13.0 + 0.4) * std::cos(c / 17.0 - 0.3));
    for (auto _ : state)
        bench.run(command, path);
}

Command commandNamed(std::string_view item)
{
    for (const CommandTable table : {FormatCommands(), SessionCommands()})
        for (const Command& command : table)
            if (command.item == item)
                return command;
    throw std::logic_error("no command " + std::string(item));
}

const int registered = [] {
    // Saves first: each open reads the file its save wrote.
    const std::pair<std::string_view, const char*> runs[] = {
        {"SaveTerrain1", "map.hgt"},
        {"SaveBitmap1", "map.png"},     {"SaveBitmap1", "map.bmp"},      {"SaveBinaryFile1", "map.r16"},
        {"SaveTXTFile1", "map.txt"},    {"SaveSession1", "session.txt"}, {"OpenPngHeight1", "map.png"},
        {"OpenBinaryFile1", "map.r16"}, {"OpenSession1", "session.txt"},
    };
    benchmark::RegisterBenchmark("SaveTerrain1/hills.hgt", BM_SaveTerrainHills, commandNamed("SaveTerrain1"),
                                 (dir / "hills.hgt").string())
        ->Unit(benchmark::kMillisecond);
    for (const auto& [item, name] : runs) {
        const std::string label = std::string(item) + "/" + name;
        benchmark::RegisterBenchmark(label.c_str(), BM_Item, commandNamed(item), (dir / name).string())
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

} // namespace
