#pragma once

#include <QKeyCombination>
#include <QPoint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QAbstractItemView;
class QAction;
class QObject;
class QWidget;

namespace tolvar {

struct MapSpot;
class AppWindows;
class ViewForm;
class CrashRecovery;
class ScriptedPrompter;

// Runs the real windows from a list of steps: typing into boxes, clicking
// items and buttons, answering dialogs, printing states and writing the map.
class BatchDriver {
public:
    BatchDriver(AppWindows& windows, ScriptedPrompter& prompter, std::ostream& out, std::ostream& err);
    ~BatchDriver();

    // The exit status: 0 done, 1 an error box was shown, 2 a usage error.
    int run(const std::vector<std::string>& arguments);

    static std::string helpText();
    // Shows the windows on the display rather than offscreen; read before
    // the application starts.
    static constexpr const char* OnScreenOption = "--on-screen";
    // The folder of --settings-dir, read before the windows open; without
    // it the run neither reads nor writes any settings.
    static constexpr const char* SettingsOption = "--settings-dir";
    static std::optional<std::string> settingsFolder(const std::vector<std::string>& arguments);

private:
    struct Step {
        std::string key;
        std::optional<std::string> value;
    };
    struct UsageError {
        std::string message;
    };
    // A NAME=VALUE step other than typing into a box: its form and help
    // line for --help, the check of its value made before any step runs,
    // and what it does.
    struct StepKind {
        std::string_view usage; // "print=NAME"
        std::string_view help;  // a second line follows a '\n'
        bool (*accepts)(const BatchDriver& driver, const std::string& value);
        void (*run)(BatchDriver& driver, const std::string& value);
    };
    // The tables of steps, one for each window, and all of them in order.
    static std::vector<StepKind> mainSteps();
    static std::vector<StepKind> sculptSteps();
    static std::vector<StepKind> view3dSteps();
    static std::vector<StepKind> inputSteps();
    static std::vector<StepKind> runSteps();
    static const std::vector<StepKind>& stepKinds();
    static const StepKind* stepKind(const std::string& name);
    static std::optional<int> millisecondsOf(const std::string& text);

    std::vector<Step> parse(const std::vector<std::string>& arguments);
    // The value of an option that takes one, from the argument after it.
    std::string optionValue(const std::vector<std::string>& arguments, std::size_t& at) const;
    // With --recovery-dir: keeps recovery copies there, and offers the one
    // left behind once the answer steps in front of the others are queued.
    void startRecovery(std::vector<Step>::const_iterator& next, std::vector<Step>::const_iterator end);
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
    void printRecentFiles();
    void printFrame(const std::string& name);
    void printRows(const std::string& name, const QAbstractItemView& list);
    void writeGrid(const std::string& path);
    void readHistory(const std::string& path);
    void writeHistory(const std::string& path);
    void createFile(const std::string& path, std::span<const std::uint8_t> bytes);
    void writeShot(const std::string& target);
    void writeScreen(const std::string& path);
    void wait(int milliseconds);
    void press(const std::string& target);
    void doubleClick(const std::string& name);
    // Drags the 3D View with one mouse button: the left turns, the right slides.
    void dragTerrain(const std::string& value, Qt::MouseButton button);
    void turnWheel(const std::string& value);
    void requireShown(const QWidget* widget, const std::string& name) const;
    std::optional<std::pair<QWidget*, QKeyCombination>> keyStep(const std::string& target) const;
    void pressKey(const std::string& target);
    void typeIntoOther(const std::string& name, const std::string& text);
    QWidget* otherBox(const std::string& name) const;
    static std::optional<std::string> sculptArgument(const std::string& target);
    static std::optional<int> zoomPercent(const std::string& target);
    static std::optional<std::vector<MapSpot>> dragPath(const std::string& target);
    void drag(const std::vector<MapSpot>& path);

    QObject* named(const std::string& name) const;
    // The view window of a shot step, "frmSculpt:PATH.png".
    ViewForm* shotWindow(const std::string& target) const;
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
    std::optional<std::string> recoveryDir_;
    int autosaveSeconds_ = 60;
    std::unique_ptr<CrashRecovery> recovery_;
};

} // namespace tolvar
