// The 3D View draws with OpenGL: CTest runs these under Xvfb, where Mesa's
// software renderer stands in for a graphics card.
#include "batch_runner.h"
#include "irregular_map.h"
#include "window_fixture.h"

#include "ui/parameter_panel.h"
#include "ui/single_window.h"
#include "views/sculpt_canvas.h"
#include "views/sculpt_window.h"
#include "views/terrain_view.h"
#include "views/view3d_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QMouseEvent>
#include <QSpinBox>
#include <cmath>
#include <filesystem>

using namespace tolvar;
using tolvar::testing::WindowTest;

namespace {

int brightness(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); }

// How far the middle of one picture has moved in the other: the offset, at
// most `reach` pixels each way, at which a patch of it matches best.
QPoint movedBy(const QImage& before, const QImage& after, int reach)
{
    const QPoint centre = before.rect().center();
    long long best = -1;
    QPoint moved;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            long long cost = 0;
            for (int y = -40; y <= 40; y += 4)
                for (int x = -40; x <= 40; x += 4) {
                    const QRgb a = before.pixel(centre + QPoint(x, y));
                    const QRgb b = after.pixel(centre + QPoint(x + dx, y + dy));
                    cost +=
                        std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                }
            if (best < 0 || cost < best) {
                best = cost;
                moved = {dx, dy};
            }
        }
    return moved;
}

class View3DTest : public WindowTest {
protected:
    // A 128 map with one cone a little off the centre, its base at 100 with
    // a few units of irregular ground, shown in the 3D View.
    void SetUp() override
    {
        form().panel().edit(Box::ediReal)->setText("3");
        form().panel().edit(Box::ediSeaLevel)->setText("0");
        click("Run1");
        Grid& map = appState().HeightMap;
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c) {
                const double d = std::hypot(r - 66.0, c - 63.0);
                map(r, c) = static_cast<Height>(std::max(0.0, 3000 - 60 * d) + 100 + (tolvar::testing::irregularHeight(r, c) & 7));
            }
        click("View3D1");
        ASSERT_TRUE(prompter.errors().empty());
        frm3D = static_cast<Tfrm3D*>(window("frm3D"));
    }
    // Looks straight down, with north at the top.
    void lookDown()
    {
        TerrainView& view = frm3D->view();
        const QPoint from = view.rect().center(), to = from + QPoint(0, 400);
        QMouseEvent press(QEvent::MouseButtonPress, from, view.mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, to, view.mapToGlobal(to), Qt::LeftButton, {}, {});
        QApplication::sendEvent(&view, &press);
        QApplication::sendEvent(&view, &move);
        EXPECT_TRUE(view.coarse());
        QApplication::sendEvent(&view, &release);
        EXPECT_FALSE(view.coarse());
    }
    QImage picture()
    {
        QApplication::processEvents();
        return frm3D->viewBuffer();
    }
    // The mouse on the Sculpt window, which must be shown.
    void sculpt(QEvent::Type type, MapSpot spot, Qt::MouseButtons held)
    {
        SculptCanvas& canvas = windows->sculpt().canvas();
        const QPointF at = canvas.pointOf(spot);
        QMouseEvent event(type, at, canvas.viewport()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(canvas.viewport(), &event);
    }
    const TerrainVertex& vertex(int row, int col) { return frm3D->view().mesh().vertices()[(row - 1) * 128 + col - 1]; }

    Tfrm3D* frm3D = nullptr;
};

} // namespace

TEST_F(View3DTest, TheConeIsBrighterOnTheSideFacingTheNorthWestLight)
{
    lookDown();
    const QImage shot = picture();
    ASSERT_EQ(shot.size(), frm3D->view().size());
    const QPoint centre = shot.rect().center();
    for (int step : {30, 60, 90}) {
        const QRgb northWest = shot.pixel(centre + QPoint(-step, -step));
        const QRgb southEast = shot.pixel(centre + QPoint(step, step));
        EXPECT_GT(brightness(northWest), brightness(southEast) + 60) << step;
    }
}

// The water follows the Sea Level box as it is typed: the low ground turns
// blue, the cone's top stays above it.
TEST_F(View3DTest, WaterShowsAtTheSeaLevelTyped)
{
    lookDown();
    const QImage dry = picture();
    form().panel().edit(Box::ediSeaLevel)->setText("1000");
    const QImage wet = picture();
    const QPoint centre = dry.rect().center(), lowGround = centre + QPoint(0, 150);
    EXPECT_LT(qBlue(wet.pixel(centre)), qBlue(dry.pixel(centre)) + 10);
    EXPECT_GT(qBlue(wet.pixel(lowGround)), qBlue(dry.pixel(lowGround)) + 30);
}

// With no saved light, Game light bakes it from the Game Terrain boxes: a sun
// typed into the south-east lights the cone's south-east side instead of the
// north-west one. Materials colour by the bands typed: palette 7 (red) on
// the low ground, 6 (blue) from 2000 up on the cone.
TEST_F(View3DTest, GameLayersFollowTheGameTerrainBoxes)
{
    lookDown();
    QWidget* boxes = window("frmGameTerrain");
    boxes->findChild<QLineEdit*>("ediSunAzimuth")->setText("135");
    frm3D->findChild<QCheckBox*>("chkGameLight")->setChecked(true);
    const QImage lit = picture();
    const QPoint centre = lit.rect().center();
    for (int step : {30, 60}) {
        const QRgb northWest = lit.pixel(centre + QPoint(-step, -step));
        const QRgb southEast = lit.pixel(centre + QPoint(step, step));
        EXPECT_GT(brightness(southEast), brightness(northWest) + 60) << step;
    }
    boxes->findChild<QLineEdit*>("ediMaterialBands")->setText("0:7 2000:6");
    frm3D->findChild<QCheckBox*>("chkMaterials")->setChecked(true);
    const QImage painted = picture();
    const QRgb low = painted.pixel(centre + QPoint(0, 150)), top = painted.pixel(centre);
    EXPECT_GT(qRed(low), qGreen(low) + 40);
    EXPECT_GT(qBlue(top), qRed(top) + 40);
    EXPECT_TRUE(frm3D->findChild<QWidget*>("legendMaterials")->isVisible());
}

// The land below a sea level once typed turns green again when the level
// falls, whatever came between; the cone's tip, 3100 m up at 10 x, stays
// below the camera.
TEST_F(View3DTest, LandAndCameraFollowTheBoxes)
{
    QLineEdit* seaLevel = form().panel().edit(Box::ediSeaLevel);
    seaLevel->setText("800");
    frm3D->findChild<QSpinBox*>("ediHeightScale")->setValue(10);
    seaLevel->setText("0");
    const TerrainVertex& low = frm3D->view().mesh().vertices()[10 * 128 + 10]; // row 11, column 11: 100 to 107
    EXPECT_GT(low.g, low.b + 40);
    EXPECT_GT(frm3D->view().camera().eye().y, 3107.0f);
}

TEST_F(View3DTest, FollowsAnEffectAndItsUndo)
{
    const QImage before = picture();
    click("Smooth1");
    EXPECT_NE(picture(), before);
    click("UndoZ1");
    EXPECT_EQ(picture(), before);
}

// Changed cells the document reports, twice before a frame, draw what a
// whole reload draws.
TEST_F(View3DTest, ChangedRowsDrawAsAWholeReload)
{
    const QImage before = picture();
    for (int r = 40; r <= 50; ++r)
        for (int c = 20; c <= 90; ++c)
            appState().HeightMap(r, c) = static_cast<Height>(100 + (tolvar::testing::irregularHeight(r, c, 3) & 1023));
    form().document().regionChanged({40, 44, 20, 90});
    form().document().regionChanged({45, 50, 20, 90});
    const QImage rows = picture();
    EXPECT_NE(rows, before);
    frm3D->redraw();
    EXPECT_EQ(picture(), rows);
}

// A stroke shows as it goes, heard from the map. Its release loads nothing
// whole: a cell changed behind the view's back keeps its place.
TEST_F(View3DTest, FollowsAStrokeAsItGoes)
{
    click("Sculpt1");
    const QImage before = picture();
    sculpt(QEvent::MouseButtonPress, {30, 90}, Qt::LeftButton);
    sculpt(QEvent::MouseMove, {40, 100}, Qt::LeftButton);
    EXPECT_NE(picture(), before);
    const float drawn = vertex(100, 20).y;
    appState().HeightMap(100, 20) += 500;
    sculpt(QEvent::MouseButtonRelease, {40, 100}, Qt::NoButton);
    picture();
    EXPECT_EQ(vertex(100, 20).y, drawn);
}

// What rows cannot show is loaded whole at the release: a Raise of 1000 on
// the cone's top (3100 to 3107) takes the colour scale past 4095; Set
// Height 2500 on the low ground turns its tiles from material 7 (red) to 6
// (blue) under the bands "0:7 2000:6".
TEST_F(View3DTest, TheReleaseLoadsTheWholeMapWhereRowsCannotShowTheStroke)
{
    click("Sculpt1");
    QWidget* sculptWindow = window("frmSculpt");
    sculptWindow->findChild<QLineEdit*>("ediStrength")->setText("100");
    sculpt(QEvent::MouseButtonPress, {66, 63}, Qt::LeftButton);
    sculpt(QEvent::MouseButtonRelease, {66, 63}, Qt::NoButton);
    EXPECT_GT(appState().HeightMap(66, 63), 4095);
    EXPECT_EQ(frm3D->view().mesh().colourScale().highest, 8191);

    window("frmGameTerrain")->findChild<QLineEdit*>("ediMaterialBands")->setText("0:7 2000:6");
    frm3D->findChild<QCheckBox*>("chkMaterials")->setChecked(true);
    EXPECT_GT(vertex(20, 20).r, vertex(20, 20).b + 40);
    sculptWindow->findChild<QComboBox*>("cboBrush")->setCurrentText("Set Height");
    sculptWindow->findChild<QLineEdit*>("ediTarget")->setText("2500");
    sculpt(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton);
    sculpt(QEvent::MouseButtonRelease, {20, 20}, Qt::NoButton);
    EXPECT_EQ(appState().HeightMap(20, 20), 2500);
    EXPECT_GT(vertex(20, 20).b, vertex(20, 20).r + 40);
}

// The view moves into the single window's dock and back with its picture:
// the cone in the middle, lighter or darker than the sky at the corner.
TEST_F(View3DTest, DrawsInTheSingleWindowAndBackAndItsKeyWorksThere)
{
    const auto drawsTheMap = [this] {
        const QImage shot = picture();
        return !shot.isNull() && shot.pixel(shot.rect().center()) != shot.pixel(2, 2);
    };
    click("SingleWindow1");
    QWidget& host = windows->singleWindow();
    ASSERT_EQ(frm3D->window(), &host);
    auto* dock = qobject_cast<QDockWidget*>(frm3D->parentWidget());
    dock->raise();
    EXPECT_TRUE(drawsTheMap());
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    frm3D->view().setFocus();
    QTest::keyClick(&frm3D->view(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(dock->isVisible());
    QTest::keyClick(&host, Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(drawsTheMap());
    click("SingleWindow1");
    EXPECT_TRUE(frm3D->isWindow());
    EXPECT_TRUE(drawsTheMap());
}

TEST(View3DBatch, TurnsZoomsAndWritesThePicture)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto r = tolvar::testing::runBatch({"--on-screen", "ediReal=3", "Run1", "View3D1", "print=frm3D", "orbit=frm3D:-50,25",
                                      "zoom=frm3D:2", "print=frm3D", "shot=frm3D:" + dir + "/3d.png",
                                             "dialog=" + dir + "/saved.png", "btnSavePicture"});
    EXPECT_EQ(r.status, 0) << r.err;
    // A flat 128 map: the camera starts 1.9 x 635 x sqrt 2 m away and each
    // wheel notch takes 0.85 of that; 0.4 degrees a pixel: 50 pixels left
    // turns 20 degrees east, 25 down raises the camera 10.
    EXPECT_EQ(r.out, "frm3D=enabled unchecked visible\n"
                     "frm3D.camera=azimuth 0.0 elevation 35.0 distance 1706\n"
                     "frm3D=enabled unchecked visible\n"
                     "frm3D.camera=azimuth 20.0 elevation 45.0 distance 1233\n");
    const QImage shot(QString::fromStdString(dir + "/3d.png"));
    EXPECT_FALSE(shot.isNull());
    EXPECT_EQ(QImage(QString::fromStdString(dir + "/saved.png")).convertToFormat(shot.format()), shot);
}

// A right drag slides the map with the pointer in both axes. Seen from
// straight above, the ground in the middle moves by the same share of the
// drag across and down: a little under the whole, as it lies below the
// point the camera looks at, halfway up this map's plateau.
TEST(View3DBatch, PanSlidesTheMapWithThePointer)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto r = tolvar::testing::runBatch({"--on-screen", "Run1", "View3D1", "orbit=frm3D:0,400",
                                              "shot=frm3D:" + dir + "/before.png", "pan=frm3D:70,-40",
                                              "shot=frm3D:" + dir + "/after.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage before(QString::fromStdString(dir + "/before.png")), after(QString::fromStdString(dir + "/after.png"));
    ASSERT_EQ(before.size(), after.size());
    ASSERT_GT(before.width(), 400);
    const QPoint moved = movedBy(before, after, 100);
    const double share = moved.x() / 70.0;
    EXPECT_GT(share, 0.8);
    EXPECT_LE(share, 1.0);
    EXPECT_NEAR(moved.y(), -40 * share, 2);
    tolvar::testing::removeScratchDirectory(dir);
}

// Under a window manager Sculpt and the 3D View open framed, whole on the
// 1280 x 1024 screen and right of the always-on-top column; the menu keys
// work with the focus in the 3D View's height scale box.
TEST(View3DBatch, UnderAWindowManagerTheNewWindowsOpenBesideTheColumn)
{
#ifdef _WIN32
    GTEST_SKIP() << "Wine frames the windows itself";
#else
    QProcess manager;
    manager.start("openbox", {});
    ASSERT_TRUE(manager.waitForStarted()) << "openbox is missing: scripts/install-deps.sh brings it";
    // Ready once it frames a window that this program shows.
    bool framed = false;
    for (int tries = 0; tries < 100 && !framed; ++tries) {
        QWidget probe;
        probe.show();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        framed = probe.frameGeometry() != probe.geometry();
    }
    ASSERT_TRUE(framed) << "openbox framed no window";

    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    const auto r = tolvar::testing::runBatch({"--on-screen", "ediRandSeed=5", "SetRandSeed1", "Mountains1", "Run1",
                                              "grid=" + d + "run", "Sculpt1", "View3D1", "wait=1000",
                                              "frame=frmSculpt", "frame=frm3D", "key=frm3D:Ctrl+S",
                                              "grid=" + d + "smooth", "key=frm3D:Ctrl+Z", "grid=" + d + "undone",
                                              "key=frm3D:Ctrl+B", "print=Sculpt1"});
    manager.terminate();
    manager.waitForFinished();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "frmSculpt.frame=280,0 680x620\n"
                     "frm3D.frame=280,0 1000x768\n"
                     "Sculpt1=enabled unchecked visible\n");
    const std::string run = tolvar::testing::readFile(d + "run");
    EXPECT_FALSE(tolvar::testing::readFile(d + "smooth") == run) << "Ctrl+S smooths";
    EXPECT_TRUE(tolvar::testing::readFile(d + "undone") == run) << "Ctrl+Z undoes";
#endif
}
