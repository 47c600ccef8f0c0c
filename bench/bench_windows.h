#pragma once

#include "core/frame.h"
#include "core/scripted_prompter.h"
#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/main_window.h"

#include <memory>

namespace tolvar::bench {

// The program's windows over a 512 map that fill writes in one operation,
// with the view of the menu item shown checked.
struct BenchWindows {
    template <typename Fill> BenchWindows(const char* shown, Fill fill)
    {
        TForm1& form1 = windows.form1();
        form1.setText(Box::cboHeight, "5120");
        form1.setChecked(shown, true);
        form1.runner().runInFrame(
            [&fill](Frame& frame) {
                frame.BeginOperation();
                fill(frame.state().HeightMap);
                frame.RefreshViews();
            },
            "Map");
    }

    ScriptedPrompter prompter;
    std::unique_ptr<AppSettings> settings = AppSettings::inMemory();
    AppWindows windows{prompter, *settings};
};

} // namespace tolvar::bench
