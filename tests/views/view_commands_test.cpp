#include "frame_fixture.h"

#include "views/view_commands.h"

#include <string>
#include <vector>

using namespace tolvar;
using tolvar::testing::FrameTest;

namespace {

using Calls = std::vector<std::string>;
const Calls Redrawn{"refresh views"};

class ViewCommands : public FrameTest {
protected:
    // A first operation on a map of the given size text.
    void startMap(const char* size)
    {
        ui.texts[Box::cboHeight] = size;
        frame.BeginOperation();
        ui.calls.clear();
    }

    // Presses a button, and says whether it redrew.
    bool press(void (*button)(Frame&))
    {
        ui.calls.clear();
        button(frame);
        if (ui.calls.empty())
            return false;
        EXPECT_EQ(ui.calls, Redrawn);
        return true;
    }

    ViewState& view() { return state().view; }

    std::vector<std::string> checkedOf(std::initializer_list<const char*> items) const
    {
        std::vector<std::string> on;
        for (const char* item : items)
            if (ui.isChecked(item))
                on.push_back(item);
        return on;
    }
};

} // namespace

TEST_F(ViewCommands, AWholeMapWindowCannotMove)
{
    startMap("1280");
    for (auto button : {btnUpClick, btnDownClick, btnLeftClick, btnRightClick})
        EXPECT_FALSE(press(button));
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(view().ViewStepsRight, 0);
}

TEST_F(ViewCommands, AHalfMapWindowHasThreePositionsEachWay)
{
    startMap("1280");
    N640Click(frame);
    EXPECT_TRUE(press(btnDownClick));
    EXPECT_TRUE(press(btnDownClick));
    EXPECT_FALSE(press(btnDownClick));
    EXPECT_EQ(view().ViewStepsDown, 2);

    EXPECT_TRUE(press(btnRightClick));
    EXPECT_TRUE(press(btnRightClick));
    EXPECT_FALSE(press(btnRightClick));
    EXPECT_EQ(view().ViewStepsRight, 2);

    EXPECT_TRUE(press(btnUpClick));
    EXPECT_TRUE(press(btnUpClick));
    EXPECT_FALSE(press(btnUpClick));
    EXPECT_TRUE(press(btnLeftClick));
    EXPECT_TRUE(press(btnLeftClick));
    EXPECT_FALSE(press(btnLeftClick));
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(view().ViewStepsRight, 0);
}

TEST_F(ViewCommands, RotationWrapsBothWays)
{
    startMap("1280");
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(press(btnRotLeftClick));
        seen.push_back(view().ViewRotation);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0}));
    seen.clear();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(press(btnRotRightClick));
        seen.push_back(view().ViewRotation);
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 2, 1, 0}));
}

TEST_F(ViewCommands, MovingBackIsAllowedOnAMapThatShrankUnderTheWindow)
{
    startMap("5120");
    for (int i = 0; i < 6; ++i)
        press(btnDownClick);
    EXPECT_EQ(view().ViewStepsDown, 6);
    ui.texts[Box::cboHeight] = "1280";
    frame.BeginOperation();

    EXPECT_FALSE(press(btnDownClick));
    EXPECT_TRUE(press(btnUpClick));
    EXPECT_EQ(view().ViewStepsDown, 5);
}

TEST_F(ViewCommands, SizeItemsCheckOneAndOnlyTheLargerOnesReturnToTheCorner)
{
    startMap("5120");
    N640Click(frame);
    press(btnDownClick);
    press(btnRightClick);
    ui.calls.clear();

    N320Click(frame);
    EXPECT_EQ(ui.calls, Redrawn);
    EXPECT_EQ(view().ViewSize, 32);
    EXPECT_EQ(view().ViewStepsDown, 1);
    EXPECT_EQ(view().ViewStepsRight, 1);
    EXPECT_EQ(checkedOf({"N1280", "N640", "N320"}), std::vector<std::string>{"N320"});

    N1280Click(frame);
    EXPECT_EQ(view().ViewSize, 128);
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(view().ViewStepsRight, 0);
    EXPECT_EQ(checkedOf({"N1280", "N640", "N320"}), std::vector<std::string>{"N1280"});

    press(btnDownClick);
    N640Click(frame);
    EXPECT_EQ(view().ViewSize, 64);
    EXPECT_EQ(view().ViewStepsDown, 0);
    EXPECT_EQ(checkedOf({"N1280", "N640", "N320"}), std::vector<std::string>{"N640"});
}

TEST_F(ViewCommands, AResizeClicksTheCheckedSizeItem)
{
    startMap("1280");
    N640Click(frame);
    press(btnDownClick);
    ui.calls.clear();
    ClickCheckedSizeItem(frame);
    EXPECT_EQ(ui.calls, Redrawn);
    EXPECT_EQ(view().ViewSize, 64);
    EXPECT_EQ(view().ViewStepsDown, 0);

    N320Click(frame);
    press(btnDownClick);
    ClickCheckedSizeItem(frame);
    EXPECT_EQ(view().ViewSize, 32);
    EXPECT_EQ(view().ViewStepsDown, 1);
}

// Which wireframe windows draw again is the windows' business.
TEST_F(ViewCommands, SchemeItemsCheckOnlyThemselvesAndRedrawTheWireframes)
{
    startMap("1280");
    Contour1Click(frame);
    EXPECT_EQ(ui.calls, Calls{"redraw wireframes"});
    EXPECT_EQ(checkedOf({"Green1", "Black1", "Contour1", "Contour2"}), std::vector<std::string>{"Contour1"});
    EXPECT_EQ(CheckedScheme(ui), ColourScheme::ContourColour);
    Black1Click(frame);
    EXPECT_EQ(CheckedScheme(ui), ColourScheme::BlackOnWhite);
    Contour2Click(frame);
    EXPECT_EQ(CheckedScheme(ui), ColourScheme::ContourGrey);
    Green1Click(frame);
    EXPECT_EQ(checkedOf({"Green1", "Black1", "Contour1", "Contour2"}), std::vector<std::string>{"Green1"});
    EXPECT_EQ(CheckedScheme(ui), ColourScheme::GreenOnBlack);
    EXPECT_EQ(ui.calls.size(), 4u);
}

TEST_F(ViewCommands, FilledTogglesApartFromTheSchemesAndRedrawsTheWireframes)
{
    startMap("1280");
    Filled1Click(frame);
    EXPECT_EQ(ui.calls, Calls{"redraw wireframes"});
    EXPECT_EQ(CheckedFill(ui), MeshFill::Filled);
    Contour1Click(frame);
    EXPECT_EQ(CheckedFill(ui), MeshFill::Filled);
    Filled1Click(frame);
    EXPECT_EQ(CheckedFill(ui), MeshFill::Outline);
    EXPECT_EQ(CheckedScheme(ui), ColourScheme::ContourColour);
}

TEST_F(ViewCommands, ZoomOverlayTogglesWithoutRedrawing)
{
    startMap("1280");
    ZoomOverlay1Click(frame);
    EXPECT_FALSE(ui.isChecked("ZoomOverlay1"));
    ZoomOverlay1Click(frame);
    EXPECT_TRUE(ui.isChecked("ZoomOverlay1"));
    EXPECT_TRUE(ui.calls.empty());
}
