#pragma once

#include <QString>
#include <vector>

class QMenu;
class QAction;
class QWidget;

namespace tolvar {

// One entry of the main menu. An entry with items is a submenu; a caption
// of "-" is a separator.
struct MenuEntry {
    enum Flag { Disabled = 1, Hidden = 2, Checkable = 4, Checked = 8 | Checkable };

    const char* caption;
    const char* name = "";
    int flags = 0;
    std::vector<MenuEntry> items = {};
};

// A menu item's key. Every key works from any window of the program, so
// that the user undoes or steps where they paint.
struct MenuKey {
    const char* item;
    const char* keys; // as QKeySequence reads them: "Ctrl+Shift+Z"
};

// Every key of the main menu, one row an item.
const std::vector<MenuKey>& menuKeys();

// Qt disables a hidden action; the item's own enabled state is kept apart so
// that a hidden item still reads, and clicks, as enabled.
void setItemEnabled(QAction* action, bool enabled);
bool itemEnabled(const QAction* action);

// The whole menu tree of the main window, top-level menus first.
const std::vector<MenuEntry>& mainMenuTree();

// Builds the top-level menus of the tree under parent. Every menu and item
// gets its design name as objectName; a submenu's own action carries the
// same name. The items of menuKeys() get their keys.
std::vector<QMenu*> buildMenus(const std::vector<MenuEntry>& tree, QWidget* parent);

} // namespace tolvar
