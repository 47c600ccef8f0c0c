#include "effect_model.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/effect_commands.h"

#include <algorithm>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

class SeededCommands : public FrameTest {
protected:
    SeededCommands() { logHistory(); }

    // Runs the item and the model from the same irregular map, size, Steepness and seed.
    EffectModel run(std::string_view item, const char* size, std::int32_t steepness, std::uint32_t seed)
    {
        ui.texts[Box::cboHeight] = size;
        ui.texts[Box::cboSteep] = std::to_string(steepness);
        ui.history.clear();
        ui.calls.clear();
        EffectModel model(2 * (std::stoi(size) / 20), steepness, seed);
        fillIrregular(model.map, seed);
        map() = model.map;
        state().random.RandomSeed = seed;
        const auto table = EffectCommands();
        const auto command = std::find_if(table.begin(), table.end(), [&](auto& c) { return c.item == item; });
        EXPECT_NE(command, table.end()) << item;
        command->run(frame);
        return model;
    }
};

} // namespace

// Small maps draw centres with a bound of 0 or less ("300", "200"); on the
// 20-row map the first centre row wraps past the 32-bit maximum. Seeds 1, 4,
// 400 and 2000 give the four ways an earthquake's fault can lie.
TEST_F(SeededCommands, EachCommandMatchesThePlainModelOnIrregularMaps)
{
    struct Case {
        const char* item;
        const char* size;
        std::int32_t steepness;
        std::uint32_t seed;
    };
    for (const auto& [item, size, steepness, seed] :
         {Case{"Meteor1", "1280", 3, 7}, Case{"Meteor1", "200", 1, 3082427965u}, Case{"LevelMeteor1", "2560", 2, 11},
          Case{"MeteorExplosive1", "1280", 1, 3}, Case{"Plateaus1", "1280", 1, 8}, Case{"Plateaus1", "300", 1, 9},
          Case{"Angled1", "1280", 4, 9}, Case{"Angled1", "1280", 1, 123456}, Case{"Volcano1", "1280", 2, 7},
          Case{"Volcano1", "3840", -1, 99}, Case{"Earthquake1", "1280", 5, 1}, Case{"Earthquake1", "1280", 5, 4},
          Case{"Earthquake1", "1280", 5, 400}, Case{"Earthquake1", "1280", -3, 2000}, Case{"Canyon1", "1280", 1, 23},
          Case{"River1", "1280", 2, 22}, Case{"RiverLevel1", "2560", 1, 23}, Case{"RiverLevel1", "1280", 1, 32}}) {
        EffectModel model = run(item, size, steepness, seed);
        model.run(item);
        SCOPED_TRACE(std::string(item) + " seed " + std::to_string(seed));
        EXPECT_EQ(map(), model.map);
        EXPECT_EQ(ui.history, model.lines);
        EXPECT_EQ(state().random.RandomSeed, model.seed);
        const bool shower =
            std::string_view("Meteor1 LevelMeteor1 MeteorExplosive1 Plateaus1").find(item) != std::string_view::npos;
        EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "busy on"), shower ? 1 : 0);
        EXPECT_FALSE(ui.busy);
    }
}

TEST_F(SeededCommands, RidgedMeteorsWrite183LinesEach)
{
    run("MeteorExplosive1", "1280", 1, 40);
    const auto craters =
        std::count_if(ui.history.begin(), ui.history.end(), [](auto& l) { return l.starts_with("Mtr="); });
    EXPECT_GE(craters, 5);
    EXPECT_EQ(ui.history.size(), static_cast<std::size_t>(183 * craters));
}

TEST_F(SeededCommands, WithSteepnessZeroVolcanoAndEarthquakeChangeNothing)
{
    EXPECT_EQ(run("Volcano1", "1280", 0, 31).map, map());
    EXPECT_EQ(ui.history.size(), 254u);
    EXPECT_TRUE(std::all_of(ui.history.begin(), ui.history.end(), [](auto& l) { return l.starts_with("Crc="); }));
    EXPECT_EQ(run("Earthquake1", "1280", 0, 31).map, map());
}

// A step of 0 on both axes strikes the same place again, lines and all.
TEST_F(SeededCommands, ARiverThatDoesNotMoveStrikesTwice)
{
    EffectModel model = run("River1", "1280", 1, 29);
    model.walk(1);
    EXPECT_EQ(ui.history, model.lines);
    EXPECT_NE(std::adjacent_find(ui.history.begin(), ui.history.end()), ui.history.end());
}
