#include "formats/format_commands.h"

#include "formats/bitmap_import.h"
#include "formats/fractint_batch.h"
#include "formats/game_terrain_save.h"
#include "formats/height_file.h"
#include "formats/height_image.h"
#include "formats/raw_heights.h"
#include "formats/text_heights.h"
#include "formats/usgs_dem.h"
#include "formats/vistapro_dem.h"

#include <array>

namespace tolvar {

CommandTable FormatCommands()
{
    static constexpr std::array<Command, 15> table{{
        {"Open1", OpenHeightFile},
        {"Save1", SaveHeightFile},
        {"SaveTerrain1", SaveGameTerrain},
        {"OpenHistory1", OpenBatchFile},
        {"OpenBitmapAveraged1", OpenBitmapAveraged},
        {"OpenBitmapDivided1", OpenBitmapDivided},
        {"OpenBitmap1", OpenBitmapMasked},
        {"OpenDEMFile1", OpenUsgsDemFile},
        {"SaveDEMFile1", OpenVistaproDemFile},
        {"OpenTXTFile1", OpenTextHeightFile},
        {"SaveTXTFile1", SaveTextHeightFile},
        {"SaveBitmap1", SaveBitmap},
        {"OpenPngHeight1", OpenPngHeightMap},
        {"OpenBinaryFile1", OpenBinaryFile},
        {"SaveBinaryFile1", SaveBinaryFile},
    }};
    return table;
}

} // namespace tolvar
