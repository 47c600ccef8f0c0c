#include "views/orbit_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvar {
namespace {

constexpr float StartAzimuth = 0;
constexpr float StartElevation = 35;
// From this many scene radii the whole map fits the field of view.
constexpr float StartDistanceRadii = 1.9f;

float radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180; }

Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 plus(Vec3 a, Vec3 b, float f) { return {a.x + b.x * f, a.y + b.y * f, a.z + b.z * f}; }

} // namespace

Mat4 operator*(const Mat4& a, const Mat4& b)
{
    Mat4 m{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return m;
}

void OrbitCamera::reset(Vec3 centre, float radius)
{
    azimuth_ = StartAzimuth;
    elevation_ = StartElevation;
    radius_ = std::max(radius, 1.0f);
    distance_ = StartDistanceRadii * radius_;
    target_ = centre;
}

void OrbitCamera::orbit(float dx, float dy)
{
    azimuth_ = std::fmod(azimuth_ - dx * DegreesPerPixel + 360, 360.0f);
    elevation_ = std::clamp(elevation_ + dy * DegreesPerPixel, MinElevation, MaxElevation);
}

void OrbitCamera::pan(float dx, float dy, int viewHeight)
{
    const float metresPerPixel = 2 * distance_ * std::tan(radians(FieldOfViewDeg / 2)) / float(std::max(viewHeight, 1));
    target_ = plus(plus(target_, right(), -dx * metresPerPixel), up(), dy * metresPerPixel);
}

void OrbitCamera::zoom(float steps)
{
    distance_ = std::clamp(distance_ * std::pow(ZoomPerStep, steps), radius_ / 50, radius_ * 20);
}

void OrbitCamera::stretchHeights(float factor, float radius)
{
    radius = std::max(radius, 1.0f);
    target_.y *= factor;
    distance_ *= radius / radius_;
    radius_ = radius;
}

void OrbitCamera::keepAbove(float ground, float clearance)
{
    target_.y += std::max(0.0f, ground + clearance - eye().y);
}

Vec3 OrbitCamera::backwards() const
{
    const float az = radians(azimuth_), el = radians(elevation_);
    return {std::cos(el) * std::sin(az), std::sin(el), std::cos(el) * std::cos(az)};
}

// Kept level whatever the elevation, so that looking straight down still has
// a right and an up.
Vec3 OrbitCamera::right() const
{
    const float az = radians(azimuth_);
    return {std::cos(az), 0, -std::sin(az)};
}

Vec3 OrbitCamera::up() const { return cross(backwards(), right()); }

Vec3 OrbitCamera::eye() const { return plus(target_, backwards(), distance_); }

Mat4 OrbitCamera::view() const
{
    const Vec3 r = right(), u = up(), b = backwards(), e = eye();
    return {r.x, u.x, b.x, 0, r.y, u.y, b.y, 0, r.z, u.z, b.z, 0, -dot(r, e), -dot(u, e), -dot(b, e), 1};
}

// Near and far planes follow the distance, keeping the depth buffer's
// precision on the map whatever the zoom.
Mat4 OrbitCamera::projection(float aspect) const
{
    const float f = 1 / std::tan(radians(FieldOfViewDeg / 2));
    const float near = distance_ / 100;
    const float far = distance_ + 4 * radius_;
    return {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + near) / (near - far), -1,
            0, 0, 2 * far * near / (near - far), 0};
}

} // namespace tolvar
