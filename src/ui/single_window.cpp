#include "ui/single_window.h"

#include "ui/main_window.h"
#include "ui/window_dock.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvar {

SingleWindow::SingleWindow(TForm1& form, const std::vector<DockedView>& views)
    : QMainWindow(nullptr), form_(form), menuHolder_(new QWidget(this))
{
    setObjectName("frmSingleWindow");
    setWindowTitle("Tolvar");
    // Its menu would reopen a dock without its window.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDockNestingEnabled(true);
    auto* menuLayout = new QVBoxLayout(menuHolder_);
    menuLayout->setContentsMargins(0, 0, 0, 0);
    setMenuWidget(menuHolder_);

    docks_.push_back(new WindowDock(form, WindowDock::Sizing::Free, this));
    docks_.front()->setFeatures(QDockWidget::DockWidgetMovable);
    for (const DockedView& view : views) {
        // A row along the bottom, the Toolbox's buttons, leaves the height to the views.
        const auto sizing =
            view.place == DockPlace::Bottom ? WindowDock::Sizing::OwnHeight : WindowDock::Sizing::AsItIs;
        docks_.push_back(new WindowDock(*view.window, sizing, this));
    }
    arrangeFirst(views);
    connect(form.item("SingleWindow1"), &QAction::toggled, this, &SingleWindow::setOn);
}

SingleWindow::~SingleWindow()
{
    if (on_)
        giveBack(false);
}

void SingleWindow::arrangeFirst(const std::vector<DockedView>& views)
{
    addDockWidget(Qt::LeftDockWidgetArea, docks_.front());
    WindowDock* firstTab = nullptr;
    for (std::size_t i = 0; i < views.size(); ++i) {
        WindowDock* dock = docks_[i + 1];
        switch (views[i].place) {
        case DockPlace::BelowPanel:
            addDockWidget(Qt::LeftDockWidgetArea, dock, Qt::Vertical);
            break;
        case DockPlace::Tabbed:
            if (firstTab) {
                tabifyDockWidget(firstTab, dock);
            } else {
                addDockWidget(Qt::RightDockWidgetArea, dock);
                firstTab = dock;
            }
            break;
        case DockPlace::Beside:
            addDockWidget(Qt::RightDockWidgetArea, dock, Qt::Horizontal);
            break;
        case DockPlace::Bottom:
            addDockWidget(Qt::BottomDockWidgetArea, dock);
            break;
        }
    }
}

// Most of the screen, below its top edge so that the title bar stays on it.
void SingleWindow::placeFirst()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        resize(free.size() * 9 / 10);
        move(free.topLeft() + QPoint(free.width() / 20, free.height() / 40));
    }
}

SingleWindowSettings SingleWindow::settings() const
{
    if (on_)
        return {true, saveGeometry(), saveState()};
    return {false, geometry_, docksState_};
}

void SingleWindow::apply(const SingleWindowSettings& settings)
{
    geometry_ = settings.geometry;
    docksState_ = settings.docks;
    form_.item("SingleWindow1")->setChecked(settings.on);
}

void SingleWindow::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    if (on) {
        takeIn();
    } else {
        giveBack(true);
        form_.activateWindow();
    }
}

void SingleWindow::takeIn()
{
    menuHolder_->layout()->addWidget(form_.menuBar());
    for (WindowDock* dock : docks_)
        dock->hold();
    if (!restoreGeometry(geometry_))
        placeFirst();
    restoreState(docksState_);
    for (WindowDock* dock : docks_)
        dock->followWindow();
    show();
    activateWindow();
}

void SingleWindow::giveBack(bool reopen)
{
    geometry_ = saveGeometry();
    docksState_ = saveState();
    form_.layout()->setMenuBar(form_.menuBar());
    for (WindowDock* dock : docks_)
        dock->release(reopen);
    hide();
}

// Closing it closes the main window, which asks about an unsaved map.
void SingleWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(form_.close());
}

} // namespace tolvar
