#include "ui/command_runner.h"

#include "core/error.h"
#include "core/number_text.h"
#include "core/prompter.h"
#include "core/ui_port.h"

namespace tolvar {

CommandRunner::CommandRunner(UiPort& ui, Prompter& prompter)
    : ui_(ui), prompter_(prompter), frame_(ui, prompter), states_(frame_.transaction(), [this] { showStep(); })
{
}

void CommandRunner::run(const std::function<void()>& command, const QString& name)
{
    // The only events that get through a long run's modal dialog come from
    // the window system, such as a view resized; its command would draw a
    // map the run is still writing.
    if (inLongRun_)
        return;
    // A command can run another, as a view resized by a refresh does; the
    // outermost one alone makes the state.
    struct Depth {
        int& depth;
        ~Depth() { --depth; }
    } depth{++depth_};
    if (depth.depth == 1)
        pointInfoWritten_ = false;
    try {
        command();
    } catch (const Cancelled&) {
        frame_.transaction().markAllChanged();
    } catch (const std::exception& e) {
        frame_.transaction().markAllChanged();
        prompter_.showError(e.what());
    }
    // A failed command may have changed part of the map: that is a state too.
    if (depth.depth == 1 && !name.isEmpty())
        recordMapState(name);
}

void CommandRunner::runInFrame(const std::function<void(Frame&)>& command, const QString& name)
{
    run([this, &command] { command(frame_); }, name);
}

void CommandRunner::recordMapState(const QString& name)
{
    // A command that wrote the label itself (Undo's "Undone", Open's word
    // count) keeps its words; after any other the old text would be stale.
    if (states_.record(name) && !pointInfoWritten_)
        ui_.setPointInfo(states_.positionText());
    if (!hasUnsavedMap())
        states_.markSaved();
    emit mapStateRecorded();
}

void CommandRunner::showStep()
{
    const AppState& s = frame_.state();
    if (const std::string size = IntToStr(s.MapRows * 10); s.MapRows != 0 && ui_.text(Box::cboHeight) != size)
        ui_.setText(Box::cboHeight, size);
    run([this] { frame_.RefreshViews(); });
    // Undo's snapshot is of the map before the last operation, not of the
    // state stepped to: no operation has run since, so there is nothing to undo.
    ui_.setEnabled("UndoZ1", false);
    ui_.setPointInfo(states_.positionText());
}

bool CommandRunner::hasUnsavedMap() const
{
    return MapChangedSinceSaved(frame_.state());
}

RecoveredMap CommandRunner::recoveryContents() const
{
    const AppState& s = frame_.state();
    return {s.MapRows, s.MapCols, s.HeightMap, ui_.historyLines()};
}

void CommandRunner::recoverMap(const RecoveredMap& copy)
{
    run([this, &copy] { RecoverMap(frame_, copy); }, "Recover");
}

} // namespace tolvar
