#include "effects/earthquake.h"

#include "effects/map_operation.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tolvar {
namespace {

// A fault and the side of it that moves, drawn in this order: whether the
// line indexes columns, the side, then the line.
class Fault {
public:
    Fault(Random& random, std::int32_t rows)
        : lineByColumn_(random.RandomInt(2) == 1), beyond_(random.RandomInt(2) == 1), line_(drawLine(random, rows))
    {
    }

    // Cell (i, j) as (along, across) the fault, and back: the same swap.
    // The map is square, so the line indexes columns as well as rows.
    std::pair<int, int> axes(int a, int b) const { return lineByColumn_ ? std::pair{b, a} : std::pair{a, b}; }

    // Whether the cell lies on the moving side; cells on the line never do.
    bool moves(int along, int across) const
    {
        const std::int32_t line = line_[static_cast<std::size_t>(along)];
        return beyond_ ? across > line : across < line;
    }

private:
    // The fault's position across the map at each of rows 0..MapRows: from a
    // random start it moves by -2..+4 per row.
    static std::vector<std::int32_t> drawLine(Random& random, std::int32_t rows)
    {
        std::vector<std::int32_t> fault(static_cast<std::size_t>(rows) + 1);
        const std::int32_t a = random.RandomInt(rows);
        const std::int32_t b = random.RandomInt(rows);
        fault[0] = (a + b) / 2;
        for (std::size_t k = 1; k < fault.size(); ++k) {
            const std::int32_t forward = random.RandomInt(5);
            const std::int32_t back = random.RandomInt(3);
            fault[k] = fault[k - 1] + forward - back;
        }
        return fault;
    }

    bool lineByColumn_;
    bool beyond_;
    std::vector<std::int32_t> line_;
};

} // namespace

void Earthquake1Click(Frame& frame)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    const Fault fault(s.random, s.MapRows);
    const std::uint32_t raise = static_cast<std::uint32_t>(s.params.Steepness) * 20u;
    for (int i = 0; i <= s.MapRows; ++i)
        for (int j = 0; j <= s.MapCols; ++j) {
            const auto [along, across] = fault.axes(i, j);
            if (fault.moves(along, across))
                s.HeightMap.store(i, j, s.HeightMap(i, j) + raise);
        }
    frame.RefreshViews();
}

void EarthQuake2Click(Frame& frame)
{
    BusyRewriteMap(frame, {}, [](AppState& s) {
        const Fault fault(s.random, s.MapRows);
        const std::int64_t slide = s.params.Steepness;
        const int n = s.MapRows;
        // UndoMap holds the map as it was, so every source is an old cell.
        for (int along = 1; along <= n; ++along)
            for (int across = 1; across <= n; ++across)
                if (fault.moves(along, across)) {
                    const auto from = static_cast<int>(std::clamp<std::int64_t>(along - slide, 1, n));
                    const auto [i, j] = fault.axes(along, across);
                    const auto [fromI, fromJ] = fault.axes(from, across);
                    s.HeightMap(i, j) = s.UndoMap(fromI, fromJ);
                }
    });
}

} // namespace tolvar
