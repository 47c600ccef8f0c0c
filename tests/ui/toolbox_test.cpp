#include "window_fixture.h"

#include "ui/toolbox_window.h"

#include <QToolButton>

using namespace tolvar;
using tolvar::testing::WindowTest;

namespace {

class Toolbox : public WindowTest {
protected:
    QToolButton* tool(const char* name) { return windows->toolbox().button(name); }
    void expectTypes(const char* checked)
    {
        for (const char* type : {"Circle1", "Mountains1", "Julia1", "JuliaBrot1", "Mandelbrot1", "MandelHigh1"}) {
            EXPECT_EQ(item(type)->isChecked(), std::string(type) == checked) << type;
            EXPECT_EQ(tool(type)->isChecked(), std::string(type) == checked) << type;
        }
    }
};

} // namespace

TEST_F(Toolbox, IsAnAlwaysOnTopToolWindowOfIconButtons)
{
    QWidget& box = windows->toolbox();
    EXPECT_EQ(box.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    for (const auto& [name, button] : windows->toolbox().buttons()) {
        EXPECT_FALSE(button->icon().isNull()) << name.toStdString();
        EXPECT_FALSE(button->toolTip().isEmpty()) << name.toStdString();
    }
}

TEST_F(Toolbox, ButtonsRunTheirControlsAndShowTheirStates)
{
    for (const char* name : {"UndoZ1", "Store1", "Retrieve1", "btnUp", "btnRotLeft"})
        EXPECT_FALSE(tool(name)->isEnabled()) << name;
    for (const char* name : {"Run1", "Thermal1", "RainRivers1"})
        EXPECT_TRUE(tool(name)->isEnabled()) << name;
    expectTypes("Mandelbrot1");

    tool("Circle1")->click();
    expectTypes("Circle1");
    tool("Circle1")->click();
    expectTypes("Circle1");
    click("Julia1");
    expectTypes("Julia1");
    tool("Circle1")->click();

    tool("Run1")->click();
    for (const char* name : {"UndoZ1", "Store1", "Retrieve1", "btnUp", "btnRotLeft"})
        EXPECT_TRUE(tool(name)->isEnabled()) << name;
    const Grid before = appState().HeightMap;
    tool("Smooth1")->click();
    EXPECT_NE(appState().HeightMap.cells, before.cells);
    tool("UndoZ1")->click();
    EXPECT_EQ(appState().HeightMap.cells, before.cells);
    EXPECT_FALSE(tool("UndoZ1")->isEnabled());
    tool("btnRotLeft")->click();
    EXPECT_EQ(appState().view.ViewRotation, 1);
}
