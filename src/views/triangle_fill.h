#pragma once

#include "views/projection.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tolvar {

// The pixels a fill may touch, inclusive on every side.
struct ClipBox {
    int left;
    int top;
    int right;
    int bottom;
};

namespace triangle_detail {

inline std::int64_t floorDiv(std::int64_t num, std::int64_t den)
{
    return num >= 0 ? num / den : -((-num + den - 1) / den);
}

// Where the edge from p to q (p.y < q.y) crosses pixel row y, as the pixel
// range [ceil, floor] of that exact rational x.
inline std::pair<std::int64_t, std::int64_t> crossing(ScreenPoint p, ScreenPoint q, std::int64_t y)
{
    const std::int64_t num = (y - p.y) * (static_cast<std::int64_t>(q.x) - p.x);
    const std::int64_t den = static_cast<std::int64_t>(q.y) - p.y;
    const std::int64_t down = floorDiv(num, den);
    return {p.x + (down * den == num ? down : down + 1), p.x + down};
}

} // namespace triangle_detail

// Calls span(y, left, right) for each pixel row of the closed triangle abc
// inside the clip box, left..right being the pixels whose points lie inside
// the triangle or on its edges. Exact integer arithmetic: a pixel is never
// filled outside the triangle, and triangles that share an edge leave no
// gap along it.
template <class Span>
void ForEachTriangleSpan(ScreenPoint a, ScreenPoint b, ScreenPoint c, const ClipBox& clip, Span&& span)
{
    using triangle_detail::crossing;
    if (a.y > b.y)
        std::swap(a, b);
    if (b.y > c.y)
        std::swap(b, c);
    if (a.y > b.y)
        std::swap(a, b);
    const std::int64_t top = std::max<std::int64_t>(a.y, clip.top);
    const std::int64_t bottom = std::min<std::int64_t>(c.y, clip.bottom);
    for (std::int64_t y = top; y <= bottom; ++y) {
        std::int64_t left = std::min({a.x, b.x, c.x});
        std::int64_t right = std::max({a.x, b.x, c.x});
        if (a.y != c.y) {
            const auto along = crossing(a, c, y);
            const auto side = y < b.y     ? crossing(a, b, y)
                              : b.y < c.y ? crossing(b, c, y)
                                          : std::pair<std::int64_t, std::int64_t>{b.x, b.x};
            left = std::min(along.first, side.first);
            right = std::max(along.second, side.second);
        }
        left = std::max<std::int64_t>(left, clip.left);
        right = std::min<std::int64_t>(right, clip.right);
        if (left <= right)
            span(static_cast<int>(y), static_cast<int>(left), static_cast<int>(right));
    }
}

} // namespace tolvar
