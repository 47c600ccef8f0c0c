#include "views/wing_window.h"

#include <QVBoxLayout>

namespace tolvar {

Tfrm1st::Tfrm1st(QWidget* parent) : ViewForm(parent), wg1st_(new QWidget(this))
{
    setObjectName("frm1st");
    setWindowTitle("WinG Wireframe");
    setGeometry(151, 3, 859, 699);
    wg1st_->setObjectName("wg1st");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wg1st_);
}

void Tfrm1st::redraw() {}

} // namespace tolvar
