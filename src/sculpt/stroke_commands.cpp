#include "sculpt/stroke_commands.h"

#include "core/frame.h"
#include "core/number_text.h"
#include "sculpt/stroke_line.h"

namespace tolvar {

std::unique_ptr<Stroke> StartStroke(Frame& frame, const BrushSettings& settings, PathPoint press)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    return std::make_unique<Stroke>(s.HeightMap, s.MapRows, s.MapCols, settings, press);
}

void FinishStroke(Frame& frame, const Stroke& stroke)
{
    frame.LogCommand(StrokeLine({stroke.settings(), stroke.path()}));
    frame.RefreshViews();
}

std::string StrokeStateName(const BrushSettings& settings)
{
    return std::string(BrushName(settings.kind)) + " stroke, radius " + IntToStr(settings.radius);
}

void ReplayStroke(Frame& frame, std::string_view arguments)
{
    const StrokeRecord record = ParseStrokeLine(arguments);
    AppState& s = frame.state();
    Stroke stroke(s.HeightMap, s.MapRows, s.MapCols, record.settings, record.path.front());
    for (std::size_t i = 1; i < record.path.size(); ++i)
        stroke.moveTo(record.path[i]);
}

} // namespace tolvar
