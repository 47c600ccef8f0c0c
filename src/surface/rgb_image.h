#pragma once

#include <cstdint>
#include <vector>

namespace tolvar {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

// A plain 24-bit picture, rows top-down, for views drawn without a toolkit.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    void resize(int w, int h, Rgb fill = {})
    {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    }
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    const Rgb& at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

} // namespace tolvar
