#pragma once

#include "core/error.h"
#include "surface/rgb_image.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tolvar {

class EWinGError : public Error {
public:
    using Error::Error;
};

using ColourTable = std::array<Rgb, 256>;

// An off-screen picture of 8-bit palette indices: rows top-down, each row
// padded to a multiple of four bytes, with the colour table the indices
// stand for. Made 1 x 1; the colour table outlives changes of size.
class TWinG {
public:
    TWinG();

    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    // A new size remakes the surface (pixels zeroed) and fires OnChange; the
    // current size does nothing.
    void SetWidth(std::uint16_t width);
    void SetHeight(std::uint16_t height);

    int stride() const { return strideFor(width_); }
    static int strideFor(int width) { return (width + 3) / 4 * 4; }

    // Throws EWinGError "Pixel coordinates out of canvas" outside the surface.
    void SetPixel(int x, int y, std::uint8_t index);
    std::uint8_t Pixel(int x, int y) const;

    std::uint8_t* scanLine(int y) { return bits_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride()); }
    const std::uint8_t* scanLine(int y) const
    {
        return bits_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride());
    }

    const ColourTable& colourTable() const { return colours_; }
    void setColourTable(const ColourTable& colours) { colours_ = colours; }

    std::function<void()> OnChange;

private:
    void remake();
    void checkInside(int x, int y) const;

    std::uint16_t width_ = 1;
    std::uint16_t height_ = 1;
    std::vector<std::uint8_t> bits_;
    ColourTable colours_{};
};

} // namespace tolvar
