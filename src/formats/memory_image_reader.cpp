#include "formats/memory_image_reader.h"

namespace tolvar {

MemoryImageReader::MemoryImageReader(std::span<const std::uint8_t> file, const char* format)
    : data_(QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()))),
      buffer_(&data_)
{
    buffer_.open(QIODevice::ReadOnly);
    reader_.setDevice(&buffer_);
    reader_.setFormat(format);
    reader_.setAutoDetectImageFormat(false);
}

} // namespace tolvar
