#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/map_operation.h"
#include "session/map_states.h"

using namespace tolvar;

namespace {

class MapTransactionTest : public tolvar::testing::FrameTest {
protected:
    MapTransactionTest()
    {
        ui.texts[Box::cboHeight] = "3000"; // 300 x 300
        tolvar::testing::fillIrregular(map(), 5, 0x7FFF);
        // The map stands as the run starts.
        frame.document().mapReplaced();
        frame.transaction().commit();
    }

    // Adds to the cells of one rectangle, as an operation's rewrite does.
    void raise(const CellRect& cells, int by)
    {
        for (int r = cells.firstRow; r <= cells.lastRow; ++r)
            for (int c = cells.firstCol; c <= cells.lastCol; ++c)
                map()(r, c) = static_cast<Height>(map()(r, c) + by + r * c % 7);
    }

    MapStates states{frame.transaction(), [] {}};
};

// A replayed session runs several operations in one state: stepping back
// from it gives the map before the first of them, though each one's
// BeginOperation took the Undo snapshot anew. A Cancel of a later one puts
// back the map and the Undo snapshot as they stood before it began.
TEST_F(MapTransactionTest, OperationsOfOneStateComposeAndACancelRevertsTheLastOnly)
{
    const Grid start = map();
    frame.BeginOperation();
    raise({10, 20, 250, 290}, 40);
    frame.document().regionChanged({10, 20, 250, 290});
    const Grid afterFirst = map();

    frame.BeginOperation();
    raise({200, 300, 3, 9}, 1000);
    frame.document().regionChanged({200, 300, 3, 9});
    const Grid afterSecond = map();
    const Grid undoOfSecond = state().UndoMap;
    EXPECT_EQ(undoOfSecond(15, 260), afterFirst(15, 260));

    // Stopped after writing cells it never reported.
    EXPECT_THROW(BusyRewriteMap(frame, {}, [this](AppState&) {
                     raise({1, 300, 1, 300}, 3);
                     throw Cancelled();
                 }),
                 Cancelled);
    EXPECT_EQ(map(), afterSecond);
    EXPECT_EQ(state().UndoMap, undoOfSecond);

    ASSERT_TRUE(states.record("Rerun"));
    EXPECT_EQ(states.stack().count(), 1);
    states.stack().undo();
    EXPECT_EQ(map(), start);
    states.stack().redo();
    EXPECT_EQ(map(), afterSecond);
    EXPECT_FALSE(states.record("Nothing since"));
}

} // namespace
