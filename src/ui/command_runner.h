#pragma once

#include "core/frame.h"
#include "session/map_states.h"
#include "session/recovery_copy.h"
#include "views/operation_runner.h"

#include <QObject>
#include <QString>
#include <functional>

namespace tolvar {

class Prompter;
class UiPort;

// Runs every command, from a menu item, a button or another window, in the
// one frame: an error ends it with a message box, and a map it changed
// becomes a state for Step Backward.
class CommandRunner : public QObject, public OperationRunner {
    Q_OBJECT

public:
    CommandRunner(UiPort& ui, Prompter& prompter);

    Frame& frame() { return frame_; }
    const AppState& state() const { return frame_.state(); }
    MapStates& states() { return states_; }

    // A map the command changed becomes a state named name, unless it is
    // empty: the start of an operation that a later command ends (a
    // stroke's press) makes none.
    void run(const std::function<void()>& command, const QString& name = "Change");
    void runInFrame(const std::function<void(Frame&)>& command, const QString& name) override;
    // Makes a state for Step Backward from the map as it stands, if it
    // changed since the last one. Every command ends with it.
    void recordMapState(const QString& name);

    // True while a long command writes the map and keeps the events going:
    // its progress dialog holds the flag for as long as it lives.
    bool inLongRun() const { return inLongRun_; }
    void setLongRun(bool running) { inLongRun_ = running; }
    // The command running wrote the point label itself.
    void notePointInfoWritten() { pointInfoWritten_ = true; }

    // A map no height file holds, which a recovery copy keeps.
    bool hasUnsavedMap() const;
    RecoveredMap recoveryContents() const;
    // Puts a recovered map in place, as an operation of its own.
    void recoverMap(const RecoveredMap& copy);

signals:
    // A command ended, or recordMapState was called: the map stands.
    void mapStateRecorded();

private:
    // After a step through the states: the views and "Step 3 of 17".
    void showStep();

    UiPort& ui_;
    Prompter& prompter_;
    Frame frame_;
    MapStates states_;
    int depth_ = 0;
    bool pointInfoWritten_ = false;
    bool inLongRun_ = false;
};

} // namespace tolvar
