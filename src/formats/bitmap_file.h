#pragma once

#include <QImage>

#include <string>

namespace tolvar {

// Saves the picture as a 24-bit BMP file, replacing any file of that name.
// The file appears whole or not at all; failing that, raises
// "Cannot create file %s" with the name.
void SavePictureBmp(const QImage& picture, const std::string& fileName);
// The same for a PNG file, which keeps the picture's colours as they are.
void SavePicturePng(const QImage& picture, const std::string& fileName);

} // namespace tolvar
