#include "views/overhead_window.h"

#include "core/app_state.h"
#include "views/image_box.h"
#include "views/overhead_map.h"

#include <QLabel>

namespace tolvar {

TfrmMapDisplay::TfrmMapDisplay(QWidget* parent)
    : ViewForm(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      imgMap_(new ImageBox(this)), labPointInfo_(new QLabel(this)), labMapInfo_(new QLabel(this))
{
    setObjectName("frmMapDisplay");
    setWindowTitle("Overhead Map");
    setFixedSize(273, 314);
    imgMap_->setObjectName("imgMap");
    imgMap_->setGeometry(8, 8, PlanViewSide, PlanViewSide);
    labPointInfo_->setObjectName("labPointInfo");
    labPointInfo_->setGeometry(8, 272, 257, 16);
    labMapInfo_->setObjectName("labMapInfo");
    labMapInfo_->setGeometry(8, 296, 257, 16);
    connect(imgMap_, &ImageBox::pressed, this, &TfrmMapDisplay::imgMapMouseDown);
}

void TfrmMapDisplay::redraw()
{
    const MapStatistics stats = DrawOverheadMap(appState(), plan_);
    labMapInfo_->setText(QString::fromStdString(MapInfoText(stats)));
    showPlan();
}

QImage TfrmMapDisplay::viewBuffer() const { return plan_.pixels.empty() ? QImage() : toQImage(plan_); }

// The image keeps showing the last plan until the next is drawn: a blank
// one would flash black over a map that has not changed, during a stroke
// or after a cancelled Open.
void TfrmMapDisplay::newBitmap() { plan_ = NewOverheadBitmap(appState()); }

// The image control stretches the plan over its 256 x 256 points.
void TfrmMapDisplay::showPlan() { imgMap_->setImage(toQImage(StretchPlan(plan_))); }

void TfrmMapDisplay::setPointInfo(const QString& text) { labPointInfo_->setText(text); }

void TfrmMapDisplay::imgMapMouseDown(QPoint point)
{
    if (plan_.pixels.empty())
        return;
    const PlanCell cell = PlanCellAt(plan_, point.x(), point.y());
    setPointInfo(QString::fromStdString(PointInfoText(appState().HeightMap, cell)));
}

} // namespace tolvar
