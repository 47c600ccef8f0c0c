#pragma once

#include "surface/rgb_image.h"
#include "views/view_form.h"

namespace tolvar {

class ImageBox;
class UiPort;

// "Wireframe Display": the bitmap wireframe of the viewed window of the map,
// shown unscaled from the top-left corner.
class TfrmDisplay : public ViewForm {
    Q_OBJECT

public:
    // The menu's check marks choose the colour scheme.
    explicit TfrmDisplay(const UiPort& menu, QWidget* parent = nullptr);

    // DrawWireframe
    void redraw() override;
    QImage viewBuffer() const override;
    // Saves the shown picture as "WireFram.bmp" in the current directory.
    void savePicture() const;

signals:
    void doubleClicked();

private:
    const UiPort& menu_;
    RgbImage picture_;
    ImageBox* imgDisplay_;
};

} // namespace tolvar
