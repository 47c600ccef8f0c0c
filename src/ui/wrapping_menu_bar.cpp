#include "ui/wrapping_menu_bar.h"

#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace tolvar {

WrappingMenuBar::WrappingMenuBar(std::vector<QMenu*> menus, QWidget* parent)
    : QWidget(parent), menus_(std::move(menus)), layout_(new QVBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
}

// The window's frame decides the client width, so the rows follow it.
void WrappingMenuBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    reflow(event->size().width());
}

QMenuBar* WrappingMenuBar::newRow()
{
    auto* row = new QMenuBar(this);
    row->setNativeMenuBar(false);
    layout_->addWidget(row);
    rows_.push_back(row);
    return row;
}

void WrappingMenuBar::reflow(int width)
{
    if (width == width_)
        return;
    width_ = width;
    for (QMenuBar* row : rows_) {
        row->clear();
        delete row;
    }
    rows_.clear();

    QMenuBar* row = newRow();
    for (QMenu* menu : menus_) {
        QAction* action = menu->menuAction();
        row->addAction(action);
        const bool alone = row->actions().size() == 1;
        if (!alone && action->isVisible() && row->sizeHint().width() > width) {
            row->removeAction(action);
            row = newRow();
            row->addAction(action);
        }
    }
}

} // namespace tolvar
