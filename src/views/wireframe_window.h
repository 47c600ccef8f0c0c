#pragma once

#include "surface/rgb_image.h"
#include "views/view_form.h"

namespace tolvar {

class ImageBox;
class MapDocument;
class UiPort;

// "Wireframe Display": the bitmap wireframe of the viewed window of the map,
// shown unscaled from the top-left corner.
class TfrmDisplay : public ViewForm {
    Q_OBJECT

public:
    // The menu's check marks choose the colour scheme.
    TfrmDisplay(const MapDocument& map, const UiPort& menu, QWidget* parent = nullptr);

    // DrawWireframe
    void redraw() override;
    QImage viewBuffer() const override;
    // Saves the shown picture as "WireFram.bmp" in the current directory.
    void savePicture() const;

signals:
    void doubleClicked();

private:
    const MapDocument& map_;
    const UiPort& menu_;
    RgbImage picture_;
    ImageBox* imgDisplay_;
};

} // namespace tolvar
