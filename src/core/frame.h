#pragma once

#include "core/app_state.h"
#include "core/prompter.h"
#include "core/ui_port.h"

#include <string>

namespace tolvar {

// The frame every command runs in: the prologue that reads the parameters
// and takes the undo snapshot, the view refresh, the history line and the
// busy cursor.
class Frame {
public:
    Frame(UiPort& ui, Prompter& prompter, AppState& state = appState());

    AppState& state() { return state_; }
    UiPort& ui() { return ui_; }
    Prompter& prompter() { return prompter_; }

    void BeginOperation();
    void RefreshViews();
    void LogCommand(const std::string& line);
    void BusyCursorOn();
    void BusyCursorOff();

private:
    void takeMapSize();
    void readParameters();
    void takeSnapshot();

    UiPort& ui_;
    Prompter& prompter_;
    AppState& state_;
    bool refreshing_ = false;
};

} // namespace tolvar
