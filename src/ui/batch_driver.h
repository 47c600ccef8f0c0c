#pragma once

#include <QPoint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QAction;
class QObject;
class QWidget;

namespace tolvar {

class AppWindows;
class ScriptedPrompter;

// Runs the real windows from a list of steps: typing into boxes, clicking
// items and buttons, answering dialogs, printing states and writing the map.
class BatchDriver {
public:
    BatchDriver(AppWindows& windows, ScriptedPrompter& prompter, std::ostream& out, std::ostream& err);

    // The exit status: 0 done, 1 an error box was shown, 2 a usage error.
    int run(const std::vector<std::string>& arguments);

    static const char* helpText();
    // Shows the windows on the display rather than offscreen; read before
    // the application starts.
    static constexpr const char* OnScreenOption = "--on-screen";

private:
    struct Step {
        std::string key;
        std::optional<std::string> value;
    };
    struct UsageError {
        std::string message;
    };

    std::vector<Step> parse(const std::vector<std::string>& arguments);
    void validate(const Step& step) const;
    void perform(const Step& step);
    // Reports the errors of the last step; false when the run must stop.
    bool reportErrors();

    void typeInto(const std::string& name, const std::string& text);
    void click(const std::string& name);
    void clickTool(const std::string& name);
    void withCancel(const std::function<void()>& click);
    bool pressProgressCancel() const;
    void print(const std::string& name);
    void writeGrid(const std::string& path);
    void readHistory(const std::string& path);
    void writeHistory(const std::string& path);
    void createFile(const std::string& path, std::span<const std::uint8_t> bytes);
    void writeShot(const std::string& target);
    void writeScreen(const std::string& path);
    void press(const std::string& target);
    void doubleClick(const std::string& name);
    void orbit(const std::string& value);
    void zoom(const std::string& value);
    void requireShown(const QWidget* widget, const std::string& name) const;

    QObject* named(const std::string& name) const;
    QObject* viewWindow(const std::string& name) const;
    QWidget* imageOf(const std::string& name) const;
    std::optional<std::pair<QWidget*, QPoint>> pressPoint(const std::string& target) const;
    std::optional<std::pair<QWidget*, std::vector<int>>> terrainStep(const std::string& value, int count) const;

    AppWindows& windows_;
    ScriptedPrompter& prompter_;
    std::ostream& out_;
    std::ostream& err_;
    bool keepGoing_ = false;
    bool failed_ = false;
    bool exited_ = false;
    // Milliseconds into the next long run at which Cancel is pressed.
    std::optional<int> cancelAfter_;
};

} // namespace tolvar
