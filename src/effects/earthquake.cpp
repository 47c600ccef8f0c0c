#include "effects/earthquake.h"

#include "core/frame.h"

#include <utility>
#include <vector>

namespace tolvar {
namespace {

// The fault's position across the map at each of rows 0..MapRows: from a
// random start it moves by -2..+4 per row.
std::vector<std::int32_t> faultLine(Random& random, std::int32_t rows)
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

} // namespace

void Earthquake1Click(Frame& frame)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    const bool lineByColumn = s.random.RandomInt(2) == 1;
    const bool raiseBeyond = s.random.RandomInt(2) == 1;
    const std::vector<std::int32_t> fault = faultLine(s.random, s.MapRows);
    const std::uint32_t raise = static_cast<std::uint32_t>(s.params.Steepness) * 20u;
    // The map is square, so the line indexes columns as well as rows.
    for (int i = 0; i <= s.MapRows; ++i)
        for (int j = 0; j <= s.MapCols; ++j) {
            const auto [along, across] = lineByColumn ? std::pair{j, i} : std::pair{i, j};
            const std::int32_t line = fault[static_cast<std::size_t>(along)];
            if (raiseBeyond ? across > line : across < line)
                s.HeightMap.store(i, j, s.HeightMap(i, j) + raise);
        }
    frame.RefreshViews();
}

} // namespace tolvar
