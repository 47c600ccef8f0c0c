#include "window_fixture.h"

#include "effects/game_terrain_options.h"
#include "ui/game_terrain_window.h"
#include "ui/app_settings.h"

#include <QLineEdit>

using namespace tolvar;
using GameTerrainItem = tolvar::testing::WindowTest;

// What a run typed, the next run's window shows and puts in the boxes the
// save reads; boxes never typed keep their defaults.
TEST(GameTerrainWindow, BoxesComeBackFromTheSettings)
{
    const auto store = AppSettings::inMemory();
    store->setValue("GameTerrain/ediSunAzimuth", "200.5");
    store->setValue("GameTerrain/chkRepaintMaterials", true);
    {
        TfrmGameTerrain window(*store);
        EXPECT_EQ(gameTerrainBoxes().ediSunAzimuth, "200.5");
        EXPECT_TRUE(gameTerrainBoxes().chkRepaintMaterials);
        EXPECT_EQ(gameTerrainBoxes().ediCliffSlope, "35");
        window.findChild<QLineEdit*>("ediCliffSlope")->setText("41");
        EXPECT_EQ(gameTerrainBoxes().ediCliffSlope, "41");
    }
    gameTerrainBoxes() = {};
    TfrmGameTerrain next(*store);
    EXPECT_EQ(next.findChild<QLineEdit*>("ediCliffSlope")->text(), "41");
    EXPECT_EQ(gameTerrainBoxes().ediCliffSlope, "41");
}

TEST_F(GameTerrainItem, ShowsTheWindowAndClosingUnchecksIt)
{
    click("Run1");
    click("GameTerrain1");
    QWidget* terrain = window("frmGameTerrain");
    EXPECT_TRUE(terrain->isVisible());
    terrain->close();
    EXPECT_FALSE(item("GameTerrain1")->isChecked());
}
