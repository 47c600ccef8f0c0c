#pragma once

#include <QIcon>
#include <QString>

namespace tolvar {

// The Toolbox's glyph for a menu item, drawn in code: 20 x 20, greyed by the
// style when the button is disabled. Null for an item without a glyph.
QIcon toolIcon(const QString& item);

} // namespace tolvar
