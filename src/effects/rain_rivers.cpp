#include "effects/rain_rivers.h"

#include "core/number_text.h"
#include "effects/map_operation.h"
#include "fractal/row_workers.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace tolvar {
namespace {

// The droplet model's constants, for heights in units of the map's range.
constexpr double Inertia = 0.05;
constexpr double CapacityPerStrength = 4.0;
constexpr double MinCapacity = 0.01;
constexpr double ErodeSpeed = 0.3;
constexpr double DepositSpeed = 0.3;
constexpr double Evaporation = 0.01;
constexpr double Gravity = 4.0;
constexpr int Lifetime = 30;
constexpr int BrushRadius = 3;

constexpr std::int32_t DropletsPerBailOut = 100;
constexpr std::int32_t MaxBailOut = 100000;
constexpr std::int32_t MaxStrength = 100;

// The cells within BrushRadius of a point, weighted by their nearness, as
// one run of cells per row; the weights add up to 1.
struct Brush {
    struct Run {
        int dy;
        int firstDx;
        std::vector<double> weights;
    };
    std::vector<Run> runs;

    Brush()
    {
        double sum = 0;
        for (int dy = -BrushRadius; dy <= BrushRadius; ++dy) {
            Run run{dy, 0, {}};
            for (int dx = -BrushRadius; dx <= BrushRadius; ++dx)
                if (const double d = std::sqrt(dx * dx + dy * dy); d < BrushRadius) {
                    if (run.weights.empty())
                        run.firstDx = dx;
                    run.weights.push_back(BrushRadius - d);
                    sum += BrushRadius - d;
                }
            runs.push_back(run);
        }
        for (Run& run : runs)
            for (double& weight : run.weights)
                weight /= sum;
    }
};

// The map as an n x n field of heights in units of its range; x runs along
// the columns, y along the rows, both from 0.
class Terrain {
public:
    Terrain(const Grid& map, int n) : n_(n), cells_(static_cast<std::size_t>(n) * n)
    {
        Height low = 65535;
        Height high = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                low = std::min(low, map(r, c));
                high = std::max(high, map(r, c));
            }
        // Measured in its range, a map erodes alike at any height scale.
        unit_ = std::max(1, high - low);
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                at(c - 1, r - 1) = map(r, c) / unit_;
    }

    void store(Grid& map) const
    {
        for (int r = 1; r <= n_; ++r)
            for (int c = 1; c <= n_; ++c)
                map(r, c) = static_cast<Height>(std::clamp(std::nearbyint(at(c - 1, r - 1) * unit_), 0.0, 65535.0));
    }

    int side() const { return n_; }
    double& at(int x, int y) { return cells_[static_cast<std::size_t>(y) * n_ + x]; }
    double at(int x, int y) const { return cells_[static_cast<std::size_t>(y) * n_ + x]; }

    struct Slope {
        double height;
        double gx;
        double gy;
    };

    // The height and gradient at a point inside the field, from the four
    // cells around it.
    Slope slope(double x, double y) const
    {
        const int cx = static_cast<int>(x);
        const int cy = static_cast<int>(y);
        const double u = x - cx;
        const double v = y - cy;
        const double nw = at(cx, cy);
        const double ne = at(cx + 1, cy);
        const double sw = at(cx, cy + 1);
        const double se = at(cx + 1, cy + 1);
        return {nw * (1 - u) * (1 - v) + ne * u * (1 - v) + sw * (1 - u) * v + se * u * v,
                (ne - nw) * (1 - v) + (se - sw) * v, (sw - nw) * (1 - u) + (se - ne) * u};
    }

    bool inside(double x, double y) const { return x >= 0 && y >= 0 && x < n_ - 1 && y < n_ - 1; }

private:
    int n_;
    double unit_ = 1;
    std::vector<double> cells_;
};

struct Droplet {
    double x;
    double y;
    double dx = 0;
    double dy = 0;
    double speed = 1;
    double water = 1;
    double sediment = 0;
};

class Rain {
public:
    Rain(Terrain& terrain, double capacity) : terrain_(terrain), capacity_(capacity) {}

    void fall(Droplet drop)
    {
        for (int step = 0; step < Lifetime; ++step) {
            const double x = drop.x;
            const double y = drop.y;
            const Terrain::Slope here = terrain_.slope(x, y);
            drop.dx = drop.dx * Inertia - here.gx * (1 - Inertia);
            drop.dy = drop.dy * Inertia - here.gy * (1 - Inertia);
            const double length = std::sqrt(drop.dx * drop.dx + drop.dy * drop.dy);
            if (length == 0)
                return;
            drop.dx /= length;
            drop.dy /= length;
            drop.x += drop.dx;
            drop.y += drop.dy;
            // Sediment still carried off the map or at the end is lost.
            if (!terrain_.inside(drop.x, drop.y))
                return;
            const double rise = terrain_.slope(drop.x, drop.y).height - here.height;
            const double capacity = std::max(-rise * drop.speed * drop.water * capacity_, MinCapacity);
            if (drop.sediment > capacity || rise > 0) {
                const double amount =
                    rise > 0 ? std::min(rise, drop.sediment) : (drop.sediment - capacity) * DepositSpeed;
                drop.sediment -= amount;
                deposit(x, y, amount);
            } else {
                drop.sediment += erode(x, y, std::min((capacity - drop.sediment) * ErodeSpeed, -rise));
            }
            drop.speed = std::sqrt(std::max(0.0, drop.speed * drop.speed + rise * Gravity));
            drop.water *= 1 - Evaporation;
        }
    }

private:
    // Spread over the four cells around the point.
    void deposit(double x, double y, double amount)
    {
        const int cx = static_cast<int>(x);
        const int cy = static_cast<int>(y);
        const double u = x - cx;
        const double v = y - cy;
        terrain_.at(cx, cy) += amount * (1 - u) * (1 - v);
        terrain_.at(cx + 1, cy) += amount * u * (1 - v);
        terrain_.at(cx, cy + 1) += amount * (1 - u) * v;
        terrain_.at(cx + 1, cy + 1) += amount * u * v;
    }

    // Taken over the brush round the cell, never below 0; what was taken.
    // Each run of the brush is summed on its own, so that the runs' sums
    // can be worked out side by side.
    double erode(double x, double y, double amount)
    {
        const int cx = static_cast<int>(x);
        const int cy = static_cast<int>(y);
        const int n = terrain_.side();
        double taken = 0;
        for (const Brush::Run& run : brush_.runs) {
            const int by = cy + run.dy;
            if (by < 0 || by >= n)
                continue;
            const int x0 = cx + run.firstDx;
            const int first = std::max(0, -x0);
            const int last = std::min(static_cast<int>(run.weights.size()), n - x0);
            double* row = &terrain_.at(0, by);
            double runTaken = 0;
            for (int k = first; k < last; ++k) {
                double& h = row[x0 + k];
                const double part = std::min(h, amount * run.weights[static_cast<std::size_t>(k)]);
                h -= part;
                runTaken += part;
            }
            taken += runTaken;
        }
        return taken;
    }

    Terrain& terrain_;
    double capacity_;
    Brush brush_;
};

constexpr int DropletsPerPoll = 100;

} // namespace

void RainErosion(Grid& map, int n, std::int32_t droplets, std::int32_t strength, Random& random,
                 const std::function<bool(int)>& keepGoing)
{
    if (n < 2)
        return;
    Terrain terrain(map, n);
    Rain rain(terrain, CapacityPerStrength * strength);
    const std::int32_t batches = (droplets + DropletsPerPoll - 1) / DropletsPerPoll;
    // One worker takes the batches in order, so the droplets fall one after
    // another as they would on this thread, which keeps the windows going.
    ForEachRow(
        batches, 1,
        [&](int batch, const StopFlag&) {
            const std::int32_t last = std::min(droplets, batch * DropletsPerPoll);
            for (std::int32_t k = (batch - 1) * DropletsPerPoll; k < last; ++k) {
                const double x = static_cast<double>(random.RandomReal() * (n - 1));
                const double y = static_cast<double>(random.RandomReal() * (n - 1));
                rain.fall({x, y});
            }
        },
        [&](int batch) { return keepGoing(batch * DropletsPerPoll); });
    terrain.store(map);
}

void RainRivers1Click(Frame& frame)
{
    UiPort& ui = frame.ui();
    BusyRewriteMap(frame, {"Rai=" + ui.text(Box::ediIterations) + "," + ui.text(Box::cboSteep)}, [&](AppState& s) {
        const std::int32_t bailOut = s.params.Iterations;
        const std::int32_t strength = s.params.Steepness;
        if (bailOut < 1 || bailOut > MaxBailOut)
            throw Error("Bail Out Value " + IntToStr(bailOut) +
                        " is not a number of Rain/Rivers droplets: it takes 1 to " + IntToStr(MaxBailOut) + " hundred");
        if (strength < 1 || strength > MaxStrength)
            throw Error("Steepness " + IntToStr(strength) + " is not a Rain/Rivers strength: it takes 1 to " +
                        IntToStr(MaxStrength));
        const std::int32_t droplets = bailOut * DropletsPerBailOut;
        const std::unique_ptr<Progress> progress = ui.startProgress(droplets, "Rain/Rivers", "Droplet");
        RainErosion(s.HeightMap, s.MapRows, droplets, strength, s.random,
                    [&](int droplet) { return !progress->cancelled(droplet); });
    });
}

} // namespace tolvar
