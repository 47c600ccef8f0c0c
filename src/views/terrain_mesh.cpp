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
    colourScale_ = ColourScale(grid, rows, cols);
    ramp_.emplace(seaLevel, colourScale_);
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
        const Rgb colour = cellColour(row[c], r, c);
        *out = {(float(c) - centreCol) * CellMetres,
                float(row[c]) * up,
                (centreRow - float(r)) * CellMetres,
                -slopeEast / length,
                1 / length,
                slopeNorth / length,
                colour.red,
                colour.green,
                colour.blue,
                static_cast<std::uint8_t>(row[c] > GameHeightLimit || !light_.empty() ? 0 : 255)};
    }
}

// The height's or the tile's material colour; under the game's light it is
// shaded as the game shades (25 % for 0 to full for 255) and takes no live
// light. The mark of a cell above the game's limit stays as it is.
Rgb TerrainMesh::cellColour(Height h, int r, int c) const
{
    if (h > GameHeightLimit)
        return (*ramp_)(h);
    const auto tile = static_cast<std::size_t>((r - 1) / 2 * (cols_ / 2) + (c - 1) / 2);
    const Rgb colour = materials_.empty() ? (*ramp_)(h) : MaterialPalette[materials_[tile] & 15];
    if (light_.empty())
        return colour;
    const float shade = 0.25f + 0.75f * float(light_[static_cast<std::size_t>((r - 1) * cols_ + c - 1)]) / 255;
    const auto shaded = [shade](std::uint8_t channel) { return static_cast<std::uint8_t>(float(channel) * shade + 0.5f); };
    return {shaded(colour.red), shaded(colour.green), shaded(colour.blue)};
}

namespace {

// Every step-th vertex of a line of n, and the last.
std::vector<int> samples(int n, int step)
{
    std::vector<int> at;
    for (int i = 0; i < n; i += step)
        at.push_back(i);
    if (at.back() != n - 1)
        at.push_back(n - 1);
    return at;
}

} // namespace

std::vector<std::uint32_t> TerrainMesh::gridIndices(int rows, int cols, int step)
{
    std::vector<std::uint32_t> indices;
    if (rows < 2 || cols < 2)
        return indices;
    const std::vector<int> rowAt = samples(rows, step);
    const std::vector<int> colAt = samples(cols, step);
    indices.reserve((rowAt.size() - 1) * (2 * colAt.size() + 1));
    for (std::size_t i = 0; i + 1 < rowAt.size(); ++i) {
        // North corner first: seen from above, with north at -z, the
        // strip's first triangle (nw, sw, ne) turns anticlockwise.
        for (const int c : colAt)
            indices.insert(indices.end(), {static_cast<std::uint32_t>(rowAt[i + 1] * cols + c),
                                           static_cast<std::uint32_t>(rowAt[i] * cols + c)});
        indices.push_back(StripRestart);
    }
    return indices;
}

std::optional<float> TerrainMesh::groundUnder(float x, float z) const
{
    // Vertex (r, c) stands at x = (c - centreCol) * CellMetres, z = (centreRow - r) * CellMetres.
    const float col = x / CellMetres + (cols_ + 1) / 2.0f;
    const float row = (rows_ + 1) / 2.0f - z / CellMetres;
    if (rows_ < 2 || cols_ < 2 || !(col >= 1 && col <= cols_ && row >= 1 && row <= rows_))
        return std::nullopt;
    const int c = std::min(static_cast<int>(col), cols_ - 1);
    const int r = std::min(static_cast<int>(row), rows_ - 1);
    const auto y = [this](int vr, int vc) {
        return vertices_[static_cast<std::size_t>(vr - 1) * static_cast<std::size_t>(cols_) +
                         static_cast<std::size_t>(vc - 1)]
            .y;
    };
    return std::max({y(r, c), y(r, c + 1), y(r + 1, c), y(r + 1, c + 1)});
}

} // namespace tolvar
