#include "formats/usgs_dem.h"

#include "core/error.h"
#include "core/file_error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"
#include "formats/map_import.h"

#include <algorithm>
#include <string_view>

namespace tolvar {
namespace {

constexpr std::size_t BlockBytes = 1024;
constexpr std::size_t FieldWidth = 6;
constexpr std::size_t ElevationsInFirstBlock = 146;
constexpr std::size_t ElevationsInFurtherBlock = 170;

constexpr FileDialog DemDialog{"dlgOpenDEMFile", "", "", "", false};

// Hands out the file's whole blocks in order; a final partial block counts
// as the end of the file.
class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> file) : file_(file) {}

    std::string_view next()
    {
        if (file_.size() - used_ < BlockBytes)
            throwReadBeyondEnd();
        current_ = {reinterpret_cast<const char*>(file_.data() + used_), BlockBytes};
        used_ += BlockBytes;
        return current_;
    }
    std::string_view current() const { return current_; }

private:
    std::span<const std::uint8_t> file_;
    std::size_t used_ = 0;
    std::string_view current_;
};

// The six characters at byte `first` of the block, bytes counted from 1.
std::string_view field(std::string_view block, std::size_t first)
{
    return block.substr(first - 1, FieldWidth);
}

bool isExponentLetter(char c)
{
    return c == 'D' || c == 'E' || c == 'd' || c == 'e';
}

// A profile's first block carries the exponent letter of its first ground
// coordinate at byte 45, or at byte 44 when a three-digit exponent follows.
bool startsProfile(std::string_view block)
{
    const char at44 = block[43];
    const char at45 = block[44];
    return isExponentLetter(at45) || (isExponentLetter(at44) && (at45 == '+' || at45 == '-'));
}

// Blanks anywhere in the field are dropped; an all-blank field is 0.
std::int32_t elevation(std::string_view text)
{
    char kept[FieldWidth];
    std::size_t count = 0;
    for (const char c : text)
        if (c != ' ')
            kept[count++] = c;
    return count == 0 ? 0 : StrToInt({kept, count});
}

std::int32_t scaledHeight(std::int32_t elevation, std::int32_t steepness)
{
    if (steepness == 0)
        throw Error("Division by zero");
    const std::int32_t quotient = static_cast<std::uint16_t>(elevation) / steepness;
    return quotient > 4095 ? quotient & 0x0FFF : quotient;
}

void skipProfiles(BlockReader& blocks, std::int32_t shift)
{
    if (shift == 0)
        blocks.next();
    for (std::int32_t found = 0; found < shift;)
        if (startsProfile(blocks.next()))
            ++found;
}

// Reads the profile whose first block is current into column col. Step i
// stores elevation i + 1 in row i, so the step i = m reads the field after
// the last elevation, which is blank.
void importProfile(BlockReader& blocks, const UsgsDemImport& import, int col, Grid& map)
{
    std::string_view block = blocks.current();
    const std::int32_t m = StrToInt(field(block, 13));
    const std::int64_t rowMax = std::min<std::int64_t>(m, import.rows);
    std::size_t capacity = ElevationsInFirstBlock;
    std::size_t firstByte = 145;
    std::size_t k = 1;
    for (std::int64_t i = 0; i <= m; ++i, ++k) {
        const bool blockFull = k > capacity;
        // When the elevations fill their last block exactly, the field after
        // them lies in no block: the next block is the next profile's.
        if (blockFull && i < m) {
            block = blocks.next();
            capacity = ElevationsInFurtherBlock;
            firstByte = 1;
            k = 1;
        }
        if (i > rowMax)
            continue;
        const bool blank = blockFull && i == m;
        const std::string_view text = blank ? std::string_view{} : field(block, firstByte + FieldWidth * (k - 1));
        map.store(static_cast<int>(i), col, scaledHeight(elevation(text), import.steepness));
    }
}

} // namespace

void DecodeUsgsDem(std::span<const std::uint8_t> file, const UsgsDemImport& import, Grid& map)
{
    BlockReader blocks(file);
    const std::string_view header = blocks.next();
    // The unit codes must read as integers, though they change nothing.
    StrToInt(field(header, 529));
    StrToInt(field(header, 535));
    skipProfiles(blocks, import.shift);
    for (int col = 1; col <= import.cols; ++col) {
        // Only a column still to fill needs the next block, so the file may
        // end right after the last profile imported.
        if (col > 1)
            blocks.next();
        importProfile(blocks, import, col, map);
    }
}

void OpenUsgsDemFile(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(DemDialog);
    if (!path)
        return;
    InputFile file(*path);
    file.refuseLargerThan({"a USGS DEM file", 64 * MiB});
    frame.BeginOperation();
    const auto bytes = file.readAll();
    AppState& s = frame.state();
    const UsgsDemImport import{s.MapRows, s.MapCols, s.params.Steepness, s.params.Shift};
    ImportIntoMap(s.HeightMap, [&](Grid& map) { DecodeUsgsDem(bytes, import, map); });
    frame.RefreshViews();
}

} // namespace tolvar
