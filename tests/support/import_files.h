#pragma once

#include "irregular_map.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
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

// One profile of a USGS DEM file: its elevation fields as written, its count
// of elevations (the number of fields unless given) and the first ground
// coordinate, whose exponent letter marks the profile's first block.
struct DemProfile {
    std::vector<std::string> fields;
    std::string count = "";
    std::string coordinate = "   0.405000000000000D+06";
};

inline void put(std::string& block, std::size_t firstByte, const std::string& text)
{
    block.replace(firstByte - 1, text.size(), text);
}

// A DEM file laid out field by field: the A record with its two unit codes,
// then each profile in 1024-byte blocks, 146 elevations in the first block
// from byte 145 and 170 in each further one from byte 1.
inline std::string usgsDem(const std::vector<DemProfile>& profiles, const std::string& groundUnit = "     2")
{
    std::string header(1024, ' ');
    put(header, 529, groundUnit);
    put(header, 535, "     2");
    std::string file = header;
    for (const DemProfile& p : profiles) {
        std::string block(1024, ' ');
        put(block, 13, p.count.empty() ? six(static_cast<long>(p.fields.size())) : p.count);
        put(block, 25, p.coordinate);
        std::size_t k = 0, capacity = 146, firstByte = 145;
        for (const std::string& field : p.fields) {
            if (k == capacity) {
                file += block;
                block.assign(1024, ' ');
                k = 0, capacity = 170, firstByte = 1;
            }
            put(block, firstByte + 6 * k++, field);
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
        fields.push_back(six(static_cast<long>(irregularHeight(static_cast<int>(i), profile, 3) % 12000) - 2000));
    return fields;
}

// 257 x 257 numbers of a text height file, each followed by a separator
// except the last, which ends the file.
inline std::string textHeights(const std::vector<long>& numbers)
{
    const std::string separators[] = {" ", "\r\n", ",", "\t", "-", ".", "  x "};
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k)
        text += (k ? separators[k % 7] : "") + std::to_string(numbers[k]);
    return text;
}

} // namespace tolvar::testing
