#pragma once

#include "sculpt/stroke.h"
#include "surface/rgb_image.h"
#include "views/height_ramp.h"
#include "views/sculpt_canvas.h"
#include "views/sculpt_picture.h"
#include "views/view_form.h"

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tolvar {

class MapDocument;
class OperationRunner;

// "Sculpt": the whole map, hill-shaded or with contours, on which the brushes
// of its tool bar shape the heights with the mouse. It draws a stroke's
// cells as the stroke reports them.
class TfrmSculpt : public ViewForm {
    Q_OBJECT

public:
    TfrmSculpt(const MapDocument& map, OperationRunner& runner, QWidget* parent = nullptr);
    ~TfrmSculpt() override;

    void redraw() override;
    QImage viewBuffer() const override;
    SculptCanvas& canvas() { return *imgSculpt_; }

private:
    QWidget* makeToolBar();
    QLineEdit* addBox(QWidget* bar, const char* name, const char* caption, const char* text, int width,
                      const char* tip);
    void press(MapSpot spot);
    void drag(MapSpot spot);
    void release();
    void showStroke(const CellRect& cells, MapSpot spot);
    bool fitsMap() const;
    bool onCurrentScale() const;
    void paintCells(const CellRect& cells);
    void showStatus(MapSpot spot);
    void showView();
    void readContourInterval();
    void fitToView();
    void addScalingKey(const char* key, QLineEdit* box, double factor, int highest);

    const MapDocument& map_;
    // Where the status line last read the map.
    std::optional<MapSpot> statusSpot_;
    OperationRunner& runner_;
    QComboBox* cboBrush_;
    QLineEdit* ediRadius_;
    QLineEdit* ediStrength_;
    QLineEdit* ediHardness_;
    QLineEdit* ediTarget_;
    QComboBox* cboShading_;
    QLineEdit* ediContour_;
    SculptCanvas* imgSculpt_;
    QLabel* labSculptStatus_;
    QLabel* labSculptView_;

    SculptLook look_;
    HeightRange scale_;
    std::optional<HeightRamp> ramp_;
    RgbImage picture_;
    std::unique_ptr<Stroke> stroke_;
};

} // namespace tolvar
