#include "formats/bitmap_import.h"
#include "formats/fractint_batch.h"
#include "formats/text_heights.h"
#include "formats/usgs_dem.h"
#include "formats/vistapro_dem.h"

#include "import_fixture.h"

#include <QBuffer>
#include <QImage>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

using Command = void (*)(Frame&);
using BoxTexts = std::map<Box, std::string>;

// Four profiles of six elevations, for a 4 x 4 map.
std::vector<DemProfile> demProfiles()
{
    std::vector<DemProfile> profiles;
    for (int p = 0; p < 4; ++p)
        profiles.push_back({demFields(6, p)});
    return profiles;
}
const BoxTexts map4{{Box::cboHeight, "40"}};

std::string textOf(int count, const std::string& last = "7")
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

std::string suiteFile(const char* name)
{
    std::ifstream in(std::string(TOLVAR_TEST_DATA) + "/bmpsuite/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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
    const struct {
        Command command;
        FileDialog dialog;
        bool prologueFirst;
        const char* size;
    } cases[] = {
        {OpenUsgsDemFile, {"dlgOpenDEMFile", "", "", ""}, false, "1280"},
        {OpenVistaproDemFile, {"dlgOpenVistaDEM", "", "", ""}, true, "1280"},
        {OpenTextHeightFile, {"dlgOpenTXTFile", "", "Text Files", "*.txt"}, true, "2560"},
        {OpenBitmapAveraged, {"dlgOpenBitmap", "bmp", "Bitmaps", "*.bmp"}, false, "1280"},
        {OpenBitmapDivided, {"dlgOpenBitmap", "bmp", "Bitmaps", "*.bmp"}, false, "1280"},
        {OpenBitmapMasked, {"dlgOpenBitmap", "bmp", "Bitmaps", "*.bmp"}, false, "1280"},
        {OpenBatchFile, {"dlgOpenBatch", "par", "Fractint @Batch File", "*.par"}, false, "1280"},
    };
    const Grid before = map();
    for (const auto& test : cases) {
        useBoxes({});
        test.command(frame);
        const FileDialog& asked = prompter.lastDialog();
        EXPECT_EQ(std::vector({asked.name, asked.defaultExtension, asked.filterName, asked.filterPattern}),
                  std::vector({test.dialog.name, test.dialog.defaultExtension, test.dialog.filterName,
                               test.dialog.filterPattern}));
        EXPECT_FALSE(asked.save);
        EXPECT_EQ(ui.calls, test.prologueFirst ? std::vector<std::string>{"new bitmap"} : std::vector<std::string>{})
            << asked.name;
        EXPECT_EQ(ui.texts[Box::cboHeight], test.size) << asked.name;
        EXPECT_EQ(map(), before);
    }
}

// Run as a user who may read the file but not write it, the import works.
TEST_F(ImportCommands, AReadOnlyFileImports)
{
    ::chmod(dir.c_str(), 0755);
    const struct {
        Command command;
        std::string file;
        BoxTexts boxes;
    } cases[] = {
        {OpenUsgsDemFile, usgsDem(demProfiles()), map4}, {OpenVistaproDemFile, std::string(VistaproFileBytes, 'x'), {}},
        {OpenTextHeightFile, textOf(257 * 257), {}},     {OpenBitmapMasked, picture(3, 2), {}},
        {OpenBatchFile, "corners=1/2/3/4", {}},
    };
    for (const auto& test : cases) {
        useBoxes(test.boxes);
        const std::string path = file("readonly", test.file);
        ::chmod(path.c_str(), 0444);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::getuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
            ::_exit(dropped && run(test.command, path).empty() ? 0 : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << path;
        ::unlink(path.c_str());
    }
}

// Every failure leaves the map, and the boxes the import would set, as they
// were, and says what went wrong.
TEST_F(ImportCommands, AFailedImportChangesNothing)
{
    auto dem = demProfiles();
    auto badElevation = dem, badCount = dem, shortProfile = dem;
    badElevation[1].fields[2] = " 12a  ";
    badCount[2].count = "  1x  ";
    shortProfile[2].count = six(200);
    const struct {
        Command command;
        std::string file;
        BoxTexts boxes;
        std::string message;
    } cases[] = {
        {OpenUsgsDemFile, usgsDem(dem).substr(0, 1000), map4, "Read beyond end of file"},
        {OpenUsgsDemFile, usgsDem(dem, "2     "), map4, "'2     ' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(badElevation), map4, "'12a' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(badCount), map4, "'  1x  ' is not a valid integer value"},
        {OpenUsgsDemFile, usgsDem(shortProfile), map4, "Read beyond end of file"},
        {OpenUsgsDemFile, usgsDem(dem), {{Box::cboHeight, "40"}, {Box::cboSteep, "0"}}, "Division by zero"},
        {OpenUsgsDemFile, usgsDem(dem), {{Box::cboHeight, "40"}, {Box::ediShift, "2"}}, "Read beyond end of file"},
        {OpenVistaproDemFile,
         "Vista DEM File" + std::string(VistaproFileBytes, '\0'),
         {},
         "This is a compressed Vistapro DEM file; only uncompressed ones can be opened"},
        {OpenVistaproDemFile, std::string(VistaproFileBytes - 1, '\1'), {}, "Read beyond end of file"},
        {OpenTextHeightFile, textOf(257 * 257 - 1) + "\n", {}, "Read beyond end of file"},
        {OpenTextHeightFile, textOf(257 * 257, "99999999999"), {}, "'99999999999' is not a valid integer value"},
        {OpenBitmapMasked, suiteFile("b/shortfile.bmp"), {}, "Bitmap image is not valid"},
        {OpenBitmapAveraged, picture(4, 4, "PNG"), {}, "Bitmap image is not valid"},
        {OpenBitmapDivided,
         picture(600, 1),
         {},
         "The bitmap is 1 pixels high; bitmaps from 2 to 512 pixels high can be opened"},
        {OpenBitmapMasked,
         picture(2, 513),
         {},
         "The bitmap is 513 pixels high; bitmaps from 2 to 512 pixels high can be opened"},
        {OpenBatchFile, "type=mandel\n; corners=\nmaxiter=150", {}, "The batch file holds no corners= entry"},
        {OpenBatchFile, "corners=-2.5/1.5/x/1.5", {}, "'x' is not a valid floating point value"},
        {OpenBatchFile, "corners=a/1.5/-1.5/1.5", {}, "'a' is not a valid floating point value"},
        {OpenBatchFile, "corners=-2.5/1.5/-1.5", {}, "'' is not a valid floating point value"},
    };
    const Grid before = map();
    for (const auto& test : cases) {
        useBoxes(test.boxes);
        BoxTexts texts = ui.texts;
        if (test.command == OpenTextHeightFile)
            texts[Box::cboHeight] = "2560";
        EXPECT_EQ(run(test.command, file("bad", test.file)), test.message);
        EXPECT_EQ(map(), before) << test.message;
        EXPECT_EQ(ui.texts, texts) << test.message;
    }
    EXPECT_EQ(run(OpenBitmapMasked, (dir / "missing.bmp").string()),
              "Cannot open file " + (dir / "missing.bmp").string());
}
