#include "frame_fixture.h"
#include "irregular_map.h"
#include "scratch_directory.h"

#include "core/error.h"
#include "core/map_commands.h"
#include "formats/height_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#endif

using namespace tolvar;
using tolvar::testing::FrameTest;
using tolvar::testing::irregularHeight;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The map cell of word w, worked out from the tile layout word by word.
std::pair<int, int> tileCell(std::size_t w, int cols)
{
    const std::size_t tilesPerRow = static_cast<std::size_t>(cols) / 128;
    const std::size_t tileRow = w / (128 * 128 * tilesPerRow);
    const std::size_t tileCol = (w / 16384) % tilesPerRow;
    const std::size_t r = (w / 128) % 128;
    const std::size_t c = w % 128;
    return {static_cast<int>(128 * tileRow + r + 1), static_cast<int>(128 * tileCol + c + 1)};
}

// The first word of the second tile is the only one whose low twelve bits
// are 0x0ABC, so where it lands shows the tile order on its own.
constexpr std::size_t MarkedWord = 16384;
constexpr std::uint16_t Mark = 0xFABC;

// A hash of the position, with the top four bits in use too.
std::uint16_t patternWord(std::size_t w)
{
    if (w == MarkedWord)
        return Mark;
    const Height h = irregularHeight(static_cast<int>(w / 512), static_cast<int>(w % 512));
    return (h & 0x0FFF) == (Mark & 0x0FFF) ? static_cast<Height>(h ^ 1) : h;
}

Bytes patternBytes(std::size_t length)
{
    Bytes bytes;
    for (std::size_t w = 0; bytes.size() + 1 < length; ++w) {
        bytes.push_back(static_cast<std::uint8_t>(patternWord(w) % 256));
        bytes.push_back(static_cast<std::uint8_t>(patternWord(w) / 256));
    }
    if (bytes.size() < length)
        bytes.push_back(0xAB);
    return bytes;
}

void writeFile(const fs::path& file, const Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint16_t wordAt(const Bytes& bytes, std::size_t w)
{
    return static_cast<std::uint16_t>(bytes[2 * w] + 256 * bytes[2 * w + 1]);
}

std::string errorOf(const std::function<void()>& command)
{
    try {
        command();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

// The test program itself: while it runs, nobody may open it for writing, not
// even root, nor Wine running as root.
fs::path thisProgram()
{
#ifdef _WIN32
    return _pgmptr;
#else
    return fs::read_symlink("/proc/self/exe");
#endif
}

bool refusesWriters(const fs::path& file)
{
    std::FILE* const writer = std::fopen(file.string().c_str(), "r+b");
    if (writer)
        std::fclose(writer);
    return !writer;
}

class HeightFileTest : public FrameTest {
protected:
    HeightFileTest()
    {
        dir = tolvar::testing::scratchDirectory("tolvar-hgt-");
        // Every cell, the border too, holds something a load must replace or keep.
        tolvar::testing::fillIrregular(map(), 7);
    }
    ~HeightFileTest() override { fs::remove_all(dir); }

    std::string open(const fs::path& file)
    {
        prompter.queueFile(file.string());
        return errorOf([&] { OpenHeightFile(frame); });
    }
    // Answers the question about cells the game cannot read, if it comes.
    std::string save(const fs::path& file, Answer tooHigh = Answer::No)
    {
        prompter.queueAnswer(tooHigh);
        prompter.queueFile(file.string());
        return errorOf([&] { SaveHeightFile(frame); });
    }
    void useSize(int side)
    {
        ui.texts[Box::cboHeight] = std::to_string(side * 10);
        frame.BeginOperation();
        ui.calls.clear();
    }
    // The map as a load of these bytes leaves it, from the tile layout.
    Grid loaded(Grid base, const Bytes& bytes, int side)
    {
        for (std::size_t w = 0; w < static_cast<std::size_t>(side) * side; ++w) {
            const auto [r, c] = tileCell(w, side);
            base(r, c) = wordAt(bytes, w) & 0x0FFF;
        }
        return base;
    }

    fs::path dir;
};

} // namespace

TEST_F(HeightFileTest, OpenTakesTheSizeFromTheLengthAndPlacesEveryWordByTiles)
{
    logHistory();
    const Grid before = map();
    const Bytes bytes = patternBytes(131072);
    writeFile(dir / "a.hgt", bytes);

    EXPECT_EQ(open(dir / "a.hgt"), "(no error)");
    EXPECT_EQ(state().MapRows, 256);
    EXPECT_EQ(state().MapCols, 256);
    EXPECT_EQ(ui.texts[Box::cboHeight], "2560");
    EXPECT_EQ(ui.pointInfo, "65536");
    EXPECT_EQ(map(), loaded(before, bytes, 256));
    EXPECT_EQ(map()(1, 129), Mark & 0x0FFF);
    // Two prologues around the label, then the views.
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"new bitmap", "point 65536", "new bitmap", "show frmMapDisplay",
                                                  "show frm1st"}));
    EXPECT_FALSE(ui.boxEnabled[Box::cboHeight]);
    EXPECT_TRUE(ui.history.empty());

    Undo(frame);
    EXPECT_EQ(map(), before);
}

TEST_F(HeightFileTest, OpenKeepsTheLowTwelveBitsOfEachWord)
{
    Bytes bytes(32768, 0);
    const std::vector<std::pair<std::uint16_t, Height>> words{
        {0xF123, 291}, {0xFFFF, 4095}, {0x1000, 0}, {0x0FFF, 4095}};
    for (std::size_t w = 0; w < words.size(); ++w) {
        bytes[2 * w] = static_cast<std::uint8_t>(words[w].first & 0xFF);
        bytes[2 * w + 1] = static_cast<std::uint8_t>(words[w].first >> 8);
    }
    writeFile(dir / "bits.hgt", bytes);
    EXPECT_EQ(open(dir / "bits.hgt"), "(no error)");
    for (std::size_t w = 0; w < words.size(); ++w)
        EXPECT_EQ(map()(1, static_cast<int>(w) + 1), words[w].second) << w;
}

TEST_F(HeightFileTest, OpenOfAnOtherLengthUsesTheSizeBoxAndIgnoresTheRest)
{
    ui.texts[Box::cboHeight] = "1290";
    const Grid before = map();
    const Bytes bytes = patternBytes(40001);
    writeFile(dir / "odd.hgt", bytes);

    EXPECT_EQ(open(dir / "odd.hgt"), "(no error)");
    EXPECT_EQ(state().MapRows, 128);
    EXPECT_EQ(ui.texts[Box::cboHeight], "1280");
    EXPECT_EQ(ui.pointInfo, "20000");
    EXPECT_EQ(map(), loaded(before, bytes, 128));
}

TEST_F(HeightFileTest, AShortFileStopsWithoutTouchingTheMap)
{
    for (const std::size_t length : {3u, 32767u}) {
        ui.texts[Box::cboHeight] = "1280";
        ui.calls.clear();
        const Grid before = map();
        writeFile(dir / "short.hgt", patternBytes(length));

        EXPECT_EQ(open(dir / "short.hgt"), "Read beyond end of file") << length;
        EXPECT_EQ(map(), before) << length;
        EXPECT_EQ(ui.pointInfo, std::to_string(length / 2));
        EXPECT_EQ(ui.calls,
                  (std::vector<std::string>{"new bitmap", "point " + std::to_string(length / 2), "new bitmap"}));
    }
}

TEST_F(HeightFileTest, CancellingTheOpenDialogStillRunsTheOperationPrologue)
{
    const Grid before = map();
    OpenHeightFile(frame);

    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"dlgLoad: open Battlezone Height Files|*.hgt, default hgt"});
    EXPECT_EQ(map(), before);
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            ASSERT_EQ(state().UndoMap(r, c), before(r, c));
    for (const char* item : {"Save1", "UndoZ1", "View1", "Store1", "Retrieve1", "btnUp"})
        EXPECT_TRUE(ui.enabled[item]) << item;
    EXPECT_FALSE(ui.boxEnabled[Box::cboHeight]);
    EXPECT_EQ(ui.pointInfo, "");
}

TEST_F(HeightFileTest, OpenReportsAMissingFile)
{
    const Grid before = map();
    EXPECT_EQ(open(dir / "missing.hgt"), "File not found");
    EXPECT_EQ(map(), before);
    EXPECT_EQ(ui.texts[Box::cboHeight], "1280");
    EXPECT_EQ(open(dir), "Invalid filename");
}

// The file is one the process may read but never open for writing. A 0444
// file is that for an ordinary user; root writes to it regardless, but even
// root cannot open a running program's executable for writing ("Text file
// busy"), so under root the test loads this test program itself.
TEST_F(HeightFileTest, AReadOnlyFileOpens)
{
    fs::path file = dir / "readonly.hgt";
    writeFile(file, patternBytes(32768));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (!refusesWriters(file))
        file = thisProgram();
    ASSERT_TRUE(refusesWriters(file)) << file;

    const Grid before = map();
    const Bytes bytes = readFile(file);
    ASSERT_GE(bytes.size(), 32768u);
    ASSERT_NE(bytes.size(), 131072u);
    ASSERT_NE(bytes.size(), 294912u);
    ASSERT_NE(bytes.size(), 524288u);
    EXPECT_EQ(open(file), "(no error)");
    EXPECT_EQ(map(), loaded(before, bytes, 128));
    // Windows deletes no read-only file.
    fs::permissions(dir / "readonly.hgt", fs::perms::owner_write, fs::perm_options::add);
}

class HeightFileRoundTrip : public HeightFileTest, public ::testing::WithParamInterface<std::pair<int, std::size_t>> {};

TEST_P(HeightFileRoundTrip, SavesTilesOfWholeWordsAndOpensThemAgain)
{
    const auto [side, length] = GetParam();
    useSize(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            map()(r, c) = static_cast<Height>(irregularHeight(r, c, 3) & 0x0FFF);
    map()(2, 3) = 0xABCD;
    const Grid saved = map();

    EXPECT_EQ(save(dir / "round.hgt"), "(no error)");
    EXPECT_TRUE(ui.calls.empty());
    const Bytes bytes = readFile(dir / "round.hgt");
    ASSERT_EQ(bytes.size(), length);
    for (std::size_t w = 0; w < length / 2; ++w) {
        const auto [r, c] = tileCell(w, side);
        ASSERT_EQ(wordAt(bytes, w), saved(r, c)) << w;
    }

    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            map()(r, c) = 0;
    ui.texts[Box::cboHeight] = "1280";
    EXPECT_EQ(open(dir / "round.hgt"), "(no error)");
    EXPECT_EQ(state().MapRows, side);
    Grid expected = saved;
    expected(2, 3) = 0x0BCD; // saved whole, loaded with 12 bits
    EXPECT_EQ(map(), expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, HeightFileRoundTrip,
                         ::testing::Values(std::pair<int, std::size_t>{128, 32768},
                                           std::pair<int, std::size_t>{256, 131072},
                                           std::pair<int, std::size_t>{384, 294912},
                                           std::pair<int, std::size_t>{512, 524288}));

TEST_F(HeightFileTest, SaveWritesOnlyWholeTilesAndLeavesTheFrameAlone)
{
    useSize(200);
    const Grid undo = state().UndoMap;
    ui.enabled.clear();
    EXPECT_EQ(save(dir / "part.hgt"), "(no error)");

    const Bytes bytes = readFile(dir / "part.hgt");
    ASSERT_EQ(bytes.size(), 32768u);
    for (std::size_t w = 0; w < 16384; ++w)
        ASSERT_EQ(wordAt(bytes, w), map()(static_cast<int>(w / 128) + 1, static_cast<int>(w % 128) + 1)) << w;
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_TRUE(ui.enabled.empty());
    EXPECT_EQ(state().UndoMap, undo);
}

TEST_F(HeightFileTest, CancellingTheSaveDialogWritesNothing)
{
    useSize(128);
    tolvar::testing::fillIrregular(map(), 7, 0x0FFF); // nothing to clip: no question
    SaveHeightFile(frame);
    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"dlgSave: save Battlezone Height Files|*.hgt, default hgt"});
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(HeightFileTest, SaveReportsTheFileSystemsComplaint)
{
    useSize(128);
    EXPECT_EQ(save(dir / "no-such-dir" / "map.hgt"), "File not found");
    EXPECT_EQ(save(dir), "Invalid filename");
    EXPECT_TRUE(fs::is_empty(dir));
}

// Windows has no per-process file-size limit to stand in for a full disk.
#ifndef _WIN32
TEST_F(HeightFileTest, AFailedSaveKeepsTheOldFile)
{
    useSize(128);
    const Bytes old = patternBytes(1000);
    writeFile(dir / "map.hgt", old);

    // The file system refuses every byte past the first kilobyte, as a full
    // disk would, partway through the 32768-byte file.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = save(dir / "map.hgt");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, "I/O error " + std::to_string(EFBIG));
    EXPECT_EQ(readFile(dir / "map.hgt"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}
#endif

// Cells above 4095 would set the game's flag bits: Save asks whether to clip
// them in the file, and never changes the map.
TEST_F(HeightFileTest, SaveAsksToClipCellsTheGameCannotRead)
{
    useSize(128);
    tolvar::testing::fillIrregular(map(), 5, 0x0FFF);
    map()(1, 1) = 4096;
    map()(1, 2) = 0xFFFF;
    map()(1, 3) = 4095;
    map()(2, 1) = 0x1234;
    const Grid before = map();
    const std::string question =
        "Save: 3 cells are higher than 4095, the highest height the game reads. Yes clips them to 4095 in the file "
        "only; the map keeps its heights. No writes all 16 bits: the game reads the top bits as flags, and Tolvar "
        "reads them back wrapped (6000 as 1904). Cancel writes nothing.";
    const std::vector<std::uint8_t> clippedHead{0xFF, 0x0F, 0xFF, 0x0F, 0xFF, 0x0F};
    const std::vector<std::uint8_t> wholeHead{0x00, 0x10, 0xFF, 0xFF, 0xFF, 0x0F};

    EXPECT_EQ(save(dir / "clipped.hgt", Answer::Yes), "(no error)");
    EXPECT_EQ(prompter.asked().front(), question);
    Bytes bytes = readFile(dir / "clipped.hgt");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), clippedHead);
    EXPECT_EQ(wordAt(bytes, 128), 0x0FFF); // row 2, column 1
    EXPECT_EQ(wordAt(bytes, 129), before(2, 2));
    EXPECT_EQ(map(), before);

    EXPECT_EQ(save(dir / "whole.hgt", Answer::No), "(no error)");
    bytes = readFile(dir / "whole.hgt");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), wholeHead);
    EXPECT_EQ(wordAt(bytes, 128), 0x1234);

    prompter.queueAnswer(Answer::Cancel);
    SaveHeightFile(frame);
    EXPECT_EQ(prompter.asked().back(), question); // no file dialog after Cancel
    EXPECT_FALSE(fs::exists(dir / "cancelled.hgt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}
