#pragma once

#include <array>

namespace tolvar {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

// A 4 x 4 matrix in OpenGL's column-major order.
using Mat4 = std::array<float, 16>;
Mat4 operator*(const Mat4& a, const Mat4& b);

// The 3D view's camera: it looks at a target from a direction given by an
// azimuth (0 looks north from the south, 90 looks west from the east) and an
// elevation above the horizon, at a distance in metres.
class OrbitCamera {
public:
    static constexpr float FieldOfViewDeg = 45;
    static constexpr float MinElevation = 2;
    static constexpr float MaxElevation = 90;
    static constexpr float DegreesPerPixel = 0.4f;
    static constexpr float ZoomPerStep = 0.85f;

    // Back to the starting view of a scene of this radius around centre.
    void reset(Vec3 centre, float radius);
    // A drag of dx, dy pixels turns the camera round the target.
    void orbit(float dx, float dy);
    // A drag of dx, dy pixels in a view viewHeight pixels high slides the
    // target so that the point under the pointer follows it.
    void pan(float dx, float dy, int viewHeight);
    // Positive steps come closer.
    void zoom(float steps);
    // The scene's heights were multiplied by `factor` and its radius is now
    // `radius`: the view keeps its angles and frames the scene as before.
    void stretchHeights(float factor, float radius);
    // Lifts the camera, looking the same way, until its eye is `clearance`
    // above `ground`.
    void keepAbove(float ground, float clearance);

    float azimuth() const { return azimuth_; }
    float elevation() const { return elevation_; }
    float distance() const { return distance_; }
    Vec3 target() const { return target_; }
    Vec3 eye() const;

    Mat4 view() const;
    Mat4 projection(float aspect) const;

private:
    Vec3 backwards() const; // unit vector from the target towards the eye
    Vec3 right() const;
    Vec3 up() const;

    float azimuth_ = 0;
    float elevation_ = 35;
    float distance_ = 1000;
    float radius_ = 500;
    Vec3 target_;
};

} // namespace tolvar
