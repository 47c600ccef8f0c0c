#pragma once

#include "core/grid.h"
#include "views/height_ramp.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tolvar {

// One corner of the lit surface, laid out as the vertex buffer holds it.
struct TerrainVertex {
    float x, y, z;    // metres: x east, y up, z south
    float nx, ny, nz; // unit normal
    std::uint8_t r, g, b, a;
};

// The game's proportions at a height scale of 1.
inline constexpr float CellMetres = 10.0f;
inline constexpr float HeightUnitMetres = 0.1f;

// The whole map as a grid of vertices, one per cell, centred on the origin
// with north (the top of the plan) towards -z. Vertex (r, c), rows and
// columns counted from 1, sits at index (r - 1) * cols + (c - 1).
class TerrainMesh {
public:
    // Builds every vertex; colours come from the shared height ramp with
    // this sea level on the colour scale of the map. Cells above
    // GameHeightLimit have an alpha of 0: they take their colour unlit.
    void load(const Grid& grid, int rows, int cols, int seaLevel, float heightScale);
    // Rebuilds the vertices whose position, normal or colour depend on rows
    // first..last, and returns the index range of vertices it rewrote. The
    // colour ramp stays that of the last load, so that a stroke does not
    // recolour the whole map as it goes.
    struct Span {
        int firstVertex = 0;
        int count = 0;
    };
    Span updateRows(const Grid& grid, int firstRow, int lastRow);

    // The game's layers, used from the next load on: a light per cell (map
    // order, 0 to 255) shades the surface as the game does in place of the
    // live light, and a material per 2 x 2 tile (tile order) colours it from
    // MaterialPalette. Empty, or of another size than the map's, leaves the
    // height colours and the live light.
    void setGameLayers(std::vector<std::uint8_t> light, std::vector<std::uint8_t> materials);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    float heightScale() const { return heightScale_; }
    // The heights the colours of the last load stand on.
    HeightRange colourScale() const { return colourScale_; }
    const std::vector<TerrainVertex>& vertices() const { return vertices_; }
    // One triangle strip a row of cells, each ending in StripRestart; its
    // triangles turn anticlockwise seen from above. With a step of 2 the
    // strips join every second vertex (and the last) for a quarter of the
    // triangles.
    static constexpr std::uint32_t StripRestart = 0xFFFFFFFF;
    static std::vector<std::uint32_t> gridIndices(int rows, int cols, int step = 1);
    // The highest corner of the cell under a point, in metres; nothing off the map.
    std::optional<float> groundUnder(float x, float z) const;
    // Half the map's extent east-west and north-south, in metres.
    float halfWidth() const { return (cols_ - 1) * CellMetres / 2; }
    float halfDepth() const { return (rows_ - 1) * CellMetres / 2; }
    // The height in metres at which a map height h stands.
    float metresUp(std::int64_t h) const { return static_cast<float>(h) * HeightUnitMetres * heightScale_; }

private:
    void buildRow(const Grid& grid, int r);
    Rgb cellColour(Height h, int r, int c) const;

    int rows_ = 0;
    int cols_ = 0;
    float heightScale_ = 1;
    HeightRange colourScale_;
    std::optional<HeightRamp> ramp_;
    std::vector<TerrainVertex> vertices_;
    std::vector<std::uint8_t> light_;
    std::vector<std::uint8_t> materials_;
};

} // namespace tolvar
