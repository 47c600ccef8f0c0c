#include "views/wireframe_window.h"

#include "core/map_document.h"
#include "formats/bitmap_file.h"
#include "views/image_box.h"
#include "views/view_commands.h"
#include "views/wireframe_bitmap.h"

#include <QVBoxLayout>

namespace tolvar {

TfrmDisplay::TfrmDisplay(const MapDocument& map, const UiPort& menu, QWidget* parent)
    : ViewForm(parent), map_(map), menu_(menu), imgDisplay_(new ImageBox(this))
{
    setObjectName("frmDisplay");
    setWindowTitle("Wireframe Display");
    setWindowState(Qt::WindowMaximized);
    imgDisplay_->setObjectName("imgDisplay");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imgDisplay_);
    connect(imgDisplay_, &ImageBox::doubleClicked, this, &TfrmDisplay::doubleClicked);
}

void TfrmDisplay::redraw()
{
    DrawWireframe(picture_, imgDisplay_->width(), imgDisplay_->height(), map_.state(), CheckedScheme(menu_),
                  CheckedFill(menu_));
    imgDisplay_->setImage(toQImage(picture_));
}

QImage TfrmDisplay::viewBuffer() const { return picture_.pixels.empty() ? QImage() : toQImage(picture_); }

void TfrmDisplay::savePicture() const { SavePictureBmp(toQImage(picture_), "WireFram.bmp"); }

} // namespace tolvar
