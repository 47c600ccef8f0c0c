#pragma once

#include "sculpt/stroke.h"
#include "surface/rgb_image.h"
#include "views/height_ramp.h"
#include "views/sculpt_canvas.h"
#include "views/sculpt_picture.h"
#include "views/view_form.h"

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tolvar {

class Frame;

// "Sculpt": the whole map, hill-shaded or with contours, on which the brushes
// of its tool bar shape the heights with the mouse.
class TfrmSculpt : public ViewForm {
    Q_OBJECT

public:
    // Runs a command in the main window's frame, where an error it throws
    // ends up in a message box. The command that ends an operation names
    // the state its map becomes; the others pass an empty name.
    using CommandRunner = std::function<void(const std::function<void(Frame&)>&, const QString& stateName)>;

    explicit TfrmSculpt(CommandRunner run, QWidget* parent = nullptr);
    ~TfrmSculpt() override;

    void redraw() override;
    QImage viewBuffer() const override;
    SculptCanvas& canvas() { return *imgSculpt_; }

signals:
    // The heights of these map rows and columns changed during a stroke;
    // the other views hear of the whole stroke at its release.
    void mapRegionChanged(int firstRow, int lastRow, int firstCol, int lastCol);

private:
    QWidget* makeToolBar();
    QLineEdit* addBox(QWidget* bar, const char* name, const char* caption, const char* text, int width);
    void press(MapSpot spot);
    void drag(MapSpot spot);
    void release();
    void showStroke(const CellRect& cells, MapSpot spot);
    void paintCells(const CellRect& cells);
    void showStatus(MapSpot spot);
    void showView();
    void readContourInterval();
    void fitToScreen();

    CommandRunner run_;
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
