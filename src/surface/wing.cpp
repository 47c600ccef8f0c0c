#include "surface/wing.h"

namespace tolvar {

TWinG::TWinG() { bits_.assign(static_cast<std::size_t>(stride()) * height_, 0); }

void TWinG::SetWidth(std::uint16_t width)
{
    if (width == width_)
        return;
    width_ = width;
    remake();
}

void TWinG::SetHeight(std::uint16_t height)
{
    if (height == height_)
        return;
    height_ = height;
    remake();
}

void TWinG::remake()
{
    bits_.assign(static_cast<std::size_t>(stride()) * height_, 0);
    if (OnChange)
        OnChange();
}

void TWinG::checkInside(int x, int y) const
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        throw EWinGError("Pixel coordinates out of canvas");
}

void TWinG::SetPixel(int x, int y, std::uint8_t index)
{
    checkInside(x, y);
    scanLine(y)[x] = index;
}

std::uint8_t TWinG::Pixel(int x, int y) const
{
    checkInside(x, y);
    return scanLine(y)[x];
}

} // namespace tolvar
