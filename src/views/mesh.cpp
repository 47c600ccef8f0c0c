#include "views/mesh.h"

#include <cstdint>
#include <utility>
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

} // namespace

void ForEachMeshCell(const AppState& state, const Projection& projection,
                     const std::function<void(const MeshCell&)>& visit)
{
    const ViewedWindow window(state, projection);
    const int size = window.size();
    if (size < 2)
        return;
    std::vector<MeshPoint> upper(static_cast<std::size_t>(size) + 1);
    std::vector<MeshPoint> lower(upper.size());
    int lowerIndex = 0;
    for (int i = 1; i < size; ++i) {
        if (!window.rowInside(i) || !window.rowInside(i + 1))
            continue;
        if (lowerIndex == i)
            std::swap(upper, lower);
        else
            window.fillRow(upper, i);
        window.fillRow(lower, i + 1);
        lowerIndex = i + 1;
        for (int j = 1; j < size; ++j)
            if (window.columnInside(j) && window.columnInside(j + 1))
                visit({upper[static_cast<std::size_t>(j)], lower[static_cast<std::size_t>(j)],
                       upper[static_cast<std::size_t>(j) + 1]});
    }
}

} // namespace tolvar
