#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tolvar {

using Height = std::uint16_t;

// The highest height the game reads: it takes the top bits of a height word
// as flags for its renderer.
inline constexpr Height GameHeightLimit = 4095;

// A 514 x 514 grid of heights: map data in rows and columns 1..512, with
// row and column 0 and 513 as a border ring.
struct Grid {
    static constexpr int Side = 514;

    std::array<Height, Side * Side> cells{};

    Height& operator()(int row, int col) { return cells[static_cast<std::size_t>(row * Side + col)]; }
    Height operator()(int row, int col) const { return cells[static_cast<std::size_t>(row * Side + col)]; }

    // Row r as a plain array of Side cells, for tight inner loops.
    Height* row(int r) { return cells.data() + static_cast<std::size_t>(r) * Side; }
    const Height* row(int r) const { return cells.data() + static_cast<std::size_t>(r) * Side; }

    // Stores the low 16 bits: heights wrap, they never clamp.
    void store(int row, int col, std::int64_t value) { (*this)(row, col) = static_cast<Height>(value); }

    bool operator==(const Grid&) const = default;
};

// The rows and columns of the map in use, counted from 1: none before the
// first operation, at most 512 each.
struct MapSize {
    std::uint16_t rows = 0;
    std::uint16_t cols = 0;

    bool operator==(const MapSize&) const = default;
};

// Map rows and columns, both ends included; empty when first > last.
struct CellRect {
    int firstRow = 1;
    int lastRow = 0;
    int firstCol = 1;
    int lastCol = 0;

    // Every cell of a map of this size.
    static CellRect Whole(MapSize size) { return {1, size.rows, 1, size.cols}; }

    bool empty() const { return firstRow > lastRow || firstCol > lastCol; }
    CellRect united(const CellRect& other) const
    {
        if (empty())
            return other;
        if (other.empty())
            return *this;
        return {std::min(firstRow, other.firstRow), std::max(lastRow, other.lastRow),
                std::min(firstCol, other.firstCol), std::max(lastCol, other.lastCol)};
    }
    bool operator==(const CellRect&) const = default;
};

// The cells of a map of this size, border ring left out.
inline void CopyMapCells(const Grid& from, Grid& to, MapSize size)
{
    for (int r = 1; r <= size.rows; ++r)
        std::copy(from.row(r) + 1, from.row(r) + 1 + size.cols, to.row(r) + 1);
}

// Height files of every kind hold little-endian 16-bit words.
inline void AppendWord(std::vector<std::uint8_t>& bytes, std::uint16_t word)
{
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

inline std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The whole grid as little-endian words, row 0 first, as the driver's grid
// files and the recovery copies hold it.
inline std::vector<std::uint8_t> GridBytes(const Grid& grid)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(grid.cells.size() * 2);
    for (const Height h : grid.cells)
        AppendWord(bytes, h);
    return bytes;
}

} // namespace tolvar
