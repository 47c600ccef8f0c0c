#include "formats/game_terrain_files.h"

#include "effects/game_materials.h"
#include "formats/zone_layout.h"

#include <QFileInfo>
#include <algorithm>
#include <cassert>

namespace tolvar {
namespace {

constexpr Height GameHeightBits = 0x0FFF;

std::size_t mapIndex(int r, int c, int side)
{
    return static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(side) + static_cast<std::size_t>(c - 1);
}

} // namespace

std::int64_t ZoneCount(int side)
{
    return std::int64_t{side / ZoneCells} * (side / ZoneCells);
}

std::int64_t LightFileBytes(int side)
{
    return ZoneCount(side) * ZoneCells * ZoneCells;
}

std::int64_t MaterialFileBytes(int side)
{
    return ZoneCount(side) * MaterialZoneSide * MaterialZoneSide * 2;
}

std::unique_ptr<Grid> GameHeights(const Grid& map, int side, Height ceiling)
{
    auto heights = std::make_unique<Grid>();
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            (*heights)(r, c) = static_cast<Height>(std::min(map(r, c), ceiling) & GameHeightBits);
    return heights;
}

std::vector<std::uint8_t> EncodeLightFile(std::span<const std::uint8_t> light, int side)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(LightFileBytes(side)));
    ForEachZoneCell(side, side, ZoneCells,
                    [&](std::size_t at, int r, int c) { bytes[at] = light[mapIndex(r, c, side)]; });
    return bytes;
}

std::vector<std::uint8_t> DecodeLightFile(std::span<const std::uint8_t> bytes, int side)
{
    assert(std::ssize(bytes) >= LightFileBytes(side));
    std::vector<std::uint8_t> light(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    ForEachZoneCell(side, side, ZoneCells,
                    [&](std::size_t at, int r, int c) { light[mapIndex(r, c, side)] = bytes[at]; });
    return light;
}

std::vector<std::uint8_t> EncodeMaterialFile(std::span<const std::uint8_t> materials, int side)
{
    const int tiles = side / 2;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(MaterialFileBytes(side)));
    ForEachZoneCell(tiles, tiles, MaterialZoneSide, [&](std::size_t, int r, int c) {
        AppendWord(bytes, SolidTileEntry(materials[mapIndex(r, c, tiles)], r - 1, c - 1));
    });
    return bytes;
}

std::vector<std::uint8_t> DecodeMaterialFile(std::span<const std::uint8_t> bytes, int side)
{
    assert(std::ssize(bytes) >= MaterialFileBytes(side));
    const int tiles = side / 2;
    std::vector<std::uint8_t> materials(static_cast<std::size_t>(tiles) * static_cast<std::size_t>(tiles));
    ForEachZoneCell(tiles, tiles, MaterialZoneSide, [&](std::size_t at, int r, int c) {
        materials[mapIndex(r, c, tiles)] = static_cast<std::uint8_t>(WordAt(bytes, 2 * at) >> 12);
    });
    return materials;
}

std::string CompanionPath(const std::string& heightPath, const char* extension)
{
    const auto suffix = static_cast<std::size_t>(QFileInfo(QString::fromStdString(heightPath)).suffix().toUtf8().size());
    const std::size_t base = suffix == 0 ? heightPath.size() : heightPath.size() - suffix - 1;
    return heightPath.substr(0, base) + '.' + extension;
}

} // namespace tolvar
