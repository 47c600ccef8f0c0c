#include "views/wing_window.h"

#include "core/map_document.h"
#include "core/ui_port.h"
#include "surface/wing_image.h"
#include "views/view_commands.h"
#include "views/wireframe_wing.h"

namespace tolvar {

Tfrm1st::Tfrm1st(const MapDocument& map, const UiPort& menu, QWidget* parent)
    : ViewForm(parent), map_(map), menu_(menu), wg1st_(new TWinGImage(this))
{
    setObjectName("frm1st");
    setWindowTitle("WinG Wireframe");
    wg1st_->setObjectName("wg1st");
    BuildCubePalette(wg1st_->Palette);
}

void Tfrm1st::redraw()
{
    DrawWinGWireframe(wg1st_->WinG, wg1st_->width(), wg1st_->height(), map_.state(), CheckedScheme(menu_),
                      menu_.isChecked("ZoomOverlay1"), CheckedFill(menu_));
    wg1st_->update();
    drawn_ = true;
}

QImage Tfrm1st::viewBuffer() const { return drawn_ ? indexedImage(wg1st_->WinG).copy() : QImage(); }

// The surface control always fills the client area.
void Tfrm1st::resizeEvent(QResizeEvent* event)
{
    wg1st_->setGeometry(rect());
    ViewForm::resizeEvent(event);
}

} // namespace tolvar
