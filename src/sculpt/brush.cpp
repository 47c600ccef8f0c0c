#include "sculpt/brush.h"

#include "core/error.h"
#include "core/number_text.h"

#include <string>

namespace tolvar {
namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::int32_t readInRange(std::string_view text, const char* name, std::int32_t lowest, std::int32_t highest)
{
    const std::int32_t value = StrToInt(text);
    if (value < lowest || value > highest)
        throw Error(formatMessage("'%s' is not a valid " + std::string(name) + ": it takes " + IntToStr(lowest) +
                                      " to " + IntToStr(highest),
                                  std::string(text)));
    return value;
}

} // namespace

std::string_view BrushName(BrushKind kind)
{
    return BrushNames[static_cast<std::size_t>(kind)].second;
}

std::optional<BrushKind> BrushNamed(std::string_view name)
{
    for (const auto& [kind, shown] : BrushNames)
        if (sameLetters(shown, name))
            return kind;
    return std::nullopt;
}

BrushSettings ReadBrushSettings(std::string_view brush, std::string_view radius, std::string_view strength,
                                std::string_view hardness, std::string_view target)
{
    const std::optional<BrushKind> kind = BrushNamed(brush);
    if (!kind)
        throw Error(formatMessage("'%s' is not a brush", std::string(brush)));
    return {*kind, readInRange(radius, "radius", 1, 128), readInRange(strength, "strength", 1, 100),
            readInRange(hardness, "hardness", 0, 100), readInRange(target, "target height", 0, 65535)};
}

double BrushWeight(double distance, const BrushSettings& settings)
{
    const double d = distance / settings.radius;
    const double hard = settings.hardness / 100.0;
    if (d > 1.0)
        return 0.0;
    if (d <= hard)
        return 1.0;
    // A smoothstep: no kink at either end, and only + - x /, which round
    // alike on every machine, so a stroke line replays to the same heights.
    const double s = (d - hard) / (1.0 - hard);
    return 1.0 - s * s * (3.0 - 2.0 * s);
}

} // namespace tolvar
