#pragma once

#include "core/frame.h"
#include "core/ui_port.h"
#include "session/map_states.h"
#include "session/recovery_copy.h"

#include <QHash>
#include <QWidget>
#include <functional>

class QAction;
class QAbstractButton;

namespace tolvar {

class ParameterPanel;
class TfrmDisplay;
class TfrmMapDisplay;
class TfrmHistory;
class Tfrm1st;
class TfrmSculpt;
class Tfrm3D;
class TfrmToolbox;
class WrappingMenuBar;

// The other windows, which the main window shows, hides and draws into.
struct ViewWindows {
    TfrmDisplay* display;
    TfrmMapDisplay* mapDisplay;
    QWidget* about;
    TfrmHistory* history;
    Tfrm1st* wing;
    TfrmToolbox* toolbox;
    TfrmSculpt* sculpt;
    Tfrm3D* view3d;
};

// "Tolvar": the narrow, always-on-top control panel with the parameter boxes,
// the view buttons and the menu from which every command starts.
class TForm1 : public QWidget, public UiPort {
    Q_OBJECT

public:
    explicit TForm1(Prompter& prompter);
    ~TForm1() override;

    // Called once the other windows exist, before the first command.
    void attach(const ViewWindows& windows);

    QAction* item(const QString& name) const { return actions_.value(name); }
    // True when the item and every menu above it are enabled.
    bool reachable(const QString& name) const;
    const QHash<QString, QAction*>& items() const { return actions_; }
    const ParameterPanel& panel() const { return *panel_; }
    // Runs a command from another window in the frame of the menu commands.
    // A map it changed becomes the state name; an empty name makes none, for
    // the start of an operation that a later command ends (a stroke's press).
    void runInFrame(const std::function<void(Frame&)>& command, const QString& name);
    // Opens a height file named at start, as File > Open does.
    void openHeightFile(const std::string& path);
    // Makes a state for Step Backward from the map as it stands, if it
    // changed since the last one. Every command ends with it; a command run
    // outside the menus and buttons (a brush stroke) calls it once when done.
    void recordMapState(const QString& name);
    // True while a long command writes the map and keeps the events going.
    bool inLongRun() const { return inLongRun_; }
    // A map no height file holds, which a recovery copy keeps.
    bool hasUnsavedMap() const;
    RecoveredMap recoveryContents() const;
    // Puts a recovered map in place, as an operation of its own.
    void recoverMap(const RecoveredMap& copy);

    // UiPort
    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    void setBoxEnabled(Box box, bool enabled) override;
    bool isChecked(std::string_view item) const override;
    void setChecked(std::string_view item, bool checked) override;
    void setEnabled(std::string_view control, bool enabled) override;
    void showAndDraw(ViewWindow window) override;
    void hideWindow(ViewWindow window) override;
    void newOverheadBitmap() override;
    void setPointInfo(const std::string& text) override;
    void appendHistory(const std::string& line) override;
    std::vector<std::string> historyLines() const override;
    void replaceHistory(const std::vector<std::string>& lines) override;
    void setBusyCursor(bool busy) override;
    bool isBoxEnabled(Box box) const override;
    bool isEnabled(std::string_view control) const override;
    std::unique_ptr<Progress> startProgress(int steps, std::string_view title, std::string_view stepName) override;

signals:
    // The main window was closed: the program ends.
    void closed();
    // A command ended, or recordMapState was called: the map stands.
    void mapStateRecorded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void collectActions();
    // Ctrl+Z and Ctrl+S run their items even when the focus is in a box.
    void giveMenuKeysPrecedence();
    void connectMenuItems();
    void connectItem(const char* name, const std::function<void()>& handler);
    void connectViewCommands();
    void connectWindows();
    // Runs a command; an error ends it with a message box, as the user
    // expects. A map it changed becomes a state named name, unless it is empty.
    void guarded(const std::function<void()>& command, const QString& name = "Change");
    void connectStepItems();
    // After a step through the states: the views and "Step 3 of 17".
    void showStep();
    QString stateName(const QAction* action) const;
    QAction* requireItem(std::string_view name) const;
    QWidget* viewWidget(ViewWindow window) const;
    void toggleWindow(const char* item, QWidget* window);
    // False when the user keeps the window open rather than lose a changed map.
    bool mayClose();

    void About1Click();
    void Save3DPicture();

    Prompter& prompter_;
    Frame frame_;
    ParameterPanel* panel_;
    WrappingMenuBar* menuBar_;
    QHash<QString, QAction*> actions_;
    ViewWindows windows_{};
    MapStates states_;
    QWidget* statesWindow_ = nullptr;
    int commandDepth_ = 0;
    // The command running wrote the point label.
    bool pointInfoWritten_ = false;
    // A long run keeps the events going while its rows are made.
    bool inLongRun_ = false;
};

} // namespace tolvar
