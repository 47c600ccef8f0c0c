// The items that move a 512 map, or a session of 29,524 lines, out to a file
// and back, from the dialog's answer to the file written or the refreshed
// map: one benchmark per item and file kind.
#include "core/error.h"
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"
#include "formats/format_commands.h"
#include "irregular_map.h"
#include "session/session_commands.h"

#include "bench_directory.h"

#include <benchmark/benchmark.h>

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
        {"SaveBitmap1", "map.png"},     {"SaveBitmap1", "map.bmp"},      {"SaveBinaryFile1", "map.r16"},
        {"SaveTXTFile1", "map.txt"},    {"SaveSession1", "session.txt"}, {"OpenPngHeight1", "map.png"},
        {"OpenBinaryFile1", "map.r16"}, {"OpenSession1", "session.txt"},
    };
    for (const auto& [item, name] : runs) {
        const std::string label = std::string(item) + "/" + name;
        benchmark::RegisterBenchmark(label.c_str(), BM_Item, commandNamed(item), (dir / name).string())
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

} // namespace
