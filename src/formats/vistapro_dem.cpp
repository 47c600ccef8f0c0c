#include "formats/vistapro_dem.h"

#include "core/error.h"
#include "core/file_error.h"
#include "core/frame.h"
#include "formats/file_io.h"
#include "formats/map_import.h"

#include <algorithm>
#include <string_view>

namespace tolvar {
namespace {

constexpr std::size_t HeaderBytes = 2048;
constexpr int Side = 258;
// The native files are compressed; copied raw they would load as noise.
constexpr std::string_view CompressedMark = "Vista DEM File";

constexpr FileDialog VistaDialog{"dlgOpenVistaDEM", "", "", "", false};

bool isCompressed(std::span<const std::uint8_t> file)
{
    return file.size() >= CompressedMark.size() &&
           std::equal(CompressedMark.begin(), CompressedMark.end(), file.begin());
}

} // namespace

void DecodeVistaproDem(std::span<const std::uint8_t> file, Grid& map)
{
    if (isCompressed(file))
        throw Error("This is a compressed Vistapro DEM file; only uncompressed ones can be opened");
    if (file.size() < VistaproFileBytes)
        throwReadBeyondEnd();
    const std::uint8_t* word = file.data() + HeaderBytes;
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c, word += 2)
            map(r, c) = static_cast<Height>(word[0] | word[1] << 8);
}

void OpenVistaproDemFile(Frame& frame)
{
    // Before the dialog: its effects stand even when the user cancels.
    frame.BeginOperation();
    const auto path = frame.prompter().chooseFile(VistaDialog);
    if (!path)
        return;
    InputFile file(*path);
    const auto bytes = file.read(std::min<std::size_t>(static_cast<std::size_t>(file.size()), VistaproFileBytes));
    ImportIntoMap(frame.state().HeightMap, [&](Grid& map) { DecodeVistaproDem(bytes, map); });
    frame.RefreshViews();
}

} // namespace tolvar
