#include "effects/effect_commands.h"

#include "effects/earthquake.h"
#include "effects/river_walk.h"
#include "effects/showers.h"
#include "effects/volcano.h"

namespace tolvar {

CommandTable EffectCommands()
{
    static constexpr Command table[] = {
        {"Meteor1", ContourMeteors},
        {"LevelMeteor1", LevelMeteors},
        {"MeteorExplosive1", RidgedMeteors},
        {"Angled1", AngledMeteor},
        {"Volcano1", Volcano},
        {"Earthquake1", Earthquake},
        {"Plateaus1", Plateaus},
        {"Canyon1", Canyon},
        {"River1", ContourRiver},
        {"RiverLevel1", LevelRiver},
    };
    return table;
}

} // namespace tolvar
