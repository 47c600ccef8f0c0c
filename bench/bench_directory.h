#pragma once

#include <filesystem>
#include <string>

// A directory for the files a benchmark program writes, made at start and
// removed with everything in it when the program ends.
class BenchDirectory {
public:
    explicit BenchDirectory(const char* name) : path_(std::filesystem::temp_directory_path() / name)
    {
        std::filesystem::create_directories(path_);
    }
    ~BenchDirectory() { std::filesystem::remove_all(path_); }
    BenchDirectory(const BenchDirectory&) = delete;
    BenchDirectory& operator=(const BenchDirectory&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};
