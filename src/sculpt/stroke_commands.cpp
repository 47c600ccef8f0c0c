#include "sculpt/stroke_commands.h"

#include "core/frame.h"
#include "core/number_text.h"
#include "sculpt/stroke_line.h"

#include <memory>

namespace tolvar {

std::unique_ptr<Stroke> StartStroke(Frame& frame, const BrushSettings& settings, PathPoint press)
{
    frame.BeginOperation(Frame::Parameters::Kept);
    // The Undo snapshot BeginOperation took is the map at the press, and the
    // stroke reads no cell outside the map.
    return std::make_unique<Stroke>(frame.document(), frame.state().UndoMap, settings, press);
}

void FinishStroke(Frame& frame, const Stroke& stroke)
{
    frame.LogCommand(StrokeLine({stroke.settings(), stroke.path()}));
    frame.RefreshViewsAfterStroke();
}

std::string StrokeStateName(const BrushSettings& settings)
{
    return std::string(BrushName(settings.kind)) + " stroke, radius " + IntToStr(settings.radius);
}

void ReplayStroke(Frame& frame, std::string_view arguments)
{
    const StrokeRecord record = ParseStrokeLine(arguments);
    // A replayed session runs it among other operations of one state, so
    // the map at its start is its own.
    const auto base = std::make_unique<const Grid>(frame.document().heights());
    Stroke stroke(frame.document(), *base, record.settings, record.path.front());
    for (std::size_t i = 1; i < record.path.size(); ++i)
        stroke.moveTo(record.path[i]);
}

} // namespace tolvar
