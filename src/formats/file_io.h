#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tolvar {

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

private:
    int fd_;
    std::int64_t size_;
};

// Replaces the file's contents with bytes. The data goes to a temporary file
// beside the target, which replaces the target only once it is complete, so
// a failed write leaves the old file as it was.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The same for a file the program makes on its own, without a dialog: any
// failure is reported as "Cannot create file %s" with the path.
void CreateWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace tolvar
