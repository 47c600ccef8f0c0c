#include "effects/effect_commands.h"

#include "effects/boundary.h"
#include "effects/earthquake.h"
#include "effects/height_filters.h"
#include "effects/rain_rivers.h"
#include "effects/reflect_rotate.h"
#include "effects/river_walk.h"
#include "effects/shift_map.h"
#include "effects/showers.h"
#include "effects/stored_map.h"
#include "effects/thermal.h"
#include "effects/tile.h"
#include "effects/volcano.h"

namespace tolvar {

CommandTable EffectCommands()
{
    static constexpr Command table[] = {
        {"Smooth1", Smooth1Click},
        {"Wind1", Wind1Click},
        {"Thermal1", Thermal1Click},
        {"RainRivers1", RainRivers1Click},
        {"Invert1", Invert1Click},
        {"Increase1", Increase1Click},
        {"Reduce1", Reduce1Click},
        {"Flood1", Flood1Click},
        {"Lower1", Lower1Click},
        {"AddNoise1", AddNoise1Click},
        {"RightToLeft1", FoldRLVertical1Click},
        {"LeftToRight1", FoldLRVertical1Click},
        {"TopToBottom1", FoldTBHorizontal1Click},
        {"BottomToTop1", FoldBTHorizontal1Click},
        {"RotLeft1", RotLeft1Click},
        {"RotRight1", RotRight1Click},
        {"Rotate2", Rotate2Click},
        {"BottomToTop2", BottomToTop2Click},
        {"TopToBottom2", TopToBottom2Click},
        {"LeftToRight2", LeftToRight2Click},
        {"RightToLeft2", RightToLeft2Click},
        {"N1", N1Click},
        {"Left1", Left1Click},
        {"Right1", Right1Click},
        {"Up1", Up1Click},
        {"Down1", Down1Click},
        {"Blend1", Blend1Click},
        {"Dome1", Dome1Click},
        {"Wall1", Wall1Click},
        {"Store1", Store1Click},
        {"Retrieve1", Retrieve1Click},
        {"Add1", Add1Click},
        {"Merge1", BlendAve1Click},
        {"MaxBlend1", MaxBlend1Click},
        {"BlendMin1", BlendMin1Click},
        {"Subtract1", Subtract1Click},
        {"Meteor1", Meteor1Click},
        {"LevelMeteor1", LevelMeteor1Click},
        {"MeteorExplosive1", MeteorExplosive1Click},
        {"Angled1", Angled1Click},
        {"Volcano1", Volcano1Click},
        {"Earthquake1", Earthquake1Click},
        {"EarthQuake2", EarthQuake2Click},
        {"Plateaus1", Plateaus1Click},
        {"Canyon1", Canyon1Click},
        {"River1", River1Click},
        {"RiverLevel1", RiverLevel1Click},
    };
    return table;
}

} // namespace tolvar
