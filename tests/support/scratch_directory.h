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

} // namespace tolvar::testing
