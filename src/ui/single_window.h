#pragma once

#include "ui/single_window_settings.h"

#include <QMainWindow>
#include <vector>

namespace tolvar {

class TForm1;
class WindowDock;

// Where a view's dock goes the first time, before the user arranges them.
enum class DockPlace { BelowPanel, Tabbed, Beside, Bottom };

struct DockedView {
    QWidget* window;
    DockPlace place;
};

// Window > Single Window: one main window with the main window's panel docked
// at the left, its menu bar along the top, and the view windows as docks the
// user arranges. Unchecked, every window stands alone again with its own
// frame, flags and place; the map, its states and the open views stay as they
// are either way.
class SingleWindow : public QMainWindow {
    Q_OBJECT

public:
    SingleWindow(TForm1& form, const std::vector<DockedView>& views);
    ~SingleWindow() override;

    SingleWindowSettings settings() const;
    // Switches on or off as the settings say, with their place and docks.
    void apply(const SingleWindowSettings& settings);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setOn(bool on);
    void takeIn();
    // With reopen, the windows that were open open again on their own.
    void giveBack(bool reopen);
    void arrangeFirst(const std::vector<DockedView>& views);
    void placeFirst();

    TForm1& form_;
    QWidget* menuHolder_;
    // The panel's dock first, then the views' in their order.
    std::vector<WindowDock*> docks_;
    bool on_ = false;
    // The place and docks to come back to when switched on.
    QByteArray geometry_;
    QByteArray docksState_;
};

} // namespace tolvar
