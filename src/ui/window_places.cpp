#include "ui/window_places.h"

#include "ui/app_settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tolvar {
namespace {

QString keyOf(const QWidget& window)
{
    return "windows/" + window.objectName();
}

// The free part of the screen the frame's middle lies on, or of the main
// screen when that one is gone.
QRect screenArea(Area area, QRect frame)
{
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect free = screen ? screen->availableGeometry() : frame;
    if (area == Area::BesideColumn)
        free.setLeft(std::max(free.left(), AlwaysOnTopColumnRight));
    return free;
}

} // namespace

QRect keptInside(QRect frame, QRect area)
{
    if (area.isEmpty())
        return frame;
    const QSize size = frame.size().boundedTo(area.size());
    const int x = std::clamp(frame.x(), area.left(), area.right() + 1 - size.width());
    const int y = std::clamp(frame.y(), area.top(), area.bottom() + 1 - size.height());
    return {QPoint(x, y), size};
}

WindowPlaces::WindowPlaces(AppSettings& settings) : settings_(settings) {}

void WindowPlaces::place(QWidget& window, QRect designed, Sizing sizing, Area area)
{
    QRect frame = remembered(window).value_or(designed);
    if (sizing == Sizing::Fixed)
        frame.setSize(designed.size());
    if (remembered(window) || area == Area::BesideColumn) {
        // Never smaller than the controls need; on a screen too narrow for
        // that beside the column, the column yields.
        const QSize least = window.minimumSizeHint();
        frame.setSize(frame.size().expandedTo(least));
        QRect free = screenArea(area, frame);
        if (least.width() > free.width() || least.height() > free.height())
            free = screenArea(Area::Screen, frame);
        frame = keptInside(frame, free);
    }
    placeByFrame(window, frame, sizing);
    follow(window);
}

void WindowPlaces::place(QWidget& window, QPoint designed)
{
    QPoint corner = designed;
    if (const auto frame = remembered(window))
        corner = keptInside(QRect(frame->topLeft(), window.size()), screenArea(Area::Screen, *frame)).topLeft();
    placeByFrame(window, corner);
    follow(window);
}

void WindowPlaces::follow(QWidget& window)
{
    windows_.push_back(&window);
    window.installEventFilter(this);
}

std::optional<QRect> WindowPlaces::remembered(const QWidget& window) const
{
    const QRect frame = settings_.value(keyOf(window)).toRect();
    return frame.isValid() ? std::optional(frame) : std::nullopt;
}

void WindowPlaces::noteShown()
{
    for (const QWidget* window : windows_)
        if (window->isVisible())
            note(*window);
}

void WindowPlaces::note(const QWidget& window)
{
    constexpr Qt::WindowStates notNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
    // A window held in the single window's dock has no place of its own.
    if (window.isWindow() && !(window.windowState() & notNormal))
        settings_.setValue(keyOf(window), window.frameGeometry());
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide)
        note(*static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

} // namespace tolvar
