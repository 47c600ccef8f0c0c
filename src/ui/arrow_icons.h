#pragma once

#include <QIcon>

namespace tolvar {

enum class Arrow { Up, Down, Left, Right, TurnLeft, TurnRight };

// The glyphs of the view buttons: straight arrows of 13 x 13 pixels and
// turning arrows of 17 x 17.
QIcon arrowIcon(Arrow arrow);

} // namespace tolvar
