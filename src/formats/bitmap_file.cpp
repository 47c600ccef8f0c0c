#include "formats/bitmap_file.h"

#include "core/error.h"
#include "formats/file_io.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <span>

namespace tolvar {

void SavePictureBmp(const QImage& picture, const std::string& fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes pictures without a palette with 24 bits a pixel.
    if (!picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw Error(formatMessage("Cannot create file %s", fileName));
    CreateWholeFile(fileName, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
}

} // namespace tolvar
