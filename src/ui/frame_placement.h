#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tolvar {

// The client size that makes a window `outer` in all once the window
// manager's frame, of the given margins, is added. Never negative.
QSize clientSize(QSize outer, QMargins frame);

enum class Sizing { Fixed, Resizable };

// Places a top-level window as a classic desktop form is placed: the frame's
// top-left corner at outer.topLeft() and the whole window, frame and title
// bar included, outer.size(). The frame is not known until the window
// manager has framed the shown window, so the size is applied again whenever
// its margins change; without a window manager they are 0 and the client
// area takes the outer size.
void placeByFrame(QWidget& window, QRect outer, Sizing sizing);

// Only the frame's top-left corner; the window keeps its client size.
void placeByFrame(QWidget& window, QPoint topLeft);

} // namespace tolvar
