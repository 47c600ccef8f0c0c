#include "effect_model.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/effect_commands.h"

#include <algorithm>
#include <set>
#include <string_view>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

class SeededCommands : public FrameTest {
protected:
    SeededCommands() { logHistory(); }

    // Runs the menu item on an irregular map from the seed, and the model
    // beside it on the same map, size and Steepness.
    EffectModel run(std::string_view item, const char* size, std::int32_t steepness, std::uint32_t seed)
    {
        ui.texts[Box::cboHeight] = size;
        ui.texts[Box::cboSteep] = std::to_string(steepness);
        ui.history.clear();
        ui.calls.clear();
        EffectModel model;
        model.side = 2 * (std::stoi(size) / 20);
        model.steepness = steepness;
        model.seed = seed;
        fillIrregular(model.map, seed);
        map() = model.map;
        state().random.RandomSeed = seed;
        const auto table = EffectCommands();
        std::find_if(table.begin(), table.end(), [&](const Command& c) { return c.item == item; })->run(frame);
        return model;
    }
    void expectModel(const EffectModel& model, bool busy)
    {
        EXPECT_EQ(map(), model.map);
        EXPECT_EQ(ui.history, model.lines);
        EXPECT_EQ(state().random.RandomSeed, model.seed);
        EXPECT_EQ(std::count(ui.calls.begin(), ui.calls.end(), "busy on"), busy ? 1 : 0);
        EXPECT_EQ(ui.busy, false);
    }
};

} // namespace

// Small maps draw their centres with a bound of 0 or less ("300", "200"); on
// the 20-row map the first centre row wraps past the 32-bit maximum.
TEST_F(SeededCommands, EachCommandMatchesThePlainModelOnIrregularMaps)
{
    struct Case {
        const char* item;
        void (*model)(EffectModel&);
        const char* size;
        std::int32_t steepness;
        std::uint32_t seed;
        bool busy;
    };
    const Case cases[] = {
        {"Meteor1", [](EffectModel& m) { m.shower(0); }, "1280", 3, 7, true},
        {"Meteor1", [](EffectModel& m) { m.shower(0); }, "200", 1, 3082427965u, true},
        {"LevelMeteor1", [](EffectModel& m) { m.shower(1); }, "2560", 2, 11, true},
        {"MeteorExplosive1", [](EffectModel& m) { m.shower(2); }, "1280", 1, 3, true},
        {"Plateaus1", [](EffectModel& m) { m.shower(3); }, "1280", 1, 8, true},
        {"Plateaus1", [](EffectModel& m) { m.shower(3); }, "300", 1, 9, true},
        {"Angled1", [](EffectModel& m) { m.angled(); }, "1280", 4, 9, false},
        {"Angled1", [](EffectModel& m) { m.angled(); }, "1280", 1, 123456, false},
        {"Volcano1", [](EffectModel& m) { m.volcano(); }, "1280", 2, 7, false},
        {"Volcano1", [](EffectModel& m) { m.volcano(); }, "3840", -1, 99, false},
        {"Canyon1", [](EffectModel& m) { m.walk(3); }, "1280", 1, 23, false},
        {"River1", [](EffectModel& m) { m.walk(1); }, "1280", 2, 22, false},
        {"RiverLevel1", [](EffectModel& m) { m.walk(2); }, "2560", 1, 23, false},
        {"RiverLevel1", [](EffectModel& m) { m.walk(2); }, "1280", 1, 32, false},
    };
    for (const Case& c : cases) {
        EffectModel model = run(c.item, c.size, c.steepness, c.seed);
        c.model(model);
        SCOPED_TRACE(std::string(c.item) + " seed " + std::to_string(c.seed));
        expectModel(model, c.busy);
    }
}

// The four ways a fault can lie, and cells on the line itself never raised.
TEST_F(SeededCommands, EarthquakesOfEveryOrientationMatchThePlainModel)
{
    std::set<int> orientations;
    for (const std::uint32_t seed : {1u, 4u, 400u, 2000u}) {
        EffectModel model = run("Earthquake1", "1280", 5, seed);
        orientations.insert(model.earthquake());
        expectModel(model, false);
    }
    EXPECT_EQ(orientations.size(), 4u);
}

TEST_F(SeededCommands, RidgedMeteorsWrite183LinesEach)
{
    run("MeteorExplosive1", "1280", 1, 40);
    const auto craters = std::count_if(ui.history.begin(), ui.history.end(), [](const std::string& line) {
        return line.starts_with("Mtr=");
    });
    EXPECT_GE(craters, 5);
    EXPECT_EQ(ui.history.size(), static_cast<std::size_t>(183 * craters));
}

TEST_F(SeededCommands, WithSteepnessZeroVolcanoAndEarthquakeChangeNothing)
{
    const Grid start = run("Volcano1", "1280", 0, 31).map;
    EXPECT_EQ(map(), start);
    EXPECT_EQ(ui.history.size(), 254u);
    EXPECT_TRUE(std::all_of(ui.history.begin(), ui.history.end(), [](auto& l) { return l.starts_with("Crc="); }));
    EXPECT_EQ(run("Earthquake1", "1280", 0, 31).map, map());
}

// A step of 0 on both axes strikes the same place again, lines and all.
TEST_F(SeededCommands, ARiverThatDoesNotMoveStrikesTwice)
{
    EffectModel model = run("River1", "1280", 1, 29);
    model.walk(1);
    expectModel(model, false);
    EXPECT_NE(std::adjacent_find(ui.history.begin(), ui.history.end()), ui.history.end());
}
