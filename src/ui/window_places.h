#pragma once

#include "ui/frame_placement.h"

#include <QObject>
#include <QRect>
#include <optional>
#include <vector>

class QWidget;

namespace tolvar {

class AppSettings;

// The main window and the Overhead Map stand always on top in a column at
// the screen's left edge; windows that open beside them start right of it.
inline constexpr int AlwaysOnTopColumnRight = 280;

// The frame moved, then shrunk, as little as it takes to lie whole in area.
QRect keptInside(QRect frame, QRect area);

enum class Area { Screen, BesideColumn };

// Each window opens where the user left it in the last run, kept whole on
// the screen it was on, or at its designed place on a first run; where the
// user leaves it is noted as it is hidden and when the program ends. A
// window that opens beside the column is kept whole beside it either way.
class WindowPlaces : public QObject {
public:
    explicit WindowPlaces(AppSettings& settings);

    void place(QWidget& window, QRect designed, Sizing sizing, Area area = Area::Screen);
    // Only the frame's top-left corner: the window keeps its client size.
    void place(QWidget& window, QPoint designed);
    // Notes the place of every shown window.
    void noteShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QRect> remembered(const QWidget& window) const;
    void follow(QWidget& window);
    void note(const QWidget& window);

    AppSettings& settings_;
    std::vector<QWidget*> windows_;
};

} // namespace tolvar
