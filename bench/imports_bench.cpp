// Every import of the File menu on a 512-sized input, from the dialog's
// answer to the refreshed map: a DEM of 512 profiles of 600 elevations, a
// Vistapro file, 257 x 257 text numbers, a 512 x 512 24-bit bitmap in each
// mode and a parameter file.
#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"
#include "formats/format_commands.h"
#include "formats/vistapro_dem.h"
#include "import_files.h"

#include <QBuffer>
#include <QImage>
#include "bench_directory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string_view>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

const BenchDirectory dir("tolvar-imports-bench");

std::string demFile()
{
    std::vector<DemProfile> profiles;
    for (int p = 0; p < 512; ++p)
        profiles.push_back({demFields(600, p)});
    return usgsDem(profiles);
}

std::string textFile()
{
    std::vector<long> numbers;
    for (int k = 0; k < 257 * 257; ++k)
        numbers.push_back(irregularHeight(k / 257, k % 257));
    return textHeights(numbers);
}

std::string bitmapFile()
{
    QImage picture(512, 512, QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            picture.setPixel(x, y, irregularHeight(y, x) * 0x10101u);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    picture.save(&bytes, "BMP");
    return bytes.data().toStdString();
}

std::string batchFile()
{
    std::string text;
    for (int entry = 0; entry < 200; ++entry)
        text += "entry" + std::to_string(entry) + " { reset type=julia params=0.3/0.6 maxiter=150 \\\n  inside=0 }\n";
    return text + "last { reset type=mandel corners=-2.5/1.5/-1.5/1.5 maxiter=150 }\n";
}

void BM_Import(benchmark::State& state, Command command, std::string path)
{
    FakeUi ui;
    ui.texts[Box::cboHeight] = "5120";
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};
    resetAppState();
    for (auto _ : state) {
        prompter.queueFile(path);
        command.run(frame);
        ui.calls.clear();
    }
}

const int registered = [] {
    const std::pair<std::string_view, std::string> files[] = {
        {"OpenDEMFile1", demFile()},
        {"SaveDEMFile1", std::string(VistaproFileBytes, '\x5a')},
        {"OpenTXTFile1", textFile()},
        {"OpenBitmapAveraged1", bitmapFile()},
        {"OpenBitmapDivided1", bitmapFile()},
        {"OpenBitmap1", bitmapFile()},
        {"OpenHistory1", batchFile()},
    };
    for (const Command& command : FormatCommands())
        for (const auto& [item, contents] : files)
            if (item == command.item) {
                const std::string path = (dir / command.item).string();
                writeFile(path, contents);
                benchmark::RegisterBenchmark(command.item, BM_Import, command, path)->Unit(benchmark::kMillisecond);
            }
    return 0;
}();

} // namespace
