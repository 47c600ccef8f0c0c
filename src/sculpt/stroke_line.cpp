#include "sculpt/stroke_line.h"

#include "core/error.h"
#include "core/number_text.h"

#include <cstdlib>

namespace tolvar {
namespace {

std::string cellsText(std::int32_t hundredths)
{
    const std::int32_t whole = std::abs(hundredths) / 100, part = std::abs(hundredths) % 100;
    std::string text = (hundredths < 0 ? "-" : "") + IntToStr(whole);
    if (part != 0) {
        text += '.';
        text += static_cast<char>('0' + part / 10);
        if (part % 10 != 0)
            text += static_cast<char>('0' + part % 10);
    }
    return text;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void badPoint(std::string_view text)
{
    throw Error(formatMessage("'%s' is not a valid stroke point: a row or column in cells, with at most two decimals",
                              std::string(text)));
}

// "-12.25" as -1225 hundredths.
std::int32_t readCells(std::string_view field)
{
    const std::string_view text = trimmed(field);
    std::string_view rest = text;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative)
        rest.remove_prefix(1);
    const std::size_t dot = rest.find('.');
    const std::string_view whole = rest.substr(0, dot);
    const std::string_view part = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
    const auto digits = [](std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; };
    if (whole.empty() || whole.size() > 5 || !digits(whole) || part.size() > 2 || !digits(part) ||
        (dot != std::string_view::npos && part.empty()))
        badPoint(field);
    std::int32_t value = 0;
    for (const char c : whole)
        value = value * 10 + (c - '0');
    value *= 100;
    if (!part.empty())
        value += (part[0] - '0') * 10 + (part.size() > 1 ? part[1] - '0' : 0);
    if (value > FarthestHundredths)
        badPoint(field);
    return negative ? -value : value;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(separator, at);
        parts.push_back(text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos)
            return parts;
        at = next + 1;
    }
}

} // namespace

std::string StrokeLine(const StrokeRecord& stroke)
{
    const BrushSettings& s = stroke.settings;
    std::string line = "Brs=" + std::string(BrushName(s.kind)) + ',' + IntToStr(s.radius) + ',' + IntToStr(s.strength) +
                       ',' + IntToStr(s.hardness) + ',' + IntToStr(s.target);
    char separator = ',';
    for (const PathPoint& point : stroke.path) {
        line += separator + cellsText(point.row) + ',' + cellsText(point.col);
        separator = ';';
    }
    return line;
}

StrokeRecord ParseStrokeLine(std::string_view arguments)
{
    std::vector<std::string_view> fields = split(arguments, ',');
    constexpr std::size_t SettingFields = 5;
    if (fields.size() < SettingFields + 2)
        throw Error(formatMessage("'%s' is not a valid stroke: it takes the brush, radius, strength, hardness, "
                                  "target and at least one row,column point",
                                  std::string(arguments)));
    StrokeRecord record;
    record.settings = ReadBrushSettings(trimmed(fields[0]), fields[1], fields[2], fields[3], fields[4]);
    const std::size_t pathStart = fields[SettingFields].data() - arguments.data();
    for (const std::string_view point : split(arguments.substr(pathStart), ';')) {
        const std::vector<std::string_view> cells = split(point, ',');
        if (cells.size() != 2)
            badPoint(point);
        record.path.push_back({readCells(cells[0]), readCells(cells[1])});
    }
    return record;
}

} // namespace tolvar
