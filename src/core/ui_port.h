#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar {

// The main window's parameter boxes, in the order the controls stand.
enum class Box {
    cboHeight,
    ediIterations,
    cboMagnify,
    cboSteep,
    ediReal,
    ediImaginary,
    cboDistort,
    ediRandSeed,
    ediSeaLevel,
    ediShift,
};

// The display of a long command's progress, with which the user can stop
// it. Used only from the thread that owns the windows; destroying it ends
// the display.
class Progress {
public:
    virtual ~Progress() = default;

    // Called every few hundredths of a second while the command works, with
    // the step it has reached; true once the user has asked it to stop.
    virtual bool cancelled(int stepReached) = 0;
};

// What commands need of the windows. The main window implements it; tests
// use a fake. Menu items and buttons are named by their design names.
class UiPort {
public:
    virtual ~UiPort() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, const std::string& text) = 0;
    virtual void setBoxEnabled(Box box, bool enabled) = 0;
    virtual bool isBoxEnabled(Box box) const = 0;

    virtual bool isChecked(std::string_view item) const = 0;
    virtual void setChecked(std::string_view item, bool checked) = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual bool isEnabled(std::string_view control) const = 0;

    // Shows every view that its View menu item asks for and draws it from
    // the map as it stands.
    virtual void refreshViews() = 0;
    // The same after a stroke, for the views that did not draw its changes
    // as it went.
    virtual void refreshViewsAfterStroke() = 0;
    // The same for the wireframe views alone, whose look changed.
    virtual void redrawWireframes() = 0;
    // New hides the flat views; their items stay checked, so that the next
    // refresh shows them again.
    virtual void hideViewsForNewMap() = 0;
    // A blank plan bitmap for the current map size.
    virtual void newOverheadBitmap() = 0;
    virtual void setPointInfo(const std::string& text) = 0;
    virtual void appendHistory(const std::string& line) = 0;
    // The lines of the session history as they stand, edits included.
    virtual std::vector<std::string> historyLines() const = 0;
    // Replaces the session history by these lines.
    virtual void replaceHistory(const std::vector<std::string>& lines) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // The progress of a command of `steps` steps, in a window titled
    // `title` that counts them as "<stepName> 5 of 512". It shows itself
    // only once the command has run for a second.
    virtual std::unique_ptr<Progress> startProgress(int steps, std::string_view title, std::string_view stepName) = 0;
    // A height file was read whole or written: the recent files take it.
    virtual void heightFileUsed(const std::string& path) = 0;
};

} // namespace tolvar
