#include "formats/bitmap_file.h"

#include "core/error.h"
#include "formats/file_io.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <span>

namespace tolvar {
namespace {

void savePicture(const QImage& picture, const char* format, const std::string& fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        throw Error(formatMessage("Cannot create file %s", fileName));
    CreateWholeFile(fileName, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
}

} // namespace

// Qt writes pictures without a palette with 24 bits a pixel.
void SavePictureBmp(const QImage& picture, const std::string& fileName)
{
    savePicture(picture.convertToFormat(QImage::Format_RGB32), "BMP", fileName);
}

void SavePicturePng(const QImage& picture, const std::string& fileName) { savePicture(picture, "PNG", fileName); }

} // namespace tolvar
