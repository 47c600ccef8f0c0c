#pragma once

#include "core/ui_port.h"
#include "ui/command_runner.h"
#include "ui/map_views.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QAbstractButton;

namespace tolvar {

class AppSettings;
class ParameterPanel;
class RecentFiles;
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
    TForm1(Prompter& prompter, AppSettings& settings);
    ~TForm1() override;

    // Called once the other windows exist, before the first command.
    void attach(const ViewWindows& windows);
    // The menu's keys reach the window even with the focus in one of its
    // boxes, as they do in the main window's.
    void giveMenuKeysPrecedence(QWidget& window);

    QAction* item(const QString& name) const { return actions_.value(name); }
    // True when the item and every menu above it are enabled.
    bool reachable(const QString& name) const;
    const QHash<QString, QAction*>& items() const { return actions_; }
    const ParameterPanel& panel() const { return *panel_; }
    RecentFiles& recentFiles() { return *recentFiles_; }
    // The menu bar, which a single window hosting this one shows along its top.
    QWidget* menuBar() const;
    // History States, hidden until Edit > History States shows it.
    QWidget* statesWindow() const { return statesWindow_; }
    MapDocument& document() { return runner_.frame().document(); }
    // Every command of this window and of the others runs through it.
    CommandRunner& runner() { return runner_; }
    // Opens a height file named at start, as File > Open does.
    void openHeightFile(const std::string& path);

    // UiPort
    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    void setBoxEnabled(Box box, bool enabled) override;
    bool isChecked(std::string_view item) const override;
    void setChecked(std::string_view item, bool checked) override;
    void setEnabled(std::string_view control, bool enabled) override;
    void refreshViews() override;
    void refreshViewsAfterStroke() override;
    void redrawWireframes() override;
    void hideViewsForNewMap() override;
    void newOverheadBitmap() override;
    void setPointInfo(const std::string& text) override;
    void appendHistory(const std::string& line) override;
    std::vector<std::string> historyLines() const override;
    void replaceHistory(const std::vector<std::string>& lines) override;
    void setBusyCursor(bool busy) override;
    bool isBoxEnabled(Box box) const override;
    bool isEnabled(std::string_view control) const override;
    std::unique_ptr<Progress> startProgress(int steps, std::string_view title, std::string_view stepName) override;
    void heightFileUsed(const std::string& path) override;

signals:
    // The main window was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void collectActions();
    void connectMenuItems();
    void connectRecentFiles(AppSettings& settings);
    void connectItem(const char* name, const std::function<void()>& handler);
    void connectViewCommands();
    void connectWindows();
    void connectStepItems();
    QString stateName(const QAction* action) const;
    QAction* requireItem(std::string_view name) const;
    void toggleWindow(const char* item, QWidget* window);
    // False when the user keeps the window open rather than lose a changed map.
    bool mayClose();

    void About1Click();
    void Tutorial1Click();
    void Save3DPicture();

    Prompter& prompter_;
    CommandRunner runner_;
    ParameterPanel* panel_;
    WrappingMenuBar* menuBar_;
    QHash<QString, QAction*> actions_;
    ViewWindows windows_{};
    std::optional<MapViews> mapViews_;
    QWidget* statesWindow_ = nullptr;
    RecentFiles* recentFiles_ = nullptr;
};

} // namespace tolvar
