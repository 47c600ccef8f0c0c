// The batch driver's steps on the 3D View: turning, sliding and the wheel.
#include "ui/batch_driver.h"
#include "ui/qt_text.h"
#include "views/terrain_view.h"
#include "views/view_form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QString>
#include <QStringList>
#include <QWheelEvent>

namespace tolvar {
namespace {

// "WINDOW:NUMBER,NUMBER..." split at the colon, with its whole numbers.
std::optional<std::pair<std::string, std::vector<int>>> windowAndNumbers(const std::string& value, int count)
{
    const auto colon = value.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const QStringList parts = qs(value.substr(colon + 1)).split(',');
    std::vector<int> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.push_back(part.toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    if (static_cast<int>(numbers.size()) != count)
        return std::nullopt;
    return std::pair{value.substr(0, colon), numbers};
}

} // namespace

std::vector<BatchDriver::StepKind> BatchDriver::view3dSteps()
{
    using Driver = BatchDriver;
    using Value = const std::string&;
    const auto terrainDrag = [](const Driver& d, Value target) { return d.terrainStep(target, 2).has_value(); };
    return {
        {"orbit=frm3D:DX,DY",
         "drag the 3D View DX, DY pixels with the left button (turns the camera);\n"
         "the 3D View needs OpenGL on a display: use --on-screen",
         terrainDrag, [](Driver& d, Value target) { d.dragTerrain(target, Qt::LeftButton); }},
        {"pan=frm3D:DX,DY",
         "drag the 3D View DX, DY pixels with the right button (slides the map\n"
         "with the pointer); needs --on-screen, as orbit= does",
         terrainDrag, [](Driver& d, Value target) { d.dragTerrain(target, Qt::RightButton); }},
    };
}

// The 3D View of an orbit, pan or zoom step, and the step's numbers.
std::optional<std::pair<QWidget*, std::vector<int>>> BatchDriver::terrainStep(const std::string& value, int count) const
{
    const auto parsed = windowAndNumbers(value, count);
    if (!parsed)
        return std::nullopt;
    auto* view = qobject_cast<ViewForm*>(named(parsed->first));
    auto* terrain = view ? view->findChild<TerrainView*>() : nullptr;
    if (!terrain)
        return std::nullopt;
    return std::pair{static_cast<QWidget*>(terrain), parsed->second};
}

// Presses the button in the middle of the view, moves by DX, DY and lets
// go, through the view's own mouse handlers.
void BatchDriver::dragTerrain(const std::string& value, Qt::MouseButton button)
{
    const auto [view, numbers] = *terrainStep(value, 2);
    requireShown(view, value);
    const QPoint from = view->rect().center();
    const QPoint to = from + QPoint(numbers[0], numbers[1]);
    const auto send = [view, button](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, from, button);
    send(QEvent::MouseMove, to, button);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void BatchDriver::turnWheel(const std::string& value)
{
    const auto [view, numbers] = *terrainStep(value, 1);
    requireShown(view, value);
    const QPointF at = view->rect().center();
    QWheelEvent event(at, view->mapToGlobal(at), {}, QPoint(0, 120 * numbers[0]), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

} // namespace tolvar
