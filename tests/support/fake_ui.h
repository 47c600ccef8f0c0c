#pragma once

#include "core/boxes.h"
#include "core/ui_port.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tolvar::testing {

// A UiPort without windows: boxes start with their design texts, the
// check marks with the menu's start state, and every call to the views is
// recorded in order.
class FakeUi : public UiPort {
public:
    FakeUi()
    {
        for (const BoxInfo& info : Boxes)
            texts[info.box] = std::string(info.defaultText);
        checked = {"Mandelbrot1", "Plan1", "WinG1", "N1280", "Green1", "ZoomOverlay1"};
    }

    std::string text(Box box) const override { return texts.at(box); }
    void setText(Box box, const std::string& t) override { texts[box] = t; }
    void setBoxEnabled(Box box, bool enabled) override { boxEnabled[box] = enabled; }
    bool isBoxEnabled(Box box) const override { return !boxEnabled.count(box) || boxEnabled.at(box); }

    bool isChecked(std::string_view item) const override { return checked.count(std::string(item)) != 0; }
    void setChecked(std::string_view item, bool on) override
    {
        if (on)
            checked.insert(std::string(item));
        else
            checked.erase(std::string(item));
    }
    void setEnabled(std::string_view control, bool on) override { enabled[std::string(control)] = on; }
    bool isEnabled(std::string_view control) const override
    {
        const auto found = enabled.find(std::string(control));
        return found != enabled.end() && found->second;
    }

    void refreshViews() override { calls.push_back("refresh views"); }
    void refreshViewsAfterStroke() override { calls.push_back("refresh views after stroke"); }
    void redrawWireframes() override { calls.push_back("redraw wireframes"); }
    void hideViewsForNewMap() override { calls.push_back("hide views for new map"); }
    void newOverheadBitmap() override { calls.push_back("new bitmap"); }
    void setPointInfo(const std::string& t) override
    {
        pointInfo = t;
        calls.push_back("point " + t);
    }
    void appendHistory(const std::string& line) override { history.push_back(line); }
    std::vector<std::string> historyLines() const override { return history; }
    void replaceHistory(const std::vector<std::string>& lines) override { history = lines; }
    void setBusyCursor(bool on) override
    {
        busy = on;
        calls.push_back(on ? "busy on" : "busy off");
    }

    // Cancel is pressed at the first progress poll that finds step
    // cancelAtStep reached; every poll's step is kept in progressPolls.
    std::unique_ptr<Progress> startProgress(int, std::string_view title, std::string_view) override
    {
        struct Polls : Progress {
            explicit Polls(FakeUi& ui) : ui(ui) {}
            bool cancelled(int stepReached) override
            {
                ui.progressPolls.push_back(stepReached);
                return ui.cancelAtStep && stepReached >= *ui.cancelAtStep;
            }
            FakeUi& ui;
        };
        progressPolls.clear();
        progressTitle = title;
        return std::make_unique<Polls>(*this);
    }

    void heightFileUsed(const std::string&) override {}

    std::map<Box, std::string> texts;
    std::map<Box, bool> boxEnabled;
    std::set<std::string> checked;
    std::map<std::string, bool> enabled;
    std::vector<std::string> calls;
    std::vector<std::string> history;
    std::string pointInfo;
    bool busy = false;
    std::optional<int> cancelAtStep;
    std::vector<int> progressPolls;
    std::string progressTitle;
};

} // namespace tolvar::testing
