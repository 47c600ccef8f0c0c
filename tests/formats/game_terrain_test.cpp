#include "frame_fixture.h"
#include "irregular_map.h"

#include "core/error.h"
#include "effects/game_terrain_options.h"
#include "formats/game_companions.h"
#include "formats/game_terrain_files.h"
#include "formats/game_terrain_save.h"
#include "formats/height_file.h"
#include "formats/trn_size.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tolvar;
using tolvar::testing::irregularHeight;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes irregularBytes(std::size_t count, std::uint32_t salt)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(irregularHeight(static_cast<int>(i / 512), static_cast<int>(i % 512), salt));
    return bytes;
}

// Zones of a 256 map: 0 south-west, 1 south-east, 2 north-west, 3 north-east.
// Cell (130, 5) is in zone 2 at its row 2, column 5: byte 2 x 16384 + 128 + 4.
// Tile (i 64, j 2) starts at cell (129, 5): in the 64 x 64 material zone 2 at
// its row 1, column 3, entry 2 x 4096 + 2, bytes 16388 and 16389.
TEST(GameTerrainFiles, ZonesRunFromTheSouthWestAndRoundTrip)
{
    Bytes light(256 * 256, 0);
    light[(130 - 1) * 256 + (5 - 1)] = 77;
    const Bytes lgt = EncodeLightFile(light, 256);
    ASSERT_EQ(lgt.size(), 4u * 16384);
    for (std::size_t at = 0; at < lgt.size(); ++at)
        ASSERT_EQ(lgt[at], at == 2 * 16384 + 128 + 4 ? 77 : 0) << at;

    Bytes tiles(128 * 128, 0);
    tiles[64 * 128 + 2] = 11;
    const Bytes mat = EncodeMaterialFile(tiles, 256);
    ASSERT_EQ(mat.size(), 4u * 8192);
    // Base and Next 11, cap, no rotation or flip: 0xBB0 and a variant.
    EXPECT_EQ(WordAt(mat, 16388) & ~3, 0xBB00);
    for (std::size_t at = 0; at < mat.size(); at += 2)
        if (at != 16388) {
            ASSERT_EQ(WordAt(mat, at) & ~3, 0) << at;
        }

    const Bytes anyLight = irregularBytes(384 * 384, 1);
    EXPECT_EQ(DecodeLightFile(EncodeLightFile(anyLight, 384), 384), anyLight);
    Bytes anyTiles = irregularBytes(192 * 192, 2);
    for (auto& m : anyTiles)
        m &= 15;
    EXPECT_EQ(DecodeMaterialFile(EncodeMaterialFile(anyTiles, 384), 384), anyTiles);
}

TEST(TrnSize, OnlyTheTwoValuesChange)
{
    const std::string text = "; made by hand\r\n[Info]\r\nWidth = 999\r\n\r\n[size]\r\nMinX = -1280\r\n"
                             "width= 2560.0\r\nMinZ=-1280\r\n  Depth =1280  \r\n[Other]\r\nDepth=7";
    const TrnSize size = ReadTrnSize(text);
    EXPECT_EQ(size.width + "/" + size.depth, "2560.0/1280");
    EXPECT_FALSE(TrnSizeIs(size, 2560));
    EXPECT_EQ(WithTrnSize(text, size, 5120), "; made by hand\r\n[Info]\r\nWidth = 999\r\n\r\n[size]\r\nMinX = -1280\r\n"
                                             "width= 5120\r\nMinZ=-1280\r\n  Depth =5120  \r\n[Other]\r\nDepth=7");
    EXPECT_TRUE(TrnSizeIs(ReadTrnSize("[Size]\nDepth=5120\nWidth=5120\n"), 5120));

    const auto problem = [](std::string_view bad) {
        try {
            ReadTrnSize(bad);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    EXPECT_EQ(problem(std::string_view("[Size]\nWidth=1\0\nDepth=1", 24)), "it is not a text file");
    EXPECT_EQ(problem("[Sizes]\nWidth=1\nDepth=1\n"), "it has no [Size] section");
    EXPECT_EQ(problem("[Size]\nWidth=1\n[Other]\nDepth=1\n"), "its [Size] section has no Depth");
    EXPECT_EQ(problem("[Size]\nWidth=wide\nDepth=1\n"), "its Width 'wide' is not a number");
}

class SaveGameTerrainTest : public tolvar::testing::FrameTest {
protected:
    SaveGameTerrainTest()
    {
        gameTerrainBoxes() = {};
        ui.texts[Box::cboHeight] = "2560";
        frame.BeginOperation();
        tolvar::testing::fillIrregular(map(), 0, 0x0FFF);
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    Bytes read(const char* name) const
    {
        QFile file(QString::fromStdString(path(name)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray data = file.readAll();
        return Bytes(data.begin(), data.end());
    }
    void write(const char* name, const Bytes& bytes) const
    {
        QFile file(QString::fromStdString(path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    // The message of the error the save ended with, or an empty text.
    std::string save()
    {
        prompter.queueFile(path("map.hgt"));
        try {
            SaveGameTerrain(frame);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    QTemporaryDir dir;
};

TEST_F(SaveGameTerrainTest, WritesTheSetAndKeepsAMatOfTheRightSize)
{
    EXPECT_EQ(save(), "");
    EXPECT_EQ(read("map.hgt"), EncodeHeightFile(map(), 256, 256));
    EXPECT_EQ(read("map.lgt").size(), 4u * 16384);
    EXPECT_EQ(read("map.mat").size(), 4u * 8192);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("map.trn"))));
    EXPECT_EQ(ui.pointInfo, "Saved map.hgt, map.lgt, map.mat; no map.trn written: the game's tools make it");

    const Bytes painted = irregularBytes(4 * 8192, 3);
    write("map.mat", painted);
    write("map.lgt", irregularBytes(5000, 4));
    save();
    EXPECT_EQ(read("map.mat"), painted);
    EXPECT_EQ(read("map.lgt").size(), 4u * 16384);
    EXPECT_TRUE(prompter.errors().empty());
}

TEST_F(SaveGameTerrainTest, AsksBeforeReplacingAMatOfAnotherSizeAndAboutTheTrnSize)
{
    const Bytes small = irregularBytes(8192, 5);
    write("map.mat", small);
    const std::string trn = "[Size]\r\nWidth = 1280\r\nDepth = 1280\r\nMinX = -640\r\n";
    write("map.trn", Bytes(trn.begin(), trn.end()));
    prompter.queueAnswer(Answer::No);
    prompter.queueAnswer(Answer::Cancel);
    save();
    EXPECT_EQ(prompter.asked().at(1), "Save Game Terrain: map.mat holds 1 zones; this map needs 4. Replace it?");
    EXPECT_EQ(prompter.asked().at(2),
              "Save Game Terrain: map.trn says 1280 x 1280 m; this map is 2560 x 2560 m. Update its size?");
    // Cancel writes nothing at all.
    EXPECT_TRUE(read("map.hgt").empty());
    EXPECT_TRUE(read("map.lgt").empty());

    prompter.queueAnswer(Answer::Yes);
    prompter.queueAnswer(Answer::Yes);
    save();
    EXPECT_EQ(read("map.mat").size(), 4u * 8192);
    const std::string edited = "[Size]\r\nWidth = 2560\r\nDepth = 2560\r\nMinX = -640\r\n";
    EXPECT_EQ(read("map.trn"), Bytes(edited.begin(), edited.end()));
}

TEST_F(SaveGameTerrainTest, ARefusedBandTextWritesNothing)
{
    gameTerrainBoxes().ediMaterialBands = "0:0 1000:x";
    EXPECT_EQ(save(), "Material bands: '1000:x' is not HEIGHT:MATERIAL");
    EXPECT_TRUE(prompter.asked().empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SaveGameTerrainTest, AFailedWriteLeavesEveryOldFileAndNamesTheFile)
{
    const Bytes oldHeights = irregularBytes(2 * 4 * 16384, 6), oldMat = irregularBytes(4 * 8192, 7);
    write("map.hgt", oldHeights);
    write("map.mat", oldMat);
    QDir(dir.path()).mkdir("map.lgt");
    gameTerrainBoxes().chkRepaintMaterials = true;
    EXPECT_EQ(save(), "Cannot write map.lgt: Invalid filename");
    EXPECT_EQ(read("map.hgt"), oldHeights);
    EXPECT_EQ(read("map.mat"), oldMat);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).join(","), "map.hgt,map.lgt,map.mat");
}

TEST_F(SaveGameTerrainTest, OpenKeepsCompanionsOfTheMapsSizeOnly)
{
    save();
    const Bytes light = gameCompanions().light;
    ASSERT_EQ(light.size(), 256u * 256);
    KeepGameCompanions(map(), 0, {}, {});
    prompter.queueFile(path("map.hgt"));
    OpenHeightFile(frame);
    EXPECT_EQ(gameCompanions().light, light);
    EXPECT_EQ(gameCompanions().materials.size(), 128u * 128);

    write("map.lgt", irregularBytes(100, 8));
    prompter.queueFile(path("map.hgt"));
    OpenHeightFile(frame);
    EXPECT_TRUE(gameCompanions().light.empty());
    EXPECT_EQ(ui.pointInfo, "65536; map.lgt is 100 bytes, not 65536: not used");
}

} // namespace
