#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstdint>
#include <span>

namespace tolvar {

// Qt's reader of one image format over a file's bytes in memory. It takes
// the bytes for nothing but that format, whatever they look like.
class MemoryImageReader {
public:
    MemoryImageReader(std::span<const std::uint8_t> file, const char* format);
    MemoryImageReader(const MemoryImageReader&) = delete;
    MemoryImageReader& operator=(const MemoryImageReader&) = delete;

    QImageReader& reader() { return reader_; }

private:
    QByteArray data_;
    QBuffer buffer_;
    QImageReader reader_;
};

} // namespace tolvar
