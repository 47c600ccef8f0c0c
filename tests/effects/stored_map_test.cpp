#include "effect_test.h"

#include "core/map_commands.h"

#include <algorithm>

using namespace tolvar;
using tolvar::testing::fillIrregular;

using StoredMap = tolvar::testing::EffectTest;

// Cell (1, 1) holds 40000 on the map and 30000 stored, cell (1, 2) the reverse.
TEST_F(StoredMap, CombineMixesEachInUseCellWithTheStoredOne)
{
    fillIrregular(state().ClipMap, 2);
    map()(1, 1) = state().ClipMap(1, 2) = 40000;
    map()(1, 2) = state().ClipMap(1, 1) = 30000;
    const Grid old = map();
    const Grid& stored = state().ClipMap;
    const struct {
        const char* item;
        std::int64_t (*mix)(std::int64_t h, std::int64_t s);
        Height first, second;
    } combines[] = {
        {"Add1", [](std::int64_t h, std::int64_t s) { return h + s; }, 4464, 4464},
        {"Merge1", [](std::int64_t h, std::int64_t s) { return (h + s) / 2; }, 35000, 35000},
        {"MaxBlend1", [](std::int64_t h, std::int64_t s) { return std::max(h, s); }, 40000, 40000},
        {"BlendMin1", [](std::int64_t h, std::int64_t s) { return std::min(h, s); }, 30000, 30000},
        {"Subtract1", [](std::int64_t h, std::int64_t s) { return std::max<std::int64_t>(h - s, 0); }, 10000, 0},
    };
    for (const auto& combine : combines) {
        map() = old;
        click(combine.item);
        EXPECT_EQ(map()(1, 1), combine.first) << combine.item;
        EXPECT_EQ(map()(1, 2), combine.second) << combine.item;
        EXPECT_EQ(
            differenceFrom(modelled(old, 1, N, [&](int r, int c) { return combine.mix(old(r, c), stored(r, c)); })), "")
            << combine.item;
    }
}

TEST_F(StoredMap, UndoAfterCombineGoesBackBeforeTheLastOperation)
{
    const Grid old = map();
    EXPECT_FALSE(ui.enabled["Combine1"]);
    click("Store1");
    EXPECT_TRUE(ui.enabled["Combine1"]);
    click("Smooth1");
    click("Add1");
    Undo(frame);
    EXPECT_EQ(differenceFrom(old), "");
}

// Paste brings back only the in-use area and is itself undone.
TEST_F(StoredMap, PasteRestoresTheCopyAndUndoRestoresThePasteSource)
{
    click("Retrieve1");
    EXPECT_EQ(differenceFrom(modelled(map(), 1, N, [](int, int) { return 0; })), "") << "nothing copied yet";
    Undo(frame);
    const Grid old = map();
    click("Store1");
    click("Invert1");
    const Grid inverted = map();
    click("Retrieve1");
    EXPECT_EQ(differenceFrom(modelled(inverted, 1, N, [&](int r, int c) { return old(r, c); })), "");
    Undo(frame);
    EXPECT_EQ(differenceFrom(inverted), "");
}
