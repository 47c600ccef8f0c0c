#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace tolvar::testing {

// A fresh, empty directory for files a test writes, so that tests run side by
// side never meet.
inline std::string scratchDirectory(const std::string& prefix = "tolvar-test-")
{
    std::random_device entropy;
    for (;;) {
        const auto dir = std::filesystem::temp_directory_path() / (prefix + std::to_string(entropy()));
        if (std::filesystem::create_directory(dir))
            return dir.string();
    }
}

// Removes a scratch directory. Windows refuses for a moment while a program
// that ran in it is being torn down; a folder left in the temporary directory
// is harmless, a test ended by the exception is not.
inline void removeScratchDirectory(const std::string& dir)
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

} // namespace tolvar::testing
