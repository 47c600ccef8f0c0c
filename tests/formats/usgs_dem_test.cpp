#include "formats/usgs_dem.h"

#include "import_files.h"

#include <gtest/gtest.h>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

void decode(const std::string& file, const UsgsDemImport& import, Grid& map)
{
    DecodeUsgsDem({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}, import, map);
}

// The map an import leaves, from the profiles' fields: column c takes
// profile first + c - 1, row i its field i, and the row after the last
// elevation 0.
Grid expectedMap(Grid map, const std::vector<DemProfile>& profiles, const UsgsDemImport& in, std::size_t first)
{
    for (int c = 1; c <= in.cols; ++c) {
        const auto& fields = profiles[first + static_cast<std::size_t>(c) - 1].fields;
        for (int i = 0; i <= std::min(static_cast<int>(fields.size()), in.rows); ++i) {
            const int value = i < static_cast<int>(fields.size()) ? std::stoi(fields[i]) : 0;
            const int quotient = static_cast<std::uint16_t>(value) / in.steepness;
            map(i, c) = static_cast<Height>(quotient > 4095 ? quotient & 0x0FFF : quotient);
        }
    }
    return map;
}

} // namespace

// Profiles shorter and longer than the map, ones that fill their blocks
// exactly (146, 146 + 170, 146 + 2 x 170) and an empty one; first ground
// coordinates with D and E, two- and three-digit exponents; the file ends
// right after the last profile imported.
TEST(UsgsDem, FillsEachColumnFromItsProfile)
{
    const char* const coordinates[] = {"   0.405000000000000D+06", "   0.405000000000000E+06",
                                       "   0.40500000000000d+006", "   0.40500000000000e-006"};
    const struct {
        UsgsDemImport import;
        std::vector<std::size_t> counts;
        std::size_t first;
    } cases[] = {{{256, 6, 1, 0}, {100, 146, 316, 600, 0, 145}, 0},
                 {{128, 4, 4, 5}, {10, 146, 20, 316, 5, 150, 1, 30}, 4},
                 {{64, 3, 3, 1}, {486, 70, 146}, 0}};
    for (const auto& test : cases) {
        std::vector<DemProfile> profiles;
        for (std::size_t p = 0; p < test.counts.size(); ++p)
            profiles.push_back({demFields(test.counts[p], static_cast<int>(p)), "", coordinates[p % 4]});
        Grid map;
        fillIrregular(map, 5);
        const Grid before = map;
        decode(usgsDem(profiles), test.import, map);
        EXPECT_EQ(map, expectedMap(before, profiles, test.import, test.first)) << test.import.shift;
    }
}

TEST(UsgsDem, ReadsElevationFieldsAsTheirFiguresSay)
{
    const std::tuple<const char*, std::int32_t, Height> cases[] = {
        {"  1234", 1, 1234}, {"  1234", 4, 308}, {"  5000", 1, 904}, {"  5000", 2, 2500},
        {" -100 ", 1, 3996}, {" 1 2 3", 1, 123}, {"      ", 1, 0}};
    for (const auto& [field, steepness, stored] : cases) {
        Grid map;
        decode(usgsDem({{{"     9", field}}}), {128, 1, steepness, 0}, map);
        EXPECT_EQ(std::vector<int>({map(0, 1), map(1, 1), map(2, 1)}), std::vector<int>({9 / steepness, stored, 0}))
            << field;
    }
}
