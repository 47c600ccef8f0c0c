#include "irregular_map.h"

#include "session/map_states.h"
#include "session/tile_delta.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tolvar;
using tolvar::testing::fillIrregular;

namespace {

// A fresh map of 512 x 512 and its states; each change() is one operation.
class MapStatesTest : public ::testing::Test {
protected:
    MapStatesTest()
    {
        fillIrregular(state.HeightMap, 1);
        state.MapRows = state.MapCols = 512;
        // The map stands as the run starts.
        document.mapReplaced();
        transaction.commit();
        states = std::make_unique<MapStates>(transaction, [this] { ++steps; });
    }

    // Changes one cell, or every cell of the grid, and records a state.
    void change(int n, bool everyCell = false)
    {
        if (everyCell) {
            fillIrregular(state.HeightMap, static_cast<std::uint32_t>(n + 100));
            document.mapReplaced();
        } else {
            const int row = 1 + n % 500, col = 3 + n / 500;
            state.HeightMap(row, col) += static_cast<Height>(n + 1);
            document.regionChanged({row, row, col, col});
        }
        maps.push_back(state.HeightMap);
        ASSERT_TRUE(states->record("Change"));
    }
    QUndoStack& stack() { return states->stack(); }

    AppState state;
    MapDocument document{state};
    MapTransaction transaction{document};
    std::unique_ptr<MapStates> states;
    std::vector<Grid> maps; // the map after each change
    int steps = 0;
};

TEST_F(MapStatesTest, StepsBackToTheStartAndForwardToTheEnd)
{
    const Grid start = state.HeightMap;
    change(0, true);
    change(1);
    state.HeightMap(513, 0) = 9; // the border, in a short tile
    state.HeightMap(200, 300) ^= 0x8000;
    document.regionChanged({513, 513, 0, 0});
    document.regionChanged({200, 200, 300, 300});
    maps.push_back(state.HeightMap);
    ASSERT_TRUE(states->record("Two tiles"));
    EXPECT_FALSE(states->record("Nothing changed"));
    EXPECT_EQ(states->positionText(), "Step 4 of 4");

    for (int i = 2; i >= 0; --i) {
        stack().undo();
        EXPECT_EQ(state.HeightMap, i > 0 ? maps[static_cast<std::size_t>(i - 1)] : start) << i;
    }
    EXPECT_EQ(states->positionText(), "Step 1 of 4");
    EXPECT_FALSE(stack().canUndo());
    stack().setIndex(3);
    EXPECT_EQ(state.HeightMap, maps[2]);
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(stack().text(2), "Two tiles");
}

TEST_F(MapStatesTest, TilesAreSixtyFourCellsSquareAndCutAtTheGridsEdge)
{
    Grid after = state.HeightMap;
    after(63, 63) += 1;  // tile (0, 0)
    after(64, 64) += 1;  // tile (1, 1)
    after(513, 513) += 1; // tile (8, 8): 2 x 2 cells
    const TileDelta delta = TileDelta::Between(state.HeightMap, after);
    EXPECT_EQ(delta.tileCount(), 3u);
    EXPECT_EQ(delta.bytes(), (64 * 64 * 2 + 2 * 2) * 2 * sizeof(Height));
    Grid grid = state.HeightMap;
    delta.applyAfter(grid);
    EXPECT_EQ(grid, after);
    delta.applyBefore(grid);
    EXPECT_EQ(grid, state.HeightMap);
}

TEST_F(MapStatesTest, ANewStateAfterSteppingBackDropsTheStatesAhead)
{
    for (int i = 0; i < 3; ++i)
        change(i);
    stack().undo();
    stack().undo();
    change(7);
    EXPECT_EQ(stack().count(), 2);
    EXPECT_FALSE(stack().canRedo());
    stack().undo();
    EXPECT_EQ(state.HeightMap, maps[0]);
}

// 120 small changes keep the last 100; whole-map changes of 514 x 514 cells
// before and after take 1056784 bytes each, so 64 MiB hold 63 of them.
TEST_F(MapStatesTest, KeepsAtMostAHundredStatesAndSixtyFourMebibytes)
{
    const struct {
        bool everyCell;
        int kept;
    } cases[] = {{false, 100}, {true, 63}};
    for (const auto& c : cases) {
        states = std::make_unique<MapStates>(transaction, [] {});
        maps.clear();
        for (int i = 0; i < 120; ++i)
            change(i, c.everyCell);
        EXPECT_EQ(stack().count(), c.kept);
        EXPECT_LE(states->bytes(), MapStates::ByteLimit);
        while (stack().canUndo())
            stack().undo();
        EXPECT_EQ(state.HeightMap, maps[static_cast<std::size_t>(119 - c.kept)]) << c.kept;
        stack().setIndex(stack().count());
        EXPECT_EQ(state.HeightMap, maps.back());
    }
}

} // namespace
