#pragma once

#include "core/ui_port.h"

#include <array>
#include <optional>
#include <string_view>

namespace tolvar {

struct BoxInfo {
    Box box;
    std::string_view name;
    std::string_view defaultText;
};

// The parameter boxes with their design names and start-up texts.
inline constexpr std::array<BoxInfo, 10> Boxes{{
    {Box::cboHeight, "cboHeight", "1280"},
    {Box::ediIterations, "ediIterations", "1000"},
    {Box::cboMagnify, "cboMagnify", "0.1"},
    {Box::cboSteep, "cboSteep", "1"},
    {Box::ediReal, "ediReal", ".1"},
    {Box::ediImaginary, "ediImaginary", "-.692"},
    {Box::cboDistort, "cboDistort", "1"},
    {Box::ediRandSeed, "ediRandSeed", "0"},
    {Box::ediSeaLevel, "ediSeaLevel", "0"},
    {Box::ediShift, "ediShift", "0"},
}};

constexpr const BoxInfo& boxInfo(Box box) { return Boxes[static_cast<std::size_t>(box)]; }

constexpr std::optional<Box> boxNamed(std::string_view name)
{
    for (const BoxInfo& info : Boxes)
        if (info.name == name)
            return info.box;
    return std::nullopt;
}

} // namespace tolvar
