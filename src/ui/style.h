#pragma once

class QApplication;

namespace tolvar {

// One look on every platform plugin, so that the narrow main window lays
// out alike on a desktop, under Xvfb and offscreen.
void applyStyle(QApplication& app);

} // namespace tolvar
