#pragma once

#include "core/app_state.h"
#include "core/map_document.h"
#include "core/prompter.h"
#include "core/ui_port.h"

#include <string>
#include <vector>

namespace tolvar {

// The frame every command runs in: the prologue that reads the parameters
// and takes the undo snapshot, the view refresh, the history line and the
// busy cursor.
class Frame {
public:
    Frame(UiPort& ui, Prompter& prompter, AppState& state = appState());

    AppState& state() { return state_; }
    const AppState& state() const { return state_; }
    MapDocument& document() { return document_; }
    UiPort& ui() { return ui_; }
    Prompter& prompter() { return prompter_; }

    void BeginOperation();
    // The map may have changed as a whole: the document tells its
    // listeners, and the checked views are shown and drawn anew.
    void RefreshViews();
    void LogCommand(const std::string& line);
    void BusyCursorOn();
    void BusyCursorOff();

    // What a command changes from its BeginOperation on: the process-wide
    // data and the controls BeginOperation enables or locks. A command the
    // user cancels puts it all back with rollBack.
    struct Mark {
        AppState state;
        std::vector<bool> controlsEnabled;
        bool sizeBoxEnabled;
    };
    Mark mark() const;
    void rollBack(const Mark& mark);

private:
    void takeMapSize();
    void readParameters();
    void takeSnapshot();

    UiPort& ui_;
    Prompter& prompter_;
    AppState& state_;
    MapDocument document_;
    bool refreshing_ = false;
};

} // namespace tolvar
