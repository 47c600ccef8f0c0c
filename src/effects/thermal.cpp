#include "effects/thermal.h"

#include "core/number_text.h"
#include "effects/map_operation.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace tolvar {
namespace {

// Neighbours numbered so that the opposite of d is 5 - d; 0 is none. Of
// equal neighbours the first in this order is chosen.
constexpr std::uint16_t None = 0, North = 1, West = 2, East = 3, South = 4;

// What each cell of a row chose in the snapshot: its lowest and its highest
// neighbour where the drop to it exceeds the talus, and how much it would
// give to the one or take from the other. All of one width, so that the
// loops over a row run several cells at a time.
struct Choices {
    explicit Choices(int n) : down(n + 2), up(n + 2), give(n + 2), take(n + 2) {}
    std::vector<std::uint16_t> down;
    std::vector<std::uint16_t> up;
    std::vector<std::uint16_t> give;
    std::vector<std::uint16_t> take;
};

// Every pass pairs cells: each cell may give to its lowest neighbour and
// take from its highest, and material moves only where the giver's lowest
// neighbour has the giver as its highest. A cell thus gives at most once
// and takes at most once, and each move is at most half the drop, so the
// sum of squared heights falls with every move: the passes settle, and a
// map where nothing moves has no drop above the talus.
class Passes {
public:
    // A talus of 65535 or more lets nothing move.
    Passes(Grid& map, int n, std::int32_t talus)
        : map_(map), n_(n), talus_(static_cast<std::uint16_t>(std::clamp(talus, 1, 65535)))
    {
    }

    // The snapshot has each edge cell copied onto the border next to it, so
    // that a neighbour off the map is as high as the cell and never chosen.
    void snapshot()
    {
        old_ = map_;
        for (int r = 1; r <= n_; ++r) {
            old_(r, 0) = old_(r, 1);
            old_(r, n_ + 1) = old_(r, n_);
        }
        for (int c = 0; c <= n_ + 1; ++c) {
            old_(0, c) = old_(1, c);
            old_(n_ + 1, c) = old_(n_, c);
        }
    }

    // Rows first..last of the map after this pass. The choices of the rows
    // next to them are made again here, so that bands of rows need nothing
    // from one another.
    void moveRows(int first, int last) const
    {
        Choices above(n_), here(n_), below(n_);
        if (first > 1)
            choose(first - 1, above);
        choose(first, here);
        for (int r = first; r <= last; ++r) {
            if (r < n_)
                choose(r + 1, below);
            move(r, above, here, below);
            std::swap(above, here);
            std::swap(here, below);
        }
    }

private:
    void choose(int r, Choices& out) const
    {
        const Height* north = old_.row(r - 1);
        const Height* mid = old_.row(r);
        const Height* south = old_.row(r + 1);
        std::uint16_t* down = out.down.data();
        std::uint16_t* up = out.up.data();
        std::uint16_t* give = out.give.data();
        std::uint16_t* take = out.take.data();
        for (int c = 1; c <= n_; ++c) {
            const std::uint16_t h = mid[c], n = north[c], w = mid[c - 1], e = mid[c + 1], s = south[c];
            const std::uint16_t low = std::min(std::min(n, w), std::min(e, s));
            const std::uint16_t high = std::max(std::max(n, w), std::max(e, s));
            const std::uint16_t fall = h > low ? h - low : 0;
            const std::uint16_t rise = high > h ? high - h : 0;
            const std::uint16_t gives = mask(fall > talus_);
            const std::uint16_t takes = mask(rise > talus_);
            down[c] = first(n == low, w == low, e == low) & gives;
            up[c] = first(n == high, w == high, e == high) & takes;
            give[c] = share(fall) & gives;
            take[c] = share(rise) & takes;
        }
    }

    void move(int r, const Choices& above, const Choices& here, const Choices& below) const
    {
        const Height* cells = old_.row(r);
        Height* out = map_.row(r);
        const std::uint16_t* down = here.down.data();
        const std::uint16_t* up = here.up.data();
        const std::uint16_t* upAbove = above.up.data();
        const std::uint16_t* upBelow = below.up.data();
        const std::uint16_t* downAbove = above.down.data();
        const std::uint16_t* downBelow = below.down.data();
        const std::uint16_t* give = here.give.data();
        const std::uint16_t* take = here.take.data();
        for (int c = 1; c <= n_; ++c) {
            const std::uint16_t d = down[c], u = up[c];
            const std::uint16_t given =
                mask((d == North) & (upAbove[c] == South)) | mask((d == West) & (up[c - 1] == East)) |
                mask((d == East) & (up[c + 1] == West)) | mask((d == South) & (upBelow[c] == North));
            const std::uint16_t taken =
                mask((u == North) & (downAbove[c] == South)) | mask((u == West) & (down[c - 1] == East)) |
                mask((u == East) & (down[c + 1] == West)) | mask((u == South) & (downBelow[c] == North));
            out[c] = static_cast<Height>(cells[c] - (give[c] & given) + (take[c] & taken));
        }
    }

    // The loops work without branches, on all-ones and all-zeros masks.
    static std::uint16_t mask(bool on) { return static_cast<std::uint16_t>(-static_cast<int>(on)); }

    // The number of the first neighbour that is the one sought, in the order
    // North, West, East, South: South when none of the first three is.
    static std::uint16_t first(bool north, bool west, bool east)
    {
        return static_cast<std::uint16_t>(South - (north | west | east) - (north | west) - north);
    }

    // Half the excess over the talus, rounded up: never more than half the
    // drop, since the talus is at least 1. The giver's give and the taker's
    // take of a pair are the same amount.
    std::uint16_t share(std::uint16_t drop) const { return static_cast<std::uint16_t>((drop - talus_ + 1) / 2); }

    Grid& map_;
    int n_;
    std::uint16_t talus_;
    Grid old_;
};

// Bands of rows handed to the workers, each worked whole by one of them.
constexpr int BandRows = 32;

constexpr std::int32_t MaxPasses = 100000;

} // namespace

void ThermalErosion(Grid& map, int n, std::int32_t passes, std::int32_t talus, unsigned workers,
                    const std::function<bool(int)>& keepGoing)
{
    // The snapshot is large; keep it off the stack.
    const auto work = std::make_unique<Passes>(map, n, talus);
    const int bands = (n + BandRows - 1) / BandRows;
    for (int pass = 1; pass <= passes; ++pass) {
        work->snapshot();
        ForEachRow(
            bands, workers,
            [&](int band, const StopFlag&) { work->moveRows((band - 1) * BandRows + 1, std::min(n, band * BandRows)); },
            [&](int) { return keepGoing(pass - 1); });
    }
}

void Thermal1Click(Frame& frame)
{
    UiPort& ui = frame.ui();
    BusyRewriteMap(frame, {"Thr=" + ui.text(Box::ediIterations) + "," + ui.text(Box::cboSteep)}, [&](AppState& s) {
        const std::int32_t passes = s.params.Iterations;
        const std::int32_t talus = s.params.Steepness;
        if (passes < 1 || passes > MaxPasses)
            throw Error("Bail Out Value " + IntToStr(passes) + " is not a number of Thermal passes: it takes 1 to " +
                        IntToStr(MaxPasses));
        if (talus < 0)
            throw Error("Steepness " + IntToStr(talus) +
                        " is not a Thermal talus: it takes 0 or more height units per cell");
        const std::unique_ptr<Progress> progress = ui.startProgress(passes, "Thermal", "Pass");
        ThermalErosion(s.HeightMap, s.MapRows, passes, talus, DefaultWorkers(),
                       [&](int pass) { return !progress->cancelled(pass); });
    });
}

} // namespace tolvar
