#pragma once

#include "sculpt/brush.h"
#include "sculpt/stroke.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

// A stroke as its history line holds it.
struct StrokeRecord {
    BrushSettings settings;
    std::vector<PathPoint> path;

    bool operator==(const StrokeRecord&) const = default;
};

// "Brs=" then the brush, radius, strength, hardness and target, then the
// path as row,column pairs with at most two decimals, joined by ";":
// "Brs=Raise,16,50,50,1000,120.5,33;121.25,34".
std::string StrokeLine(const StrokeRecord& stroke);

// The record of the text after "Brs=", in any case. A field that is missing,
// no number, out of range or a point with more than two decimals throws an
// Error that names it.
StrokeRecord ParseStrokeLine(std::string_view arguments);

} // namespace tolvar
