#include "views/overhead_window.h"

#include <QLabel>

namespace tolvar {

TfrmMapDisplay::TfrmMapDisplay(QWidget* parent)
    : ViewForm(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      imgMap_(new QWidget(this)), labPointInfo_(new QLabel(this)), labMapInfo_(new QLabel(this))
{
    setObjectName("frmMapDisplay");
    setWindowTitle("Overhead Map");
    setFixedSize(273, 314);
    move(0, 410);
    imgMap_->setObjectName("imgMap");
    imgMap_->setGeometry(8, 8, 256, 256);
    labPointInfo_->setObjectName("labPointInfo");
    labPointInfo_->move(8, 272);
    labMapInfo_->setObjectName("labMapInfo");
    labMapInfo_->move(8, 296);
}

void TfrmMapDisplay::redraw() {}

void TfrmMapDisplay::newBitmap() {}

void TfrmMapDisplay::setPointInfo(const QString& text)
{
    labPointInfo_->setText(text);
    labPointInfo_->adjustSize();
}

} // namespace tolvar
