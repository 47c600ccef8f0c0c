#include "formats/format_commands.h"

#include "formats/bitmap_import.h"
#include "formats/fractint_batch.h"
#include "formats/height_file.h"
#include "formats/text_heights.h"
#include "formats/usgs_dem.h"
#include "formats/vistapro_dem.h"

#include <array>

namespace tolvar {

CommandTable FormatCommands()
{
    static constexpr std::array<Command, 9> table{{
        {"Open1", OpenHeightFile},
        {"Save1", SaveHeightFile},
        {"OpenHistory1", OpenBatchFile},
        {"OpenBitmapAveraged1", OpenBitmapAveraged},
        {"OpenBitmapDivided1", OpenBitmapDivided},
        {"OpenBitmap1", OpenBitmapMasked},
        {"OpenDEMFile1", OpenUsgsDemFile},
        {"SaveDEMFile1", OpenVistaproDemFile},
        {"OpenTXTFile1", OpenTextHeightFile},
    }};
    return table;
}

} // namespace tolvar
