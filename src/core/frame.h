#pragma once

#include "core/app_state.h"
#include "core/map_document.h"
#include "core/map_transaction.h"
#include "core/prompter.h"
#include "core/ui_port.h"

#include <cstdint>
#include <memory>
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
    MapTransaction& transaction() { return transaction_; }
    UiPort& ui() { return ui_; }
    Prompter& prompter() { return prompter_; }

    // A brush stroke keeps the parameters the last command read: a fractal
    // box half typed must not refuse it.
    enum class Parameters { Read, Kept };
    void BeginOperation(Parameters parameters = Parameters::Read);
    // The map may have changed as a whole: the document tells its
    // listeners, and the checked views are shown and drawn anew.
    void RefreshViews();
    // After a stroke, whose dabs the document heard of already: the views
    // that did not draw them as they came.
    void RefreshViewsAfterStroke();
    void LogCommand(const std::string& line);
    void BusyCursorOn();
    void BusyCursorOff();

    // What a command changes from its BeginOperation on: the Undo
    // snapshot, the size, the parameters, the view, the random generator and
    // the controls BeginOperation enables or locks; the heights the
    // operation began from are in the snapshot then. A command the user
    // cancels puts it all back with rollBack.
    struct Mark {
        std::unique_ptr<const Grid> undoMap;
        MapSize size;
        FractalParams params;
        ViewState view;
        Random random;
        std::uint64_t operations;
        std::vector<bool> controlsEnabled;
        bool sizeBoxEnabled;
    };
    Mark mark() const;
    void rollBack(const Mark& mark);

private:
    void takeMapSize();
    void readParameters();
    void takeSnapshot();
    void refreshOnce(void (UiPort::*refresh)());

    UiPort& ui_;
    Prompter& prompter_;
    AppState& state_;
    MapDocument document_;
    MapTransaction transaction_;
    bool refreshing_ = false;
};

} // namespace tolvar
