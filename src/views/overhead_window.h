#pragma once

#include "surface/rgb_image.h"
#include "views/view_form.h"

class QLabel;

namespace tolvar {

class ImageBox;

// "Overhead Map": the plan image of the whole map, the statistics line and
// the point readout.
class TfrmMapDisplay : public ViewForm {
    Q_OBJECT

public:
    explicit TfrmMapDisplay(QWidget* parent = nullptr);

    // DrawOverheadMap: the plan and the statistics line.
    void redraw() override;
    QImage viewBuffer() const override;
    // A blank plan for the current map size; every operation makes one.
    // The picture shown stays until the plan is drawn.
    void newBitmap();
    void setPointInfo(const QString& text);
    // The readout of a press at a point of the 256 x 256 image.
    void imgMapMouseDown(QPoint point);

private:
    void showPlan();

    RgbImage plan_;
    ImageBox* imgMap_;
    QLabel* labPointInfo_;
    QLabel* labMapInfo_;
};

} // namespace tolvar
