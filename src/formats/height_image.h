#pragma once

#include "core/grid.h"

#include <QImage>

#include <cstdint>
#include <span>

namespace tolvar {

class Frame;

// Height maps as images: pixel (x, y), counted from 0 at the top left, is
// cell (rows - y, x + 1), so the image looks as the plan view does.

// The map in use as a 16-bit grayscale image of widened heights.
QImage HeightImage16(const Grid& map, int rows, int cols);

// The same as an 8-bit grayscale preview: the top 8 of each height's 12 bits.
QImage HeightPreview8(const Grid& map, int rows, int cols);

// Decodes a PNG file of any depth and colour into 16-bit grayscale; 8-bit
// values v become v x 257. Refuses what does not decode, and images lower
// than 2 or higher than 512 pixels before decoding them.
QImage DecodePngHeights(std::span<const std::uint8_t> file);

// Stores a 16-bit grayscale image into rows and columns 1..rows x 1..cols,
// narrowing its words. Pixels outside those are dropped; cells that no
// pixel reaches become 0.
void PlaceHeightImage(const QImage& image, Grid& map, int rows, int cols);

// File > Bitmap > Save Bitmap: a .png file holds the map losslessly, a
// .bmp file the 8-bit preview.
void SaveBitmap(Frame& frame);
// File > Bitmap > Open PNG Height Map: the image's height sets the map size.
void OpenPngHeightMap(Frame& frame);

} // namespace tolvar
