#pragma once

#include "sculpt/stroke.h"

#include <memory>
#include <string>
#include <string_view>

namespace tolvar {

class Frame;

// A stroke is one operation. The press begins it in the frame (the undo
// snapshot is taken here, once) and lands the first dab; the settings are
// read before, so a refused one changes nothing.
std::unique_ptr<Stroke> StartStroke(Frame& frame, const BrushSettings& settings, PathPoint press);

// The release: the stroke's history line and the refresh of the views that
// did not follow its dabs.
void FinishStroke(Frame& frame, const Stroke& stroke);

// The stroke's name among the states of the map: "Raise stroke, radius 16".
std::string StrokeStateName(const BrushSettings& settings);

// A "Brs=" line of the session history, given the text after "Brs=": the
// stroke again on the map as it stands, point for point, without an undo
// snapshot of its own, as a replayed circle.
void ReplayStroke(Frame& frame, std::string_view arguments);

} // namespace tolvar
