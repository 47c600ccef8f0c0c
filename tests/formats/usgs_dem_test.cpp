#include "formats/usgs_dem.h"

#include "import_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& file)
{
    return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

// Every other profile marks its first block with another exponent form.
const char* const coordinates[] = {"   0.405000000000000D+06", "   0.405000000000000E+06", "    0.40500000000000d+006",
                                   "    0.40500000000000e-006"};

// The map an import leaves, worked out from the profiles' fields: column c
// takes profile first + c - 1, row i its field i, and the row after the
// last elevation 0.
Grid expectedMap(Grid map, const std::vector<DemProfile>& profiles, const UsgsDemImport& in, std::size_t first)
{
    for (int c = 1; c <= in.cols; ++c) {
        const auto& fields = profiles[first + static_cast<std::size_t>(c) - 1].fields;
        const int m = static_cast<int>(fields.size());
        for (int i = 0; i <= std::min(m, in.rows); ++i) {
            std::string digits;
            if (i < m)
                std::copy_if(fields[i].begin(), fields[i].end(), std::back_inserter(digits),
                             [](char ch) { return ch != ' '; });
            const int quotient = static_cast<std::uint16_t>(digits.empty() ? 0 : std::stoi(digits)) / in.steepness;
            map(i, c) = static_cast<Height>(quotient > 4095 ? quotient & 0x0FFF : quotient);
        }
    }
    return map;
}

struct DemCase {
    UsgsDemImport import;
    std::vector<std::size_t> counts;
    std::size_t firstImported;
};

} // namespace

// Profiles shorter and longer than the map, ones that fill their blocks
// exactly (146, 146 + 170) and an empty one; the file ends right after the
// last profile imported.
TEST(UsgsDem, FillsEachColumnFromItsProfile)
{
    const std::vector<DemCase> cases{
        {{256, 6, 1, 0}, {100, 146, 316, 600, 0, 145}, 0},
        {{128, 5, 4, 3}, {10, 146, 20, 316, 5, 150, 1}, 2},
        {{64, 3, 3, 1}, {486, 70, 146}, 0},
    };
    for (const DemCase& test : cases) {
        std::vector<DemProfile> profiles;
        for (std::size_t p = 0; p < test.counts.size(); ++p)
            profiles.push_back({demFields(test.counts[p], static_cast<int>(p)), "", coordinates[p % 4]});
        Grid map;
        fillIrregular(map, 5);
        const Grid before = map;
        DecodeUsgsDem(bytesOf(usgsDem(profiles)), test.import, map);
        EXPECT_EQ(map, expectedMap(before, profiles, test.import, test.firstImported)) << test.import.shift;
    }
}

TEST(UsgsDem, ReadsElevationFieldsAsTheirFiguresSay)
{
    const struct {
        const char* field;
        std::int32_t steepness;
        Height stored;
    } cases[] = {{"  1234", 1, 1234}, {"  1234", 4, 308}, {"  5000", 1, 904}, {"  5000", 2, 2500},
                 {" -100 ", 1, 3996}, {" 1 2 3", 1, 123}, {"      ", 1, 0}};
    for (const auto& test : cases) {
        Grid map;
        DecodeUsgsDem(bytesOf(usgsDem({{{"     9", test.field}}})), {128, 1, test.steepness, 0}, map);
        EXPECT_EQ(map(0, 1), 9 / test.steepness);
        EXPECT_EQ(map(1, 1), test.stored) << test.field;
        EXPECT_EQ(map(2, 1), 0) << "the blank after the last elevation";
    }
}
