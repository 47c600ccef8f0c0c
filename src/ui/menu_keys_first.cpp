#include "ui/menu_keys_first.h"

#include <QKeyEvent>

namespace tolvar {

MenuKeysFirst::MenuKeysFirst(QList<QKeySequence> keys, QObject* parent) : QObject(parent), keys_(std::move(keys)) {}

bool MenuKeysFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Kept from the box, an override stays unaccepted and the menu item takes
    // the key. A key press that still comes belongs to a disabled item: it
    // does nothing, rather than turn back the user's typing unasked.
    return keys_.contains(QKeySequence(key->keyCombination()));
}

} // namespace tolvar
