#include "views/view_commands.h"

#include "core/frame.h"

#include <array>
#include <string_view>

namespace tolvar {
namespace {

// Moving back stops at 0; moving on stops where (size x count) div 2 would
// pass MapRows - size. Each direction checks only its own limit.
bool stepFits(const AppState& s, std::int64_t count, std::int32_t delta)
{
    if (delta < 0)
        return count >= 0;
    const std::int64_t size = s.view.ViewSize;
    return size * count / 2 <= s.MapRows - size;
}

void step(Frame& frame, std::int32_t ViewState::*count, std::int32_t delta)
{
    ViewState& view = frame.state().view;
    const std::int64_t moved = static_cast<std::int64_t>(view.*count) + delta;
    if (!stepFits(frame.state(), moved, delta))
        return;
    view.*count = static_cast<std::int32_t>(moved);
    frame.RefreshViews();
}

void turn(Frame& frame, std::int32_t delta)
{
    ViewState& view = frame.state().view;
    view.ViewRotation = (view.ViewRotation + delta + 4) % 4;
    frame.RefreshViews();
}

constexpr std::array<std::string_view, 3> SizeItems{"N1280", "N640", "N320"};
constexpr std::array<std::string_view, 4> SchemeItems{"Green1", "Black1", "Contour1", "Contour2"};

template <std::size_t N>
void checkOnly(UiPort& ui, const std::array<std::string_view, N>& items, std::string_view chosen)
{
    for (std::string_view item : items)
        ui.setChecked(item, item == chosen);
}

void chooseSize(Frame& frame, std::string_view item, std::int32_t size, bool toCorner)
{
    ViewState& view = frame.state().view;
    view.ViewSize = size;
    if (toCorner) {
        view.ViewStepsDown = 0;
        view.ViewStepsRight = 0;
    }
    checkOnly(frame.ui(), SizeItems, item);
    frame.RefreshViews();
}

void chooseScheme(Frame& frame, std::string_view item)
{
    checkOnly(frame.ui(), SchemeItems, item);
    frame.ui().redrawWireframes();
}

} // namespace

void btnUpClick(Frame& frame) { step(frame, &ViewState::ViewStepsDown, -1); }
void btnDownClick(Frame& frame) { step(frame, &ViewState::ViewStepsDown, +1); }
void btnLeftClick(Frame& frame) { step(frame, &ViewState::ViewStepsRight, -1); }
void btnRightClick(Frame& frame) { step(frame, &ViewState::ViewStepsRight, +1); }
void btnRotLeftClick(Frame& frame) { turn(frame, +1); }
void btnRotRightClick(Frame& frame) { turn(frame, -1); }

void N1280Click(Frame& frame) { chooseSize(frame, "N1280", 128, true); }
void N640Click(Frame& frame) { chooseSize(frame, "N640", 64, true); }
void N320Click(Frame& frame) { chooseSize(frame, "N320", 32, false); }

void ClickCheckedSizeItem(Frame& frame)
{
    const UiPort& ui = frame.ui();
    if (ui.isChecked("N1280"))
        N1280Click(frame);
    else if (ui.isChecked("N640"))
        N640Click(frame);
    else if (ui.isChecked("N320"))
        N320Click(frame);
}

void Green1Click(Frame& frame) { chooseScheme(frame, "Green1"); }
void Black1Click(Frame& frame) { chooseScheme(frame, "Black1"); }
void Contour1Click(Frame& frame) { chooseScheme(frame, "Contour1"); }
void Contour2Click(Frame& frame) { chooseScheme(frame, "Contour2"); }

ColourScheme CheckedScheme(const UiPort& ui)
{
    if (ui.isChecked("Black1"))
        return ColourScheme::BlackOnWhite;
    if (ui.isChecked("Contour1"))
        return ColourScheme::ContourColour;
    if (ui.isChecked("Contour2"))
        return ColourScheme::ContourGrey;
    return ColourScheme::GreenOnBlack;
}

void Filled1Click(Frame& frame)
{
    UiPort& ui = frame.ui();
    ui.setChecked("Filled1", !ui.isChecked("Filled1"));
    ui.redrawWireframes();
}

MeshFill CheckedFill(const UiPort& ui) { return ui.isChecked("Filled1") ? MeshFill::Filled : MeshFill::Outline; }

void ZoomOverlay1Click(Frame& frame)
{
    UiPort& ui = frame.ui();
    ui.setChecked("ZoomOverlay1", !ui.isChecked("ZoomOverlay1"));
}

CommandTable ViewCommands()
{
    static constexpr std::array<Command, 15> table{{
        {"btnUp", btnUpClick},
        {"btnDown", btnDownClick},
        {"btnLeft", btnLeftClick},
        {"btnRight", btnRightClick},
        {"btnRotLeft", btnRotLeftClick},
        {"btnRotRight", btnRotRightClick},
        {"N1280", N1280Click},
        {"N640", N640Click},
        {"N320", N320Click},
        {"Green1", Green1Click},
        {"Black1", Black1Click},
        {"Contour1", Contour1Click},
        {"Contour2", Contour2Click},
        {"Filled1", Filled1Click},
        {"ZoomOverlay1", ZoomOverlay1Click},
    }};
    return table;
}

} // namespace tolvar
