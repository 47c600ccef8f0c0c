#include "views/terrain_view.h"

#include "core/grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace tolvar {
namespace {

constexpr float KeyOrbitPixels = 10;
constexpr float WheelStepAngle = 120;
// How long the mouse rests before the full mesh is drawn again.
constexpr int RestMs = 150;

// Half the height of the map's box, and its middle.
std::pair<float, float> heightSpan(const TerrainMesh& mesh)
{
    if (mesh.vertices().empty())
        return {0, 0};
    const auto [low, high] = std::minmax_element(mesh.vertices().begin(), mesh.vertices().end(),
                                                 [](const auto& a, const auto& b) { return a.y < b.y; });
    return {(high->y - low->y) / 2, (high->y + low->y) / 2};
}

} // namespace

TerrainView::TerrainView(QWidget* parent) : QOpenGLWidget(parent), rest_(new QTimer(this))
{
    setObjectName("gl3D");
    setFocusPolicy(Qt::StrongFocus);
    rest_->setSingleShot(true);
    rest_->setInterval(RestMs);
    connect(rest_, &QTimer::timeout, this, &TerrainView::drawFull);
}

// The widget's context outlives this part of the object; it must not call back.
TerrainView::~TerrainView()
{
    if (context())
        disconnect(context(), nullptr, this, nullptr);
    releaseGL();
}

void TerrainView::setMap(const Grid& grid, int rows, int cols, int seaLevel, float heightScale)
{
    const bool newSize = rows != mesh_.rows() || cols != mesh_.cols();
    const float oldScale = mesh_.heightScale();
    mesh_.load(grid, rows, cols, seaLevel, heightScale);
    grid_ = &grid;
    seaLevel_ = seaLevel;
    reloadPending_ = true;
    changed_ = {};
    if (newSize)
        resetCamera();
    else if (heightScale != oldScale)
        camera_.stretchHeights(heightScale / oldScale, sceneRadius());
    cameraMoved();
}

void TerrainView::noteChanged(const CellRect& cells)
{
    if (!hasMap())
        return;
    changed_ = changed_.united(cells);
    update();
}

float TerrainView::sceneRadius() const
{
    return std::hypot(mesh_.halfWidth(), mesh_.halfDepth(), heightSpan(mesh_).first);
}

void TerrainView::resetCamera()
{
    camera_.reset({0, heightSpan(mesh_).second, 0}, sceneRadius());
    cameraMoved();
}

void TerrainView::cameraMoved()
{
    const Vec3 eye = camera_.eye();
    if (const auto ground = mesh_.groundUnder(eye.x, eye.z))
        camera_.keepAbove(*ground, std::max(CellMetres, camera_.distance() / 50));
    update();
}

void TerrainView::initializeGL()
{
    // A window moved to another screen can get a new context.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TerrainView::releaseGL, Qt::UniqueConnection);
    renderer_.emplace().initialize();
    glReady_ = true;
    reloadPending_ = hasMap();
}

void TerrainView::paintGL()
{
    const TerrainMesh::Span rebuilt =
        changed_.empty() ? TerrainMesh::Span{} : mesh_.updateRows(*grid_, changed_.firstRow, changed_.lastRow);
    if (reloadPending_)
        renderer_->load(mesh_);
    else
        renderer_->update(mesh_, rebuilt);
    reloadPending_ = false;
    changed_ = {};
    const qreal ratio = devicePixelRatioF();
    renderer_->draw(camera_, int(width() * ratio), int(height() * ratio), mesh_.metresUp(seaLevel_), coarse_);
}

void TerrainView::releaseGL()
{
    if (!glReady_)
        return;
    makeCurrent();
    renderer_->release();
    renderer_.reset();
    doneCurrent();
    glReady_ = false;
}

void TerrainView::mousePressEvent(QMouseEvent* event)
{
    lastPoint_ = event->position().toPoint();
    setFocus();
}

// Left drag turns; right drag, or Shift with the left button, slides.
void TerrainView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const QPoint delta = point - lastPoint_;
    lastPoint_ = point;
    const bool left = event->buttons() & Qt::LeftButton;
    if ((event->buttons() & Qt::RightButton) || (left && (event->modifiers() & Qt::ShiftModifier)))
        camera_.pan(float(delta.x()), float(delta.y()), height());
    else if (left)
        camera_.orbit(float(delta.x()), float(delta.y()));
    else
        return;
    coarse_ = true;
    rest_->start();
    cameraMoved();
}

void TerrainView::mouseReleaseEvent(QMouseEvent*) { drawFull(); }

void TerrainView::drawFull()
{
    rest_->stop();
    if (coarse_) {
        coarse_ = false;
        update();
    }
}

void TerrainView::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

void TerrainView::wheelEvent(QWheelEvent* event)
{
    camera_.zoom(float(event->angleDelta().y()) / WheelStepAngle);
    cameraMoved();
}

void TerrainView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        camera_.orbit(-KeyOrbitPixels, 0);
        break;
    case Qt::Key_Right:
        camera_.orbit(KeyOrbitPixels, 0);
        break;
    case Qt::Key_Up:
        camera_.orbit(0, -KeyOrbitPixels);
        break;
    case Qt::Key_Down:
        camera_.orbit(0, KeyOrbitPixels);
        break;
    case Qt::Key_PageUp:
        camera_.zoom(1);
        break;
    case Qt::Key_PageDown:
        camera_.zoom(-1);
        break;
    case Qt::Key_Home:
        resetCamera();
        break;
    default:
        QOpenGLWidget::keyPressEvent(event);
        return;
    }
    cameraMoved();
}

} // namespace tolvar
