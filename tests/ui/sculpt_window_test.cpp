#include "window_fixture.h"

#include "views/sculpt_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

using namespace tolvar;

namespace {

class SculptWindowTest : public tolvar::testing::WindowTest {
protected:
    // A 128 map with a hand-set patch around row 10, column 20:
    //   row 11: 10 20 30
    //   row 10: 40 50 60
    //   row  9: 70 80 95     (columns 19, 20, 21)
    SculptWindowTest()
    {
        click("Run1");
        const int patch[3][3] = {{70, 80, 95}, {40, 50, 60}, {10, 20, 30}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                appState().HeightMap(9 + r, 19 + c) = static_cast<Height>(patch[r][c]);
        click("Sculpt1");
    }

    QWidget* picture() { return windows->sculpt().canvas().viewport(); }
    std::string status() { return window("frmSculpt")->findChild<QLabel*>("labSculptStatus")->text().toStdString(); }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, picture()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture(), &event);
    }
};

} // namespace

// At 100 % one point is one cell, row 128 at the top and column 1 at the
// left; the slope is Horn's: east (245 - 160) / 8, north (80 - 325) / 8.
TEST_F(SculptWindowTest, ReadsTheCellUnderTheCursorAsThePlanIsOriented)
{
    EXPECT_TRUE(item("Sculpt1")->isChecked());
    EXPECT_EQ(item("Sculpt1")->shortcut(), QKeySequence("Ctrl+B"));
    mouse(QEvent::MouseMove, {19.5, 118.5}, Qt::NoButton);
    EXPECT_EQ(status(), "Row 10  Column 20  Height 50  Slope 32.4");
    mouse(QEvent::MouseMove, {0.2, 0.2}, Qt::NoButton);
    EXPECT_TRUE(status().starts_with("Row 128  Column 1  Height ")) << status();
}

// A press, a drag and the release make one stroke, one operation of the
// frame. The status line under the cursor reads the map Undo puts back.
TEST_F(SculptWindowTest, ADragIsOneStrokeThatUndoTakesBack)
{
    window("frmSculpt")->findChild<QLineEdit*>("ediRadius")->setText("2");
    mouse(QEvent::MouseButtonPress, {39.5, 98.5}, Qt::LeftButton); // row 30, column 40
    mouse(QEvent::MouseMove, {45.5, 98.5}, Qt::LeftButton);        // column 46
    mouse(QEvent::MouseButtonRelease, {45.5, 98.5}, Qt::NoButton);
    EXPECT_EQ(appState().HeightMap(30, 43), appState().UndoMap(30, 43) + 500);
    const std::string unraised = "Height " + std::to_string(appState().UndoMap(30, 46)) + " ";
    EXPECT_EQ(status().find(unraised), std::string::npos) << status();
    click("UndoZ1");
    EXPECT_EQ(appState().HeightMap, appState().UndoMap);
    EXPECT_NE(status().find(unraised), std::string::npos) << status();
}

// Colours sit on the game's scale, 0 to 4095, so a stroke far away leaves a
// level cell of 1500 as it was: 36.6 % up the land ramp, between brown
// (150, 115, 60) and grey (135, 135, 135), 4.66 % of the way; its release
// draws no cell the stroke did not change. A cell the game cannot hold is
// pure magenta, shaded or contoured, and a stroke that makes one widens the
// scale to the next 4096 in every cell. The plan keeps its picture through
// a stroke and a cancelled Open.
TEST_F(SculptWindowTest, ColoursStayOnTheGamesScale)
{
    Grid& map = appState().HeightMap;
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            map(r, c) = std::min<Height>(map(r, c), 2000);
    for (int r = 99; r <= 101; ++r)
        for (int c = 99; c <= 101; ++c)
            map(r, c) = 1500;
    map(30, 30) = 3500;
    windows->sculpt().redraw();
    const auto pixel = [this](int row, int col) { return windows->sculpt().canvas().picture().pixel(col - 1, 128 - row); };
    EXPECT_EQ(pixel(100, 100), qRgb(149, 116, 63));
    const QRgb drawn = pixel(110, 110);
    map(110, 110) = 0;

    QWidget* plan = window("frmMapDisplay")->findChild<QWidget*>("imgMap");
    const QImage planBefore = plan->grab().toImage();
    mouse(QEvent::MouseButtonPress, {29.5, 98.5}, Qt::LeftButton); // row 30, column 30
    EXPECT_EQ(plan->grab().toImage(), planBefore);
    mouse(QEvent::MouseButtonRelease, {29.5, 98.5}, Qt::NoButton);
    EXPECT_EQ(map(30, 30), 4000);
    EXPECT_EQ(pixel(100, 100), qRgb(149, 116, 63));
    EXPECT_EQ(pixel(110, 110), drawn);
    const QImage planAfter = plan->grab().toImage();
    EXPECT_NE(planAfter, planBefore);
    click("Open1");
    EXPECT_EQ(plan->grab().toImage(), planAfter);

    map(60, 61) = 4000;
    mouse(QEvent::MouseButtonPress, {60.5, 68.5}, Qt::LeftButton); // row 60, column 61
    mouse(QEvent::MouseButtonRelease, {60.5, 68.5}, Qt::NoButton);
    EXPECT_EQ(map(60, 61), 4500);
    EXPECT_EQ(pixel(60, 61), qRgb(255, 0, 255));
    EXPECT_NE(pixel(110, 110), drawn);
    window("frmSculpt")->findChild<QComboBox*>("cboShading")->setCurrentIndex(1);
    EXPECT_EQ(pixel(60, 61), qRgb(255, 0, 255));
    EXPECT_EQ(window("frmSculpt")->findChild<QLabel*>("labSculptView")->text(),
              "Colours 0 to 8191 (the map rises above 4095)   Zoom 100 %");
}

// A fractal box half typed is for the next Run: the brush keeps the
// parameters the last command read, and Run still refuses the box.
TEST_F(SculptWindowTest, AHalfTypedFractalBoxRefusesRunButNotAStroke)
{
    form().setText(Box::ediReal, "abc");
    mouse(QEvent::MouseButtonPress, {19.5, 118.5}, Qt::LeftButton); // row 10, column 20
    mouse(QEvent::MouseButtonRelease, {19.5, 118.5}, Qt::NoButton);
    EXPECT_TRUE(prompter.errors().empty());
    EXPECT_EQ(appState().HeightMap(10, 20), 550);
    click("Run1");
    EXPECT_EQ(prompter.errors().size(), 1u);
}

// After New a stroke can be the first operation at another size: the
// picture takes the 256 map at the release, the dabs before it drawn on
// nothing of the old size.
TEST_F(SculptWindowTest, AStrokeAtANewSizeDrawsTheNewMapAtTheRelease)
{
    prompter.queueConfirm(true);
    click("New1");
    form().setText(Box::cboHeight, "2560");
    window("frmSculpt")->findChild<QLineEdit*>("ediRadius")->setText("64");
    mouse(QEvent::MouseButtonPress, {100.5, 27.5}, Qt::LeftButton); // row 101, column 101
    mouse(QEvent::MouseMove, {120.5, 7.5}, Qt::LeftButton);
    EXPECT_EQ(windows->sculpt().canvas().picture().size(), QSize(128, 128));
    mouse(QEvent::MouseButtonRelease, {120.5, 7.5}, Qt::NoButton);
    EXPECT_EQ(appState().MapRows, 256);
    EXPECT_GT(appState().HeightMap(141, 101), 0);
    EXPECT_EQ(windows->sculpt().canvas().picture().size(), QSize(256, 256));
}
