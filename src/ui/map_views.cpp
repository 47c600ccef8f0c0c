#include "ui/map_views.h"

#include "core/ui_port.h"
#include "views/view3d_window.h"

#include <stdexcept>
#include <string>

namespace tolvar {

MapViews::MapViews(UiPort& menu, const std::array<View, Count>& views) : menu_(menu), views_(views) {}

void MapViews::refresh()
{
    refreshWhere([](const View&) { return true; });
}

void MapViews::refreshAfterStroke()
{
    refreshWhere([](const View& view) { return !view.followsStrokes; });
}

void MapViews::redrawWireframes()
{
    refreshWhere([](const View& view) { return view.wireframe; });
}

void MapViews::refreshWhere(bool (*chosen)(const View&))
{
    for (const View& view : views_)
        if (chosen(view) && menu_.isChecked(view.item))
            showAndDraw(view);
}

void MapViews::hideForNewMap()
{
    for (const char* item : {"Plan1", "Wireframe2"})
        viewOf(item).window->hide();
}

void MapViews::toggle(std::string_view item)
{
    const View& view = viewOf(item);
    if (menu_.isChecked(item)) {
        menu_.setChecked(item, false);
        view.window->hide();
    } else {
        // A window that cannot show (no OpenGL for the 3D View) stays unchecked.
        showAndDraw(view);
        menu_.setChecked(item, true);
    }
}

void MapViews::showAndDraw(const View& view)
{
    if (qobject_cast<Tfrm3D*>(view.window))
        Tfrm3D::requireOpenGL();
    view.window->show();
    menu_.setBusyCursor(true);
    view.window->redraw();
    menu_.setBusyCursor(false);
}

const MapViews::View& MapViews::viewOf(std::string_view item) const
{
    for (const View& view : views_)
        if (view.item == item)
            return view;
    throw std::logic_error("no view item " + std::string(item));
}

} // namespace tolvar
