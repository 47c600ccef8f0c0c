#include "ui/window_dock.h"

#include <QCloseEvent>
#include <QMainWindow>

namespace tolvar {

WindowDock::WindowDock(QWidget& held, Sizing sizing, QMainWindow* host)
    : QDockWidget(held.windowTitle(), host), held_(held), sizing_(sizing)
{
    setObjectName(held.objectName() + "Dock");
    hide();
}

void WindowDock::hold()
{
    place_ = {held_.parentWidget(), held_.windowFlags(), held_.pos(),
              held_.size(),         held_.minimumSize(), held_.maximumSize()};
    const bool open = !held_.isHidden();
    if (sizing_ == Sizing::Free) {
        held_.setMinimumSize(0, 0);
        held_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (sizing_ == Sizing::OwnHeight) {
        held_.setMaximumHeight(held_.sizeHint().height());
    }
    setWidget(&held_);
    held_.setVisible(open);
    held_.installEventFilter(this);
}

void WindowDock::release(bool reopen)
{
    held_.removeEventFilter(this);
    const bool open = !held_.isHidden();
    hide();
    held_.setParent(place_.parent, place_.flags);
    held_.setMinimumSize(place_.minimum);
    held_.setMaximumSize(place_.maximum);
    held_.resize(place_.size);
    held_.move(place_.position);
    held_.setVisible(reopen && open);
}

void WindowDock::followWindow()
{
    setVisible(!held_.isHidden());
}

bool WindowDock::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShowToParent) {
        show();
        raise(); // the front tab, when it shares its place with others
    } else if (event->type() == QEvent::HideToParent) {
        hide();
    }
    return QDockWidget::eventFilter(watched, event);
}

// The window decides, as on its own; closing hides it, and so the dock.
void WindowDock::closeEvent(QCloseEvent* event)
{
    event->setAccepted(held_.close());
}

} // namespace tolvar
