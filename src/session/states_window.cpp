#include "session/states_window.h"

#include <QStyle>
#include <QUndoView>
#include <QVBoxLayout>

namespace tolvar {

TfrmStates::TfrmStates(QUndoStack& stack, QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("frmStates");
    setWindowTitle("History States");
    auto* view = new QUndoView(&stack, this);
    view->setObjectName("lstStates");
    view->setEmptyLabel("Start");
    // Marks the state a height file holds.
    view->setCleanIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    view->setIconSize({16, 16});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(240, 320);
}

} // namespace tolvar
