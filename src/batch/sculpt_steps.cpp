// The batch driver's steps on the Sculpt view: drawing and zooming.
#include "ui/app_windows.h"
#include "ui/batch_driver.h"
#include "ui/qt_text.h"
#include "views/sculpt_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QString>
#include <QStringList>

namespace tolvar {

std::vector<BatchDriver::StepKind> BatchDriver::sculptSteps()
{
    using Driver = BatchDriver;
    using Value = const std::string&;
    return {
        {"drag=frmSculpt:R,C;R,C;...",
         "draw on the Sculpt view with the left button, from the first\n"
         "map row,column to the last (decimals allowed), at the current zoom",
         [](const Driver&, Value target) { return dragPath(target).has_value(); },
         [](Driver& d, Value target) { d.drag(*dragPath(target)); }},
        {"zoom=frmSculpt:PERCENT",
         "zoom the Sculpt view, 25 to 800; zoom=frm3D:STEPS turns the mouse wheel\n"
         "over the 3D View STEPS notches (positive comes closer)",
         [](const Driver& d, Value target) { return zoomPercent(target) || d.terrainStep(target, 1); },
         [](Driver& d, Value target) {
             if (const auto percent = zoomPercent(target))
                 d.windows_.sculpt().canvas().setZoom(*percent);
             else
                 d.turnWheel(target);
         }},
    };
}

// The text after "frmSculpt:", or nothing for another window.
std::optional<std::string> BatchDriver::sculptArgument(const std::string& target)
{
    constexpr std::string_view window = "frmSculpt:";
    return target.starts_with(window) ? std::optional(target.substr(window.size())) : std::nullopt;
}

std::optional<int> BatchDriver::zoomPercent(const std::string& target)
{
    const auto argument = sculptArgument(target);
    bool ok = false;
    const int percent = argument ? qs(*argument).toInt(&ok) : 0;
    return ok && percent >= SculptCanvas::LeastZoom && percent <= SculptCanvas::MostZoom ? std::optional(percent)
                                                                                         : std::nullopt;
}

std::optional<std::vector<MapSpot>> BatchDriver::dragPath(const std::string& target)
{
    const auto argument = sculptArgument(target);
    if (!argument)
        return std::nullopt;
    std::vector<MapSpot> path;
    for (const QString& point : qs(*argument).split(';')) {
        const QStringList cells = point.split(',');
        bool rowOk = false, colOk = false;
        if (cells.size() != 2)
            return std::nullopt;
        path.push_back({cells[0].toDouble(&rowOk), cells[1].toDouble(&colOk)});
        if (!rowOk || !colOk)
            return std::nullopt;
    }
    return path;
}

// The left button down at the first point, moved through the others and up at
// the last, sent to the view's picture as the mouse would.
void BatchDriver::drag(const std::vector<MapSpot>& path)
{
    SculptCanvas& canvas = windows_.sculpt().canvas();
    requireShown(&canvas, "frmSculpt");
    QWidget* picture = canvas.viewport();
    const auto send = [&](QEvent::Type type, MapSpot spot, Qt::MouseButtons held) {
        const QPointF at = canvas.pointOf(spot);
        QMouseEvent event(type, at, picture->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    };
    send(QEvent::MouseButtonPress, path.front(), Qt::LeftButton);
    for (std::size_t i = 1; i < path.size(); ++i)
        send(QEvent::MouseMove, path[i], Qt::LeftButton);
    send(QEvent::MouseButtonRelease, path.back(), Qt::NoButton);
}

} // namespace tolvar
