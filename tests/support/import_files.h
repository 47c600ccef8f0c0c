#pragma once

#include "irregular_map.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace tolvar::testing {

inline void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// An integer right-justified in six characters, as DEM files write them.
inline std::string six(long value)
{
    const std::string digits = std::to_string(value);
    return std::string(6 - std::min<std::size_t>(6, digits.size()), ' ') + digits;
}

// A DEM profile: its elevation fields, its count of elevations (the number
// of fields unless given) and its first ground coordinate, whose exponent
// letter marks the profile's first block.
struct DemProfile {
    std::vector<std::string> fields;
    std::string count = "";
    std::string coordinate = "   0.405000000000000D+06";
};

// The A record with its unit codes at bytes 529 and 535, then each profile
// in 1024-byte blocks: 146 elevations in the first from byte 145, 170 in
// each further one from byte 1.
inline std::string usgsDem(const std::vector<DemProfile>& profiles, const std::string& groundUnit = "     2")
{
    std::string file(1024, ' ');
    file.replace(528, 12, groundUnit + "     2");
    for (const DemProfile& p : profiles) {
        std::string block(1024, ' ');
        block.replace(12, 6, p.count.empty() ? six(static_cast<long>(p.fields.size())) : p.count);
        block.replace(24, 24, p.coordinate);
        for (std::size_t k = 0; k < p.fields.size(); ++k) {
            if (k >= 146 && (k - 146) % 170 == 0)
                file += std::exchange(block, std::string(1024, ' '));
            block.replace(k < 146 ? 144 + 6 * k : 6 * ((k - 146) % 170), 6, p.fields[k]);
        }
        file += block;
    }
    return file;
}

// Irregular elevation fields, negative ones among them.
inline std::vector<std::string> demFields(std::size_t count, int profile)
{
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < count; ++i)
        fields.push_back(six(irregularHeight(static_cast<int>(i), profile, 3) % 12000 - 2000L));
    return fields;
}

// The numbers of a text height file between separators of every kind; the
// last number ends the file.
inline std::string textHeights(const std::vector<long>& numbers)
{
    const char* const separators[] = {" ", "\r\n", ",", "\t", "-", ".", "  x "};
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k)
        text += (k ? separators[k % 7] : "") + std::to_string(numbers[k]);
    return text;
}

} // namespace tolvar::testing
