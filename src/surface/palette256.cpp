#include "surface/palette256.h"

namespace tolvar {
namespace {

// The classic twenty static colours of an 8-bit desktop: ten at each end.
constexpr std::array<Rgb, 10> LowStatic{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {192, 220, 192},
    {166, 202, 240},
}};
constexpr std::array<Rgb, 10> HighStatic{{
    {255, 251, 240},
    {160, 160, 164},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

PaletteEntry staticEntry(const Rgb& c) { return {c.red, c.green, c.blue, 0}; }

} // namespace

void TPalette256::SetIdentity(bool identity)
{
    if (identity == identity_)
        return;
    identity_ = identity;
    if (OnIdentityChange)
        OnIdentityChange();
}

void TPalette256::reserveStaticColours()
{
    for (std::size_t i = 0; i < LowStatic.size(); ++i) {
        entries[i] = staticEntry(LowStatic[i]);
        entries[246 + i] = staticEntry(HighStatic[i]);
    }
    for (std::size_t i = 10; i <= 245; ++i)
        entries[i].flags = ReservedFlag;
}

void TPalette256::Rebuild()
{
    if (identity_)
        reserveStaticColours();
    built_ = true;
    if (OnNewPalette)
        OnNewPalette();
}

void applyPalette(const TPalette256& palette, TWinG& surface)
{
    ColourTable table;
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {palette.entries[i].red, palette.entries[i].green, palette.entries[i].blue};
    surface.setColourTable(table);
}

} // namespace tolvar
