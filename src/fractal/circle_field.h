#pragma once

namespace tolvar {

class Frame;

// Fractal type Circle: clears the map and piles up random discs, level by
// level three times as many and half as large.
void CircleField(Frame& frame);

} // namespace tolvar
