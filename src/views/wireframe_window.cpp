#include "views/wireframe_window.h"

#include <QVBoxLayout>

namespace tolvar {

TfrmDisplay::TfrmDisplay(QWidget* parent) : ViewForm(parent), imgDisplay_(new QWidget(this))
{
    setObjectName("frmDisplay");
    setWindowTitle("Wireframe Display");
    setGeometry(149, 0, 875, 626);
    setWindowState(Qt::WindowMaximized);
    imgDisplay_->setObjectName("imgDisplay");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imgDisplay_);
}

void TfrmDisplay::redraw() {}

} // namespace tolvar
