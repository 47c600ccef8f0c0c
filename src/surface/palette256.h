#pragma once

#include "surface/wing.h"

#include <array>
#include <cstdint>
#include <functional>

namespace tolvar {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    bool operator==(const PaletteEntry&) const = default;
};

// 256 palette entries that the owner writes directly; Rebuild makes the
// platform palette from them. With Identity, the system's twenty static
// colours take entries 0..9 and 246..255 so the palette maps one to one onto
// the display's.
class TPalette256 {
public:
    // Marks an entry as free for palette animation, off the static colours.
    static constexpr std::uint8_t ReservedFlag = 1;

    std::array<PaletteEntry, 256> entries{};

    bool Identity() const { return identity_; }
    void SetIdentity(bool identity);
    bool HasPlatformPalette() const { return built_; }

    void Rebuild();

    std::function<void()> OnNewPalette;
    std::function<void()> OnIdentityChange;

private:
    void reserveStaticColours();

    bool identity_ = true;
    bool built_ = false;
};

// The palette's colours as the surface's colour table.
void applyPalette(const TPalette256& palette, TWinG& surface);

} // namespace tolvar
