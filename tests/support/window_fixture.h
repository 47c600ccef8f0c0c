#pragma once

#include "core/app_state.h"
#include "core/scripted_prompter.h"
#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace tolvar::testing {

// Fresh process state and a fresh set of the eight windows for each test.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        resetAppState();
        windows = std::make_unique<AppWindows>(prompter, *settings);
    }

    TForm1& form() { return windows->form1(); }
    QAction* item(const char* name) { return form().item(name); }
    QWidget* window(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name)
                return w;
        return nullptr;
    }
    // Clicks a menu item as a user would.
    void click(const char* name)
    {
        item(name)->trigger();
        QApplication::processEvents();
    }

    ScriptedPrompter prompter;
    std::unique_ptr<AppSettings> settings = AppSettings::inMemory();
    std::unique_ptr<AppWindows> windows;
};

} // namespace tolvar::testing
