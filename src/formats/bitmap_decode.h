#pragma once

#include <QImage>

#include <cstdint>
#include <span>

namespace tolvar {

// Decodes a Windows bitmap file with Qt's reader into an ARGB32 picture.
// Refuses with "Bitmap image is not valid" what the reader cannot decode, and
// files with fewer pixel bytes than their header promises, of which the
// reader would leave the missing rows undefined. Colour channels narrower
// than 8 bits are stretched over 0..255: a full 5-bit red is 255, not 248.
QImage DecodeBitmap(std::span<const std::uint8_t> file);

} // namespace tolvar
