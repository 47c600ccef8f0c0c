#pragma once

namespace tolvar {

struct ScreenPoint {
    int x = 0;
    int y = 0;

    bool operator==(const ScreenPoint&) const = default;
};

// A map point in world units: ten to a cell, heights in tenths.
struct WorldPoint {
    long double x = 0;
    long double y = 0;
    long double z = 0;
};

// The oblique view of both wireframes: the mesh turned about the vertical
// axis by the view rotation, tilted by 30 degrees and projected straight onto
// a drawing area of at most 1024 x 768 points. The mesh always spans 760/1024
// of the area's width, whatever the window size.
class Projection {
public:
    static constexpr int MaxWidth = 1024;
    static constexpr int MaxHeight = 768;

    // Any area is accepted; a zero-wide one is scaled as one point wide.
    Projection(int areaWidth, int areaHeight, int viewSize, int viewRotation);

    int width() const { return width_; }
    int height() const { return height_; }
    long double scale() const { return k_; }

    ScreenPoint project(const WorldPoint& p) const;
    // How far a ground point lies along the direction of view: larger is
    // farther from the viewer, whatever the height.
    long double groundDepth(long double x, long double y) const { return sinTheta_ * x + cosTheta_ * y; }

private:
    int width_;
    int height_;
    int cx_;
    int cy_;
    long double k_;
    long double cosTheta_;
    long double sinTheta_;
    long double cosPhi_;
    long double sinPhi_;
};

} // namespace tolvar
