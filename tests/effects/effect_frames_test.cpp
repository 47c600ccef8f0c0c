#include "effect_test.h"

#include <gmock/gmock.h>

#include <vector>

using namespace tolvar;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

struct Framing {
    const char* item;
    std::vector<std::string> lines;
    bool begins = true;
    bool refreshes = true;
    bool busy = false;
};

const Framing Framings[] = {
    {"Smooth1", {"Smz"}},
    {"Wind1", {}},
    {"Invert1", {"Inv"}},
    {"Increase1", {"Inc"}},
    {"Reduce1", {"Rdc"}},
    {"Flood1", {"Sea= 12", "Fld"}},
    {"Lower1", {"Low"}, true, true, true},
    {"AddNoise1", {}},
    {"RightToLeft1", {"FRL"}},
    {"LeftToRight1", {"FLR"}},
    {"TopToBottom1", {"FTB"}},
    {"BottomToTop1", {"FBT"}},
    {"RotLeft1", {"RtL"}},
    {"RotRight1", {"RtR"}},
    {"Left1", {}, true, false},
    {"Right1", {}, true, false},
    {"Up1", {}, true, false},
    {"Down1", {}, true, false},
    {"Blend1", {}},
    {"Dome1", {}},
    {"Wall1", {}},
    {"Store1", {"Cpy"}, false, false},
    {"Retrieve1", {"Pst"}},
    {"Add1", {"Add"}, false},
    {"Merge1", {"Ave"}, false},
    {"MaxBlend1", {"Max"}, false},
    {"BlendMin1", {"Min"}, false},
    {"Subtract1", {"Sub"}, false},
};

using EffectFrames = tolvar::testing::EffectTest;

} // namespace

// Lines, hourglass, prologue and views of every item; with a bad box the
// lines are already written, the map is untouched, and only commands with a
// prologue fail. Copy and Combine neither read the boxes nor enable Undo.
TEST_F(EffectFrames, EachItemWritesItsLinesBeforeItsPrologue)
{
    logHistory();
    ui.texts[Box::ediSeaLevel] = " 12";
    for (const Framing& f : Framings) {
        std::vector<std::string> calls;
        if (f.busy)
            calls.push_back("busy on");
        if (f.begins)
            calls.push_back("new bitmap");
        if (f.refreshes)
            calls.insert(calls.end(), {"show frmMapDisplay", "show frm1st"});
        if (f.busy)
            calls.push_back("busy off");

        ui.history.clear();
        ui.calls.clear();
        ui.enabled["UndoZ1"] = false;
        click(f.item);
        EXPECT_EQ(ui.history, f.lines) << f.item;
        EXPECT_EQ(ui.calls, calls) << f.item;
        EXPECT_EQ(ui.enabled["UndoZ1"], f.begins) << f.item;

        ui.history.clear();
        ui.texts[Box::ediReal] = "x";
        const Grid before = map();
        if (f.begins)
            EXPECT_THAT([&] { click(f.item); }, ThrowsMessage<Error>(StrEq("'x' is not a valid floating point value")))
                << f.item;
        else
            click(f.item);
        EXPECT_EQ(ui.history, f.lines) << f.item;
        EXPECT_TRUE(!f.begins || map() == before) << f.item;
        ui.texts[Box::ediReal] = ".1";
    }
}
