#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tolvar {

enum class BrushKind { Raise, Lower, Smooth, Flatten, SetHeight, Ramp };

// The brushes in the order the tool bar lists them, by the names it shows
// and a stroke line writes.
inline constexpr std::array<std::pair<BrushKind, std::string_view>, 6> BrushNames{{
    {BrushKind::Raise, "Raise"},
    {BrushKind::Lower, "Lower"},
    {BrushKind::Smooth, "Smooth"},
    {BrushKind::Flatten, "Flatten"},
    {BrushKind::SetHeight, "Set Height"},
    {BrushKind::Ramp, "Ramp"},
}};

std::string_view BrushName(BrushKind kind);
// The brush of a name, in any case.
std::optional<BrushKind> BrushNamed(std::string_view name);

struct BrushSettings {
    BrushKind kind = BrushKind::Raise;
    // In cells.
    std::int32_t radius = 16;
    // In per cent.
    std::int32_t strength = 50;
    std::int32_t hardness = 50;
    // The height Set Height moves cells toward.
    std::int32_t target = 1000;

    bool operator==(const BrushSettings&) const = default;
};

// How far Raise and Lower move a cell in one stroke at Strength 100.
inline constexpr double RaiseStep = 1000.0;

// The settings from the texts of the brush boxes. A value that is no number
// or out of range throws an Error that names it.
BrushSettings ReadBrushSettings(std::string_view brush, std::string_view radius, std::string_view strength,
                                std::string_view hardness, std::string_view target);

// The share of a dab's pull on a cell `distance` cells from its centre: full
// within hardness x radius, then easing to nothing at the rim, and nothing
// beyond it. At Hardness 100 the dab is a flat-topped disc.
double BrushWeight(double distance, const BrushSettings& settings);

} // namespace tolvar
