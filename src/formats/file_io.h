#pragma once

#include "core/error.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

// The most a file of one kind can sensibly hold. Limits sit far beyond any
// real file, so that only a file picked by mistake is refused.
struct SizeLimit {
    const char* kind; // "a USGS DEM file"
    std::int64_t bytes;
};

inline constexpr std::int64_t MiB = std::int64_t{1} << 20;

// A file refused for its size, before any of it was read.
class FileTooLarge : public Error {
public:
    FileTooLarge(std::int64_t size, const SizeLimit& limit);
};

// A file opened for reading only, so that read-only files and media open.
// Every failure throws Error with the file system's complaint.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::int64_t size() const { return size_; }
    // The next count bytes; "Read beyond end of file" if the file ends first.
    std::vector<std::uint8_t> read(std::size_t count);
    // All of a file not yet read from.
    std::vector<std::uint8_t> readAll() { return read(static_cast<std::size_t>(size_)); }
    // Throws FileTooLarge when the file holds more than the limit allows.
    void refuseLargerThan(const SizeLimit& limit) const;

private:
    int fd_;
    std::int64_t size_;
};

// The bytes of a text, for the whole-file writers.
inline std::span<const std::uint8_t> TextBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The whole of a file no larger than limit; a larger one is refused unread,
// so that it costs neither time nor memory.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, const SizeLimit& limit);

// Replaces the file's contents with bytes. The data goes to a temporary file
// beside the target, which replaces the target only once it is complete, so
// a failed write leaves the old file as it was.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// One file of a set written together.
struct FileContents {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Writes a set of files that belong together, such as a map's companions:
// every file goes to a temporary beside its target first, and only once all
// are complete do they replace their targets, one after another. When
// replacing one fails, those replaced before it get their old contents back
// (those up to OldContentsLimit bytes; a target that did not exist goes
// again). A failure throws Error "Cannot write NAME: reason" with the file's
// name.
void WriteFileSet(const std::vector<FileContents>& files);
inline constexpr std::int64_t OldContentsLimit = 64 * MiB;

// The same for a file the program makes on its own, without a dialog: any
// failure is reported as "Cannot create file %s" with the path.
void CreateWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace tolvar
