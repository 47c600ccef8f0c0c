#include "views/terrain_mesh.h"

#include "views/material_palette.h"

#include <algorithm>
#include <cmath>

namespace tolvar {

void TerrainMesh::setGameLayers(std::vector<std::uint8_t> light, std::vector<std::uint8_t> materials)
{
    light_ = std::move(light);
    materials_ = std::move(materials);
}

void TerrainMesh::load(const Grid& grid, int rows, int cols, int seaLevel, float heightScale)
{
    rows_ = rows;
    cols_ = cols;
    const auto cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    if (light_.size() != cells)
        light_.clear();
    if (materials_.size() != static_cast<std::size_t>(rows / 2) * static_cast<std::size_t>(cols / 2) || rows % 2 != 0)
        materials_.clear();
    heightScale_ = heightScale;
    ramp_.emplace(seaLevel, MapHeightRange(grid, rows, cols));
    vertices_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int r = 1; r <= rows; ++r)
        buildRow(grid, r);
}

TerrainMesh::Span TerrainMesh::updateRows(const Grid& grid, int firstRow, int lastRow)
{
    // A normal reads the rows beside its own, so one row more on each side.
    const int first = std::max(1, std::min(firstRow, lastRow) - 1);
    const int last = std::min(rows_, std::max(firstRow, lastRow) + 1);
    if (first > last)
        return {};
    for (int r = first; r <= last; ++r)
        buildRow(grid, r);
    return {(first - 1) * cols_, (last - first + 1) * cols_};
}

// Normals from central differences of the neighbouring heights; at the
// map's edge the difference is one-sided.
void TerrainMesh::buildRow(const Grid& grid, int r)
{
    const int below = std::max(1, r - 1);
    const int above = std::min(rows_, r + 1);
    const float up = HeightUnitMetres * heightScale_;
    const float centreCol = (cols_ + 1) / 2.0f;
    const float centreRow = (rows_ + 1) / 2.0f;
    const Height* row = grid.row(r);
    const Height* south = grid.row(below);
    const Height* north = grid.row(above);
    TerrainVertex* out = vertices_.data() + static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(cols_);
    for (int c = 1; c <= cols_; ++c, ++out) {
        const int west = std::max(1, c - 1);
        const int east = std::min(cols_, c + 1);
        // Slopes of the surface: metres up per metre east, and per metre north.
        const float slopeEast = (float(row[east]) - float(row[west])) * up / (float(east - west) * CellMetres);
        const float slopeNorth = (float(north[c]) - float(south[c])) * up / (float(above - below) * CellMetres);
        // North is -z, so the normal of y = f(x, z) is (-df/dx, 1, +slopeNorth).
        const float length = std::sqrt(slopeEast * slopeEast + 1 + slopeNorth * slopeNorth);
        const std::size_t tile = static_cast<std::size_t>((r - 1) / 2 * (cols_ / 2) + (c - 1) / 2);
        const Rgb colour = materials_.empty() ? (*ramp_)(row[c]) : MaterialPalette[materials_[tile] & 15];
        const std::uint8_t light =
            light_.empty() ? 255 : light_[static_cast<std::size_t>((r - 1) * cols_ + c - 1)];
        *out = {(float(c) - centreCol) * CellMetres,
                float(row[c]) * up,
                (centreRow - float(r)) * CellMetres,
                -slopeEast / length,
                1 / length,
                slopeNorth / length,
                colour.red,
                colour.green,
                colour.blue,
                light};
    }
}

std::vector<std::uint32_t> TerrainMesh::gridIndices(int rows, int cols)
{
    std::vector<std::uint32_t> indices;
    if (rows < 2 || cols < 2)
        return indices;
    indices.reserve(static_cast<std::size_t>(rows - 1) * static_cast<std::size_t>(2 * cols + 1));
    for (int r = 0; r + 1 < rows; ++r) {
        // North corner first: seen from above, with north at -z, the
        // strip's first triangle (nw, sw, ne) turns anticlockwise.
        for (int c = 0; c < cols; ++c) {
            const auto sw = static_cast<std::uint32_t>(r * cols + c);
            indices.insert(indices.end(), {sw + static_cast<std::uint32_t>(cols), sw});
        }
        indices.push_back(StripRestart);
    }
    return indices;
}

} // namespace tolvar
