#include "frame_fixture.h"
#include "irregular_map.h"

#include "core/map_commands.h"
#include "sculpt/stroke_commands.h"
#include "session/replay_session.h"

using namespace tolvar;
using tolvar::testing::fillIrregular;

namespace {

class StrokeCommandTest : public tolvar::testing::FrameTest {
protected:
    StrokeCommandTest()
    {
        logHistory();
        fillIrregular(map(), 5, 0x7FFF);
    }

    // A stroke as the window draws one: press, moves, release.
    void draw(const BrushSettings& settings, const std::vector<PathPoint>& path)
    {
        const auto stroke = StartStroke(frame, settings, path.front());
        for (std::size_t i = 1; i < path.size(); ++i)
            stroke->moveTo(path[i]);
        FinishStroke(frame, *stroke);
    }
};

} // namespace

// A stroke is one operation: one line, one undo step back to the press; and
// the rerun of its lines gives the same map bit for bit.
TEST_F(StrokeCommandTest, UndoesAsOneOperationAndReplaysExactly)
{
    const Grid before = map();
    draw({BrushKind::Raise, 9, 35, 20, 0}, {PathPointAt(20.37, 30.5), PathPointAt(60.01, 33), PathPointAt(61, 90.99)});
    const Grid raised = map();
    draw({BrushKind::Ramp, 5, 80, 70, 0}, {PathPointAt(100, 10), PathPointAt(3.3, 120), PathPointAt(40, 100.25)});
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Brs=Raise,9,35,20,0,20.37,30.5;60.01,33;61,90.99",
                                                    "Brs=Ramp,5,80,70,0,100,10;40,100.25"}));
    const Grid after = map();

    Undo(frame);
    EXPECT_TRUE(map() == raised && raised != before && raised != after);

    map() = before;
    ReplaySession(frame);
    EXPECT_TRUE(map() == after);
    EXPECT_EQ(ui.history.size(), 2U);
}
