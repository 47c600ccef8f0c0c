#include "views/mesh.h"

#include <cstdint>
#include <vector>

namespace tolvar {
namespace {

// The viewed window: point (i, j) is the cell in row MapRows + 1 - (Br + i)
// and column Bc + j.
class ViewedWindow {
public:
    ViewedWindow(const AppState& s, const Projection& projection)
        : s_(s), projection_(projection), size_(s.view.ViewSize), half_(size_ / 2),
          br_(static_cast<std::int64_t>(size_) * s.view.ViewStepsDown / 2),
          bc_(static_cast<std::int64_t>(size_) * s.view.ViewStepsRight / 2)
    {
    }

    int size() const { return size_; }
    std::int64_t row(int i) const { return s_.MapRows + 1 - (br_ + i); }
    std::int64_t column(int j) const { return bc_ + j; }
    bool rowInside(int i) const { return row(i) >= 1 && row(i) <= s_.MapRows; }
    bool columnInside(int j) const { return column(j) >= 1 && column(j) <= s_.MapCols; }

    // Points (i, 1..size) that lie on the map, at points[j].
    void fillRow(std::vector<MeshPoint>& points, int i) const
    {
        const auto r = static_cast<int>(row(i));
        for (int j = 1; j <= size_; ++j) {
            if (!columnInside(j))
                continue;
            const WorldPoint w{10.0L * (i - half_), 10.0L * (j - half_),
                               0.1L * s_.HeightMap(r, static_cast<int>(column(j)))};
            points[static_cast<std::size_t>(j)] = {w, projection_.project(w)};
        }
    }

private:
    const AppState& s_;
    const Projection& projection_;
    int size_;
    int half_;
    std::int64_t br_;
    std::int64_t bc_;
};

// Two rows of projected points; a row is projected once while the walk
// needs it for two neighbouring pairs.
class RowPair {
public:
    RowPair(const ViewedWindow& window, std::size_t length)
        : window_(window), rows_{std::vector<MeshPoint>(length), std::vector<MeshPoint>(length)}
    {
    }

    // Row i, kept or projected into the slot that does not hold row keep.
    const std::vector<MeshPoint>& get(int i, int keep)
    {
        for (std::size_t k = 0; k < 2; ++k)
            if (index_[k] == i)
                return rows_[k];
        const std::size_t slot = index_[0] == keep ? 1 : 0;
        window_.fillRow(rows_[slot], i);
        index_[slot] = i;
        return rows_[slot];
    }

private:
    const ViewedWindow& window_;
    std::vector<MeshPoint> rows_[2];
    int index_[2] = {0, 0};
};

// The first and last of 1..last in the given direction, and the step.
struct Walk {
    int first;
    int last;
    int step;
};

Walk walk(int last, bool down) { return down ? Walk{last, 1, -1} : Walk{1, last, 1}; }

} // namespace

void ForEachMeshCell(const AppState& state, const Projection& projection,
                     const std::function<void(const MeshCell&)>& visit, MeshOrder order)
{
    const ViewedWindow window(state, projection);
    const int size = window.size();
    if (size < 2)
        return;
    // Far to near, each axis walks from the end that lies farther.
    const bool farToNear = order == MeshOrder::FarToNear;
    const Walk rows = walk(size - 1, farToNear && projection.groundDepth(1, 0) > 0);
    const Walk columns = walk(size - 1, farToNear && projection.groundDepth(0, 1) > 0);
    RowPair pair(window, static_cast<std::size_t>(size) + 1);
    for (int i = rows.first; i != rows.last + rows.step; i += rows.step) {
        if (!window.rowInside(i) || !window.rowInside(i + 1))
            continue;
        const std::vector<MeshPoint>& upper = pair.get(i, i + 1);
        const std::vector<MeshPoint>& lower = pair.get(i + 1, i);
        for (int j = columns.first; j != columns.last + columns.step; j += columns.step) {
            if (!window.columnInside(j) || !window.columnInside(j + 1))
                continue;
            const auto at = static_cast<std::size_t>(j);
            visit({upper[at], lower[at], upper[at + 1], lower[at + 1]});
        }
    }
}

void ForEachMeshTriangle(const AppState& state, const Projection& projection,
                         const std::function<void(const MeshTriangle&)>& visit)
{
    // The triangle across the diagonal lies a third of a cell farther down
    // and right than the cell's own.
    const bool acrossFarther = projection.groundDepth(1, 1) > 0;
    ForEachMeshCell(
        state, projection,
        [&](const MeshCell& cell) {
            const MeshTriangle own{cell.p1, cell.p2, cell.p3, cell};
            const MeshTriangle across{cell.p4, cell.p2, cell.p3, cell};
            visit(acrossFarther ? across : own);
            visit(acrossFarther ? own : across);
        },
        MeshOrder::FarToNear);
}

} // namespace tolvar
