#include "window_fixture.h"

#include "ui/parameter_panel.h"
#include "views/view_form.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>

using namespace tolvar;
using tolvar::testing::WindowTest;

namespace {

class ViewWindowTest : public WindowTest {
protected:
    // A 128 map of Steepness 7 everywhere: "Real Part" 3 escapes at once.
    void runFlatMap()
    {
        form().panel().edit(Box::ediReal)->setText("3");
        form().panel().edit(Box::ediImaginary)->setText("0");
        form().panel().edit(Box::cboSteep)->setText("7");
        click("Run1");
        ASSERT_TRUE(prompter.errors().empty());
    }
    void press(const char* button)
    {
        form().panel().button(button)->click();
        QApplication::processEvents();
    }
    const ViewState& view() { return appState().view; }
};

} // namespace

TEST_F(ViewWindowTest, RunShowsThePlanWithItsStatistics)
{
    runFlatMap();
    EXPECT_TRUE(window("frmMapDisplay")->isVisible());
    EXPECT_TRUE(window("frm1st")->isVisible());
    EXPECT_EQ(window("frmMapDisplay")->findChild<QLabel*>("labMapInfo")->text(), "Max = 7  Min = 7  Avg = 7");
    const QImage plan = static_cast<ViewForm*>(window("frmMapDisplay"))->viewBuffer();
    EXPECT_EQ(plan.size(), QSize(129, 129));
    EXPECT_EQ(plan.pixel(64, 64), qRgb(7, 0, 0));
}

TEST_F(ViewWindowTest, MovesOffTheMapAreRefused)
{
    runFlatMap();
    press("btnDown");
    press("btnRight");
    press("btnUp");
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(view().ViewStepsRight, 0);
    click("N640");
    for (int i = 0; i < 3; ++i)
        press("btnDown");
    EXPECT_EQ(view().ViewStepsDown, 2);
    press("btnRight");
    EXPECT_EQ(view().ViewStepsRight, 1);
}

TEST_F(ViewWindowTest, RotationWrapsBothWays)
{
    runFlatMap();
    press("btnRotRight");
    EXPECT_EQ(view().ViewRotation, 3);
    for (int i = 0; i < 4; ++i)
        press("btnRotLeft");
    EXPECT_EQ(view().ViewRotation, 3);
    press("btnRotLeft");
    EXPECT_EQ(view().ViewRotation, 0);
}

TEST_F(ViewWindowTest, ResizingTheDisplayActsAsTheCheckedSizeItem)
{
    runFlatMap();
    click("Wireframe2");
    click("N640");
    press("btnDown");
    press("btnRight");
    ASSERT_EQ(view().ViewStepsDown, 1);
    QWidget* display = window("frmDisplay");
    display->setWindowState(Qt::WindowNoState);
    display->resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(view().ViewSize, 64);
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(view().ViewStepsRight, 0);
    EXPECT_TRUE(item("N640")->isChecked());
}

TEST_F(ViewWindowTest, TheSizeItemsCheckOnlyThemselves)
{
    runFlatMap();
    click("N320");
    EXPECT_EQ(view().ViewSize, 32);
    EXPECT_TRUE(item("N320")->isChecked());
    EXPECT_FALSE(item("N1280")->isChecked());
    EXPECT_FALSE(item("N640")->isChecked());
}

TEST_F(ViewWindowTest, TheSchemeItemsRecolourTheWinGView)
{
    runFlatMap();
    click("Black1");
    EXPECT_TRUE(item("Black1")->isChecked());
    EXPECT_FALSE(item("Green1")->isChecked());
    const QImage wing = static_cast<ViewForm*>(window("frm1st"))->viewBuffer();
    EXPECT_EQ(wing.pixelIndex(1, 1), 216);
    click("Green1");
    EXPECT_EQ(static_cast<ViewForm*>(window("frm1st"))->viewBuffer().pixelIndex(1, 1), 0);
}

// Qt's offscreen platform, on which these tests run, shows no OpenGL widget.
TEST_F(ViewWindowTest, WithoutOpenGLThe3DViewSaysSoAndTheRestGoesOn)
{
    runFlatMap();
    click("View3D1");
    EXPECT_EQ(prompter.errors(), std::vector<std::string>{"The 3D View needs OpenGL, and this display offers none."});
    EXPECT_FALSE(item("View3D1")->isChecked());
    EXPECT_FALSE(window("frm3D")->isVisible());
    prompter.clearErrors();
    click("Plan1");
    click("Plan1");
    click("Smooth1");
    EXPECT_TRUE(prompter.errors().empty());
    EXPECT_TRUE(window("frmMapDisplay")->isVisible());
}

// The View menu's marks decide which windows a refresh, or a new look of
// the wireframes, shows and draws; New leaves the marks as they were.
TEST_F(ViewWindowTest, OnlyTheCheckedViewsShowAndDraw)
{
    click("WinG1"); // checked at start: hides
    click("Wireframe2");
    runFlatMap();
    EXPECT_TRUE(window("frmMapDisplay")->isVisible());
    EXPECT_TRUE(window("frmDisplay")->isVisible());
    EXPECT_FALSE(window("frm1st")->isVisible());
    EXPECT_FALSE(window("frmSculpt")->isVisible());

    click("Contour1");
    EXPECT_FALSE(window("frm1st")->isVisible());
    prompter.queueConfirm(true);
    click("New1");
    EXPECT_TRUE(item("Plan1")->isChecked() && item("Wireframe2")->isChecked());
    EXPECT_FALSE(item("WinG1")->isChecked());
    EXPECT_TRUE(window("frmDisplay")->isVisible());
    EXPECT_FALSE(window("frm1st")->isVisible());
}
