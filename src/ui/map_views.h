#pragma once

#include <array>
#include <string_view>

namespace tolvar {

class UiPort;
class ViewForm;

// The windows that show the map, each with its View menu item, in the order
// a refresh draws them. The check marks are the menu's, through the port.
class MapViews {
public:
    struct View {
        const char* item;
        ViewForm* window;
        bool wireframe;
        // Draws a stroke's changes as it goes.
        bool followsStrokes;
    };
    static constexpr std::size_t Count = 5;

    MapViews(UiPort& menu, const std::array<View, Count>& views);

    const std::array<View, Count>& views() const { return views_; }
    // Shows and draws every view whose item is checked.
    void refresh();
    // The views that did not draw a stroke's changes as it went.
    void refreshAfterStroke();
    void redrawWireframes();
    // A new map hides the plan and the wireframe; hiding leaves their items
    // checked, so that the next refresh shows them again.
    void hideForNewMap();
    // A View menu item: unchecking hides the window without drawing;
    // checking shows it and draws the view at once.
    void toggle(std::string_view item);

private:
    // Shows and draws the chosen views whose item is checked.
    void refreshWhere(bool (*chosen)(const View&));
    void showAndDraw(const View& view);
    const View& viewOf(std::string_view item) const;

    UiPort& menu_;
    std::array<View, Count> views_;
};

} // namespace tolvar
