#pragma once

namespace tolvar {

class Frame;

// Effects > Meteors and Effects > Volcanic > Plateau: 5 to 10 impacts at
// random centres at least 15 cells inside the map, under the busy cursor.

// Contour: a crater of radius 0..14 dug into the ground as it is.
void Meteor1Click(Frame& frame);
// Level: the disc (radius 5..19) is levelled to its mean, then dug.
void LevelMeteor1Click(Frame& frame);
// Ridged: as Level, then a ridge of circles is stamped around the crater.
void MeteorExplosive1Click(Frame& frame);
// Plateau: discs of radius 0..14 levelled to their mean.
void Plateaus1Click(Frame& frame);

// Angled: one meteor skipping across the map, 15 levelled craters of radius
// 1 to 15 along a jittered heading; no busy cursor.
void Angled1Click(Frame& frame);

} // namespace tolvar
