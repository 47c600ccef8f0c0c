#include "core/error.h"
#include "window_fixture.h"

#include <QSignalSpy>
#include <stdexcept>

namespace tolvar::testing {
namespace {

class CommandRunnerTest : public WindowTest {
protected:
    CommandRunner& runner() { return form().runner(); }
    int states() { return runner().states().stack().count(); }
    // Changes one cell and tells the document, as every writer does.
    static void setCell(Frame& frame, int row, int col, Height height)
    {
        frame.state().HeightMap(row, col) = height;
        frame.document().regionChanged({row, row, col, col});
    }
    // A command that changes one cell, as an operation does.
    static void writeCell(Frame& frame, int row, int col, Height height)
    {
        frame.BeginOperation();
        setCell(frame, row, col, height);
    }
};

// The outermost command alone makes the state, with its own name; a failed
// command shows its error and, having changed the map, is a state too; a
// cancelled one shows nothing; an empty name leaves the change to a later one.
TEST_F(CommandRunnerTest, OnlyTheOutermostCommandMakesAStateAndErrorsStillMakeOne)
{
    QSignalSpy recorded(&runner(), &CommandRunner::mapStateRecorded);
    const int before = states();
    runner().runInFrame(
        [this](Frame& frame) {
            writeCell(frame, 3, 7, 4117);
            runner().runInFrame([](Frame& inner) { setCell(inner, 200, 11, 913); }, "Inner");
        },
        "Outer");
    ASSERT_EQ(states(), before + 1);
    EXPECT_EQ(runner().states().stack().text(before), "Outer");
    EXPECT_EQ(recorded.count(), 1);

    runner().runInFrame([](Frame& frame) { setCell(frame, 9, 301, 65001); }, {});
    EXPECT_EQ(states(), before + 1);
    runner().runInFrame(
        [](Frame& frame) {
            // Stopped before it could report the cell.
            frame.state().HeightMap(41, 5) = 77;
            throw std::runtime_error("the disk is full");
        },
        "Broken");
    EXPECT_EQ(prompter.errors(), std::vector<std::string>{"the disk is full"});
    ASSERT_EQ(states(), before + 2);
    EXPECT_EQ(runner().states().stack().text(before + 1), "Broken");

    runner().runInFrame([](Frame&) { throw Cancelled(); }, "Cancelled");
    EXPECT_EQ(prompter.errors().size(), 1u);
    EXPECT_EQ(states(), before + 2);
}

// While a long run's progress dialog lives, a command from a resized window
// must not draw or record a map the run is still writing.
TEST_F(CommandRunnerTest, ALongRunHoldsOffOtherCommandsUntilItsProgressEnds)
{
    bool ran = false;
    {
        const auto progress = form().startProgress(12, "Erode", "Pass");
        EXPECT_TRUE(runner().inLongRun());
        runner().run([&ran] { ran = true; });
        EXPECT_FALSE(ran);
    }
    EXPECT_FALSE(runner().inLongRun());
    runner().run([&ran] { ran = true; });
    EXPECT_TRUE(ran);
}

} // namespace
} // namespace tolvar::testing
