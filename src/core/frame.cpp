#include "core/frame.h"

#include "core/error.h"
#include "core/number_text.h"

#include <array>

namespace tolvar {
namespace {

constexpr std::array operationItems{"UndoZ1", "View1", "Store1", "Retrieve1"};
constexpr std::array viewButtons{"btnUp", "btnDown", "btnLeft", "btnRight", "btnRotLeft", "btnRotRight"};
// The items that save the map in use.
constexpr std::array saveItems{"Save1", "SaveTerrain1", "SaveBitmap1", "SaveTXTFile1", "SaveBinaryFile1"};

// Every control BeginOperation enables.
std::vector<const char*> enabledByOperation()
{
    std::vector<const char*> controls(operationItems.begin(), operationItems.end());
    controls.insert(controls.end(), viewButtons.begin(), viewButtons.end());
    controls.insert(controls.end(), saveItems.begin(), saveItems.end());
    return controls;
}

// The grids hold 512 data rows, so a size value div 20 must stay in 0..256.
constexpr std::int32_t MaxHalfSize = 256;

std::int32_t readHalfSize(const std::string& text)
{
    const std::int32_t half = StrToInt(text) / 20;
    if (half < 0 || half > MaxHalfSize)
        throw Error(formatMessage("'%s' is not a valid map size: Height / Width takes 0 to 5139", text));
    return half;
}

} // namespace

Frame::Frame(UiPort& ui, Prompter& prompter, AppState& state)
    : ui_(ui), prompter_(prompter), state_(state), document_(state), transaction_(document_)
{
}

void Frame::BeginOperation(Parameters parameters)
{
    for (const char* item : operationItems)
        ui_.setEnabled(item, true);
    for (const char* button : viewButtons)
        ui_.setEnabled(button, true);

    takeMapSize();

    FractalParams& p = state_.params;
    if (p.FirstOperation) {
        p.FirstOperation = false;
        state_.view = ViewState{128, 0, 0, 0};
    }
    ui_.newOverheadBitmap();

    ui_.setBoxEnabled(Box::cboHeight, false);
    for (const char* item : saveItems)
        ui_.setEnabled(item, true);

    if (parameters == Parameters::Read)
        readParameters();
    takeSnapshot();
    transaction_.beginOperation();
}

void Frame::takeMapSize()
{
    FractalParams& p = state_.params;
    p.HalfRows = readHalfSize(ui_.text(Box::cboHeight));
    p.HalfCols = readHalfSize(ui_.text(Box::cboHeight));
    document_.setSize({static_cast<std::uint16_t>(2 * p.HalfRows), static_cast<std::uint16_t>(2 * p.HalfCols)});
}

// The boxes are read in this order, so the first bad one is the one reported.
void Frame::readParameters()
{
    FractalParams& p = state_.params;
    p.Real = StrToDouble(ui_.text(Box::ediReal));
    p.Imaginary = StrToDouble(ui_.text(Box::ediImaginary));
    p.ZRe = 0.0;
    p.ZIm = 0.0;
    p.Distortion = StrToDouble(ui_.text(Box::cboDistort));
    p.CellRow = 0;
    p.CellCol = 0;
    p.CurRow = 0;
    p.Spread = StrToSingle(ui_.text(Box::cboMagnify));
    p.Steepness = StrToInt(ui_.text(Box::cboSteep));
    p.Iterations = StrToInt(ui_.text(Box::ediIterations));
    p.SeaLevel = StrToInt(ui_.text(Box::ediSeaLevel));
    p.Shift = StrToInt(ui_.text(Box::ediShift));
}

void Frame::takeSnapshot()
{
    CopyMapCells(state_.HeightMap, state_.UndoMap, document_.size());
}

void Frame::RefreshViews()
{
    if (refreshing_)
        return;
    document_.mapReplaced();
    refreshOnce(&UiPort::refreshViews);
}

void Frame::RefreshViewsAfterStroke()
{
    if (!refreshing_)
        refreshOnce(&UiPort::refreshViewsAfterStroke);
}

// Showing a view can resize it, and a resize refreshes the views again.
void Frame::refreshOnce(void (UiPort::*refresh)())
{
    refreshing_ = true;
    try {
        (ui_.*refresh)();
    } catch (...) {
        refreshing_ = false;
        throw;
    }
    refreshing_ = false;
}

void Frame::LogCommand(const std::string& line)
{
    if (!state_.params.Replaying && ui_.isChecked("SessionLogging1"))
        ui_.appendHistory(line);
}

Frame::Mark Frame::mark() const
{
    Mark mark{std::make_unique<const Grid>(state_.UndoMap), document_.size(), state_.params, state_.view,
              state_.random, transaction_.operations(), {}, ui_.isBoxEnabled(Box::cboHeight)};
    for (const char* control : enabledByOperation())
        mark.controlsEnabled.push_back(ui_.isEnabled(control));
    return mark;
}

void Frame::rollBack(const Mark& mark)
{
    // An operation that began holds the heights it began from in the Undo
    // snapshot; a command stopped before then changed no height.
    if (transaction_.operations() != mark.operations) {
        CopyMapCells(state_.UndoMap, state_.HeightMap, document_.size());
        document_.regionChanged(CellRect::Whole(document_.size()));
    }
    state_.UndoMap = *mark.undoMap;
    state_.MapRows = mark.size.rows;
    state_.MapCols = mark.size.cols;
    state_.params = mark.params;
    state_.view = mark.view;
    state_.random = mark.random;
    const std::vector<const char*> controls = enabledByOperation();
    for (std::size_t i = 0; i < controls.size(); ++i)
        ui_.setEnabled(controls[i], mark.controlsEnabled[i]);
    ui_.setBoxEnabled(Box::cboHeight, mark.sizeBoxEnabled);
    // BeginOperation gave the plan a blank bitmap; once views have been
    // drawn, draw them again from the map as it was.
    if (!state_.params.FirstOperation)
        RefreshViews();
}

void Frame::BusyCursorOn() { ui_.setBusyCursor(true); }

void Frame::BusyCursorOff() { ui_.setBusyCursor(false); }

} // namespace tolvar
