#pragma once

#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "fake_ui.h"

#include <gtest/gtest.h>

namespace tolvar::testing {

// A fresh process state, a fake UI and a frame over both. The state is
// reset before the frame, which keeps the heights it starts from.
struct FreshAppState {
    FreshAppState() { resetAppState(); }
};

class FrameTest : public ::testing::Test {
protected:
    AppState& state() { return appState(); }
    Grid& map() { return appState().HeightMap; }

    // Logging on, as once the Session menu is reachable.
    void logHistory() { ui.setChecked("SessionLogging1", true); }

    FreshAppState fresh;
    FakeUi ui;
    ScriptedPrompter prompter;
    Frame frame{ui, prompter};
};

} // namespace tolvar::testing
