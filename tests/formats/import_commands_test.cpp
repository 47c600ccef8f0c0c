#include "formats/bitmap_import.h"
#include "formats/fractint_batch.h"
#include "formats/height_image.h"
#include "formats/raw_heights.h"
#include "formats/text_heights.h"
#include "formats/usgs_dem.h"
#include "formats/vistapro_dem.h"
#include "session/session_file.h"

#include "import_fixture.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>
#include <functional>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tolvar;
using namespace tolvar::testing;

namespace {

using Command = void (*)(Frame&);
using BoxTexts = std::map<Box, std::string>;

const BoxTexts map4{{Box::cboHeight, "40"}};

// Whether work succeeds done by a user who may not write to read-only files:
// root writes to them regardless, so on Linux a child process gives root up
// first. Windows' read-only flag binds every user.
bool succeedsAsAReader(const std::function<bool()>& work)
{
#ifdef _WIN32
    return work();
#else
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::getuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        ::_exit(dropped && work() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

// Four profiles of six elevations, for a 4 x 4 map.
const std::vector<DemProfile> dem(4, {demFields(6, 0)});

std::string numbers(int count, const std::string& last = "7")
{
    return textHeights(std::vector<long>(static_cast<std::size_t>(count - 1), 5)) + " " + last;
}

std::string picture(int width, int height, const char* format = "BMP")
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0x123456);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data().toStdString();
}

class ImportCommands : public ImportTest {
protected:
    void useBoxes(const BoxTexts& boxes)
    {
        ui = FakeUi();
        for (const auto& [box, text] : boxes)
            ui.texts[box] = text;
    }
};

} // namespace

TEST_F(ImportCommands, EachAsksItsDialogAndCancellingChangesNoCell)
{
    const std::tuple<Command, const char*, bool, const char*> cases[] = {
        {OpenUsgsDemFile, "dlgOpenDEMFile: open |, default ", false, "1280"},
        {OpenVistaproDemFile, "dlgOpenVistaDEM: open |, default ", true, "1280"},
        {OpenTextHeightFile, "dlgOpenTXTFile: open Text Files|*.txt, default ", true, "2560"},
        {OpenBitmapAveraged, "dlgOpenBitmap: open Bitmaps|*.bmp, default bmp", false, "1280"},
        {OpenBitmapDivided, "dlgOpenBitmap: open Bitmaps|*.bmp, default bmp", false, "1280"},
        {OpenBitmapMasked, "dlgOpenBitmap: open Bitmaps|*.bmp, default bmp", false, "1280"},
        {OpenBatchFile, "dlgOpenBatch: open Fractint @Batch File|*.par, default par", false, "1280"},
        {OpenPngHeightMap, "dlgOpenPngHeight: open PNG Height Maps|*.png, default png", false, "1280"},
        {OpenBinaryFile, "dlgOpenBinaryFile: open Raw 16-bit Height Files|*.r16 *.raw, default r16", false, "1280"},
    };
    const Grid before = map();
    for (const auto& [command, dialog, prologueFirst, size] : cases) {
        useBoxes({});
        command(frame);
        EXPECT_EQ(prompter.asked().back(), dialog);
        // The prologue makes a new plan bitmap.
        EXPECT_EQ(ui.calls.size(), prologueFirst ? 1u : 0u) << dialog;
        EXPECT_EQ(ui.texts[Box::cboHeight], size) << dialog;
        EXPECT_EQ(map(), before);
    }
}

// Run as a user who may read the file but not write it, each import works.
TEST_F(ImportCommands, AReadOnlyFileImports)
{
    namespace fs = std::filesystem;
    fs::permissions(dir, fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const std::tuple<Command, std::string, BoxTexts> cases[] = {
        {OpenUsgsDemFile, usgsDem(dem), map4},        {OpenVistaproDemFile, std::string(VistaproFileBytes, 'x'), {}},
        {OpenTextHeightFile, numbers(257 * 257), {}}, {OpenBitmapMasked, picture(3, 2), {}},
        {OpenBatchFile, "corners=1/2/3/4", {}},       {OpenPngHeightMap, picture(3, 2, "PNG"), {}},
        {OpenBinaryFile, std::string(2 * 128 * 128, 'x'), {}},
    };
    for (const auto& [command, contents, boxes] : cases) {
        useBoxes(boxes);
        const std::string path = file("readonly", contents);
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_TRUE(succeedsAsAReader([&] { return run(command, path).empty(); })) << path;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add); // Windows deletes no read-only file
        fs::remove(path);
    }
}

// A failure leaves the map, and the boxes the import would set, as they
// were, and says what went wrong.
TEST_F(ImportCommands, AFailedImportChangesNothing)
{
    auto badElevation = dem, badCount = dem, longCount = dem;
    badElevation[1].fields[2] = " 12a  ";
    badCount[2].count = "  1x  ";
    longCount[2].count = six(200);
    const std::string tooHigh = "The bitmap is 513 pixels high; bitmaps from 2 to 512 pixels high can be opened";
    const std::tuple<Command, std::string, BoxTexts, std::string> cases[] = {
        {OpenUsgsDemFile, usgsDem(dem).substr(0, 1000), map4, "Read beyond end of file"},
        {OpenUsgsDemFile, usgsDem(dem, "2     "), map4, "'2     ' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(badElevation), map4, "'12a' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(badCount), map4, "'  1x  ' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(longCount), map4, "Read beyond end of file"},
        {OpenUsgsDemFile, usgsDem(dem), {{Box::cboHeight, "40"}, {Box::cboSteep, "0"}}, "Division by zero"},
        {OpenUsgsDemFile, usgsDem(dem), {{Box::cboHeight, "40"}, {Box::ediShift, "2"}}, "Read beyond end of file"},
        {OpenVistaproDemFile,
         "Vista DEM File" + std::string(VistaproFileBytes, '\0'),
         {},
         "This is a compressed Vistapro DEM file; only uncompressed ones can be opened"},
        {OpenVistaproDemFile, std::string(VistaproFileBytes - 1, '\1'), {}, "Read beyond end of file"},
        {OpenTextHeightFile, numbers(257 * 257 - 1) + "\n", {}, "Read beyond end of file"},
        {OpenTextHeightFile, numbers(257 * 257, "99999999999"), {}, "'99999999999' is not a valid integer value"},
        {OpenBitmapMasked, picture(4, 4).substr(0, 100), {}, "Bitmap image is not valid"},
        {OpenBitmapAveraged, picture(4, 4, "PNG"), {}, "Bitmap image is not valid"},
        {OpenBitmapDivided,
         picture(600, 1),
         {},
         "The bitmap is 1 pixels high; bitmaps from 2 to 512 pixels high can be opened"},
        {OpenBitmapMasked, picture(2, 513), {}, tooHigh},
        {OpenBatchFile, "type=mandel\n; corners=\nmaxiter=150", {}, "The batch file holds no corners= entry"},
        {OpenBatchFile, "corners=-2.5/1.5/x/1.5", {}, "'x' is not a valid floating point value"},
        {OpenBatchFile, "corners=a/1.5/-1.5/1.5", {}, "'a' is not a valid floating point value"},
        {OpenBatchFile, "corners=-2.5/1.5/-1.5", {}, "'' is not a valid floating point value"},
    };
    const Grid before = map();
    for (const auto& [command, contents, boxes, message] : cases) {
        useBoxes(boxes);
        BoxTexts texts = ui.texts;
        if (command == OpenTextHeightFile)
            texts[Box::cboHeight] = "2560";
        EXPECT_EQ(run(command, file("bad", contents)), message);
        EXPECT_EQ(map(), before) << message;
        EXPECT_EQ(ui.texts, texts) << message;
    }
    const std::string missing = (dir / "missing.bmp").string();
    EXPECT_EQ(run(OpenBitmapMasked, missing), "Cannot open file " + missing);
}

// A file picked by mistake, far larger than any of its kind, is refused
// before any of it is read, leaving the map and the history; a file of the
// limit itself is read. A sparse file costs no disk.
TEST_F(ImportCommands, AHugeFileIsRefusedUnreadAndChangesNothing)
{
    const auto sparse = [&](std::uintmax_t size) {
        const std::string path = file("big", "");
        std::filesystem::resize_file(path, size);
        return path;
    };
    const std::tuple<Command, std::uintmax_t, std::string> cases[] = {
        {OpenUsgsDemFile, 64, "a USGS DEM file"},  {OpenTextHeightFile, 16, "a text height file"},
        {OpenBitmapAveraged, 64, "a bitmap file"}, {OpenBatchFile, 16, "a Fractint batch file"},
        {OpenPngHeightMap, 64, "a PNG file"},      {OpenSessionFile, 16, "a session file"},
    };
    // Session > Open asks before it replaces a history.
    const auto open = [&](Command command, const std::string& path) {
        if (command == OpenSessionFile)
            prompter.queueConfirm(true);
        return run(command, path);
    };
    ui.history = {"Smz"};
    const Grid before = map();
    for (const auto& [command, mib, kind] : cases)
        for (const std::uintmax_t size : {std::uintmax_t{3} << 30, (mib << 20) + 1}) {
            const std::string message = "The file is " + std::to_string(size) + " bytes; " + kind + " can be at most " +
                                        std::to_string(mib) + " MiB";
            EXPECT_EQ(open(command, sparse(size)), message);
            EXPECT_EQ(map(), before) << message;
            EXPECT_EQ(ui.history, std::vector<std::string>{"Smz"}) << message;
        }
    // The limit's test is shared; text, PNG and session files show it holds.
    for (const auto& [command, mib, kind] : {cases[1], cases[4], cases[5]})
        EXPECT_FALSE(open(command, sparse(mib << 20)).starts_with("The file is")) << kind;
}

// With no history to lose, Session > Open asks nothing but the file, and
// the file's records become the history.
TEST_F(ImportCommands, OpeningASessionIntoAnEmptyHistoryAsksNoQuestion)
{
    EXPECT_EQ(run(OpenSessionFile, file("s.txt", "Crc=15,70,9\r\nSmz\nRun")), "");
    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"dlgOpenSession: open |, default "});
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Crc=15,70,9", "Smz", "Run"}));
}
