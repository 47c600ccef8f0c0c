#include "batch_runner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;

// "Real Part" 3 escapes at once: a flat 256 map of 7s. Under a sun 60
// degrees high flat ground gets 255 x sin 60 = 220.8 -> 221; every tile
// takes the only band's material 9: Base and Next 9 in the high byte.
TEST(BatchGameTerrain, TypedBoxesReachTheFilesAndPrint)
{
    QTemporaryDir dir;
    const std::string hgt = dir.filePath("flat.hgt").toStdString();
    const auto r = runBatch({"cboHeight=2560", "ediReal=3", "ediImaginary=0", "cboSteep=7", "Run1",
                             "ediSunElevation=60", "ediMaterialBands=0:9", "print=frmGameTerrain", "dialog=" + hgt,
                             "SaveTerrain1", "print=labPointInfo", "print=OpenRecent1", "ediMaterialBands=0:9 1:2:3",
                             "dialog=" + hgt, "SaveTerrain1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "frmGameTerrain=enabled unchecked hidden\n"
                     "frmGameTerrain.ediSunAzimuth=315\n"
                     "frmGameTerrain.ediSunElevation=60\n"
                     "frmGameTerrain.ediMaterialBands=0:9\n"
                     "frmGameTerrain.ediCliffSlope=35\n"
                     "frmGameTerrain.ediCliffMaterial=4\n"
                     "frmGameTerrain.chkRepaintMaterials=unchecked\n"
                     "labPointInfo=Saved flat.hgt, flat.lgt, flat.mat; no flat.trn written: the game's tools make it\n"
                     "OpenRecent1=enabled unchecked visible\n"
                     "OpenRecent1.1=" + hgt + "\n");
    EXPECT_EQ(r.err, "error: Material bands: '1:2:3' is not HEIGHT:MATERIAL\n");
    EXPECT_EQ(readFile(dir.filePath("flat.lgt").toStdString()), std::string(4 * 16384, char(221)));
    const std::string mat = readFile(dir.filePath("flat.mat").toStdString());
    ASSERT_EQ(mat.size(), 4u * 8192);
    for (std::size_t at = 0; at < mat.size(); at += 2)
        ASSERT_EQ(static_cast<unsigned char>(mat[at + 1]), 0x99) << at;
}
