#include "effects/game_materials.h"

#include "core/error.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace tolvar {
namespace {

// Heights in 0.1 m units, cells 10 m apart: a rise of 100 units a cell is 45 degrees.
constexpr double UnitsPerCellAt45 = 100;

[[noreturn]] void refuse(std::string_view part, const std::string& why)
{
    throw Error("Material bands: '" + std::string(part) + "' " + why);
}

int numberIn(std::string_view part, std::string_view text, int lowest, int highest, const std::string& what)
{
    int value = 0;
    try {
        value = StrToInt(text);
    } catch (const Error&) {
        refuse(part, "is not HEIGHT:MATERIAL");
    }
    if (value < lowest || value > highest)
        refuse(part, "has a " + what + " outside " + IntToStr(lowest) + " to " + IntToStr(highest));
    return value;
}

MaterialBand parseBand(std::string_view part)
{
    const auto colon = part.find(':');
    if (colon == std::string_view::npos)
        refuse(part, "is not HEIGHT:MATERIAL");
    return {numberIn(part, part.substr(0, colon), 0, GameHeightLimit, "height"),
            numberIn(part, part.substr(colon + 1), 0, MaterialCount - 1, "material")};
}

int bandMaterial(const std::vector<MaterialBand>& bands, double height)
{
    const MaterialBand* reached = &*std::min_element(
        bands.begin(), bands.end(), [](const auto& a, const auto& b) { return a.height < b.height; });
    for (const MaterialBand& band : bands)
        if (band.height <= height && band.height >= reached->height)
            reached = &band;
    return reached->material;
}


} // namespace

std::vector<MaterialBand> ParseMaterialBands(std::string_view text)
{
    std::vector<MaterialBand> bands;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == '\t') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        bands.push_back(parseBand(text.substr(at, end - at)));
        at = end;
    }
    if (bands.empty())
        throw Error("Material bands: the text holds no HEIGHT:MATERIAL band");
    return bands;
}

namespace {

// Two cells side by side or one above the other, among the 3 x 3 cells from
// (r, c), that differ by more than `steepest` units.
bool hasCliff(const Grid& heights, int side, int r, int c, double steepest)
{
    const int lastRow = std::min(side, r + 2), lastCol = std::min(side, c + 2);
    const auto steep = [&](int r1, int c1, int r2, int c2) {
        return std::abs(heights(r1, c1) - heights(r2, c2)) > steepest;
    };
    for (int row = r; row <= lastRow; ++row)
        for (int col = c; col <= lastCol; ++col)
            if ((row < lastRow && steep(row, col, row + 1, col)) || (col < lastCol && steep(row, col, row, col + 1)))
                return true;
    return false;
}

} // namespace

std::vector<std::uint8_t> PaintMaterials(const Grid& heights, int side, const MaterialRules& rules)
{
    const int tiles = side / 2;
    const double steepest = UnitsPerCellAt45 * std::tan(rules.cliffSlope * std::numbers::pi / 180);
    std::vector<std::uint8_t> materials(static_cast<std::size_t>(tiles) * static_cast<std::size_t>(tiles));
    for (int i = 0; i < tiles; ++i)
        for (int j = 0; j < tiles; ++j) {
            const int r = 2 * i + 1, c = 2 * j + 1;
            const double mean = (heights(r, c) + heights(r, c + 1) + heights(r + 1, c) + heights(r + 1, c + 1)) / 4.0;
            const bool cliff = hasCliff(heights, side, r, c, steepest);
            materials[static_cast<std::size_t>(i) * static_cast<std::size_t>(tiles) + static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>(cliff ? rules.cliffMaterial : bandMaterial(rules.bands, mean));
        }
    return materials;
}

std::uint16_t SolidTileEntry(int material, int tileRow, int tileCol)
{
    std::uint32_t h = static_cast<std::uint32_t>(tileRow) * 2654435761u ^ static_cast<std::uint32_t>(tileCol) * 40503u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    return static_cast<std::uint16_t>((h & 3u) | static_cast<unsigned>(material) << 8 | static_cast<unsigned>(material) << 12);
}

} // namespace tolvar
