#include "core/map_commands.h"

#include "core/frame.h"
#include "core/number_text.h"

#include <array>

namespace tolvar {

void Undo(Frame& frame)
{
    AppState& s = frame.state();
    CopyMapCells(s.UndoMap, s.HeightMap, frame.document().size());
    frame.ui().setEnabled("UndoZ1", false);
    frame.RefreshViews();
    frame.ui().setPointInfo("Undone");
}

void NewMap(Frame& frame)
{
    UiPort& ui = frame.ui();
    if (frame.prompter().confirm("New Map", "This will clear the current map.")) {
        frame.BeginOperation();
        Grid& map = frame.state().HeightMap;
        for (int r = 1; r <= 512; ++r)
            for (int c = 1; c <= 512; ++c)
                map(r, c) = 0;
        ui.hideViewsForNewMap();
        ui.setBoxEnabled(Box::cboHeight, true);
    }
    frame.LogCommand("New");
    frame.RefreshViews();
}

void SetRandomSeed(Frame& frame)
{
    const std::string text = frame.ui().text(Box::ediRandSeed);
    frame.state().random.RandomSeed = static_cast<std::uint32_t>(StrToInt(text));
    frame.LogCommand("Rnd=" + text);
}

void Randomize(Frame& frame)
{
    Random& random = frame.state().random;
    random.SeedFromClock();
    frame.ui().setText(Box::ediRandSeed, IntToStr(static_cast<std::int32_t>(random.RandomSeed)));
    frame.LogCommand("Rnd=" + frame.ui().text(Box::ediRandSeed));
}

CommandTable CoreCommands()
{
    static constexpr std::array<Command, 4> table{{
        {"New1", NewMap},
        {"UndoZ1", Undo},
        {"SetRandSeed1", SetRandomSeed},
        {"GetRandomSeed1", Randomize},
    }};
    return table;
}

} // namespace tolvar
