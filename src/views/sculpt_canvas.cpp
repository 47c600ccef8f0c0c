#include "views/sculpt_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace tolvar {
namespace {

constexpr std::array ZoomSteps{25, 33, 50, 67, 100, 150, 200, 300, 400, 600, 800};

} // namespace

void CopyPixels(const RgbImage& picture, const QRect& pixels, QImage& image)
{
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const Rgb& c = picture.at(x, y);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
}

SculptCanvas::SculptCanvas(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName("imgSculpt");
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void SculptCanvas::showPixels(const RgbImage& picture, const QRect& pixels)
{
    if (picture_.width() != picture.width || picture_.height() != picture.height) {
        picture_ = QImage(picture.width, picture.height, QImage::Format_RGB32);
        CopyPixels(picture, picture_.rect(), picture_);
        updateScrollBars();
        viewport()->update();
        return;
    }
    CopyPixels(picture, pixels, picture_);
    const double s = scale();
    const QPointF at = QPointF(pixels.left() * s, pixels.top() * s) - scroll();
    viewport()->update(
        QRectF(at, QSizeF(pixels.width() * s, pixels.height() * s)).toAlignedRect().adjusted(-1, -1, 1, 1));
}

QPointF SculptCanvas::scroll() const
{
    return QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void SculptCanvas::updateScrollBars()
{
    const QSize content(static_cast<int>(std::ceil(picture_.width() * scale())),
                        static_cast<int>(std::ceil(picture_.height() * scale())));
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void SculptCanvas::setZoom(int percent, QPointF anchor)
{
    const MapSpot spot = spotAt(anchor);
    zoom_ = std::clamp(percent, LeastZoom, MostZoom);
    updateScrollBars();
    const QPointF moved = pointOf(spot) - anchor;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + static_cast<int>(std::lround(moved.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(std::lround(moved.y())));
    viewport()->update();
    emit zoomed(zoom_);
}

void SculptCanvas::setZoom(int percent)
{
    setZoom(percent, QRectF(viewport()->rect()).center());
}

void SculptCanvas::fit()
{
    if (picture_.isNull())
        return;
    const QSize view = viewport()->size();
    const int percent =
        static_cast<int>(std::min(100.0 * view.width() / picture_.width(), 100.0 * view.height() / picture_.height()));
    setZoom(percent);
}

void SculptCanvas::setBrushRadius(int cells)
{
    const std::optional<QPointF> cursor = cursor_;
    moveOutline(std::nullopt);
    brushRadius_ = cells;
    moveOutline(cursor);
}

QPointF SculptCanvas::pointOf(MapSpot spot) const
{
    const double s = scale();
    return QPointF((spot.col - 0.5) * s, (picture_.height() + 0.5 - spot.row) * s) - scroll();
}

MapSpot SculptCanvas::spotAt(QPointF point) const
{
    const double s = scale();
    const QPointF content = point + scroll();
    return {picture_.height() + 0.5 - content.y() / s, content.x() / s + 0.5};
}

void SculptCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (picture_.isNull())
        return;
    // Only the cells under the exposed rectangle are scaled.
    const double s = scale();
    const QRectF exposed = QRectF(event->rect()).translated(scroll());
    const QRect cells = QRect(QPoint(static_cast<int>(exposed.left() / s), static_cast<int>(exposed.top() / s)),
                              QPoint(static_cast<int>(exposed.right() / s), static_cast<int>(exposed.bottom() / s)))
                            .intersected(picture_.rect());
    if (!cells.isEmpty())
        painter.drawImage(QRectF(QPointF(cells.left() * s, cells.top() * s) - scroll(),
                                 QSizeF(cells.width() * s, cells.height() * s)),
                          picture_, cells);
    if (cursor_ && !panFrom_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(outline());
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawEllipse(outline());
    }
}

QRectF SculptCanvas::outline() const
{
    const double r = brushRadius_ * scale();
    return QRectF(*cursor_ - QPointF(r, r), QSizeF(2 * r, 2 * r));
}

void SculptCanvas::moveOutline(std::optional<QPointF> cursor)
{
    if (cursor_)
        viewport()->update(outline().toAlignedRect().adjusted(-3, -3, 3, 3));
    cursor_ = cursor;
    if (cursor_)
        viewport()->update(outline().toAlignedRect().adjusted(-3, -3, 3, 3));
}

void SculptCanvas::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SculptCanvas::scrollContentsBy(int, int)
{
    viewport()->update();
}

void SculptCanvas::mousePressEvent(QMouseEvent* event)
{
    const bool pan = event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spaceHeld_);
    if (pan) {
        panFrom_ = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
    } else if (event->button() == Qt::LeftButton && !picture_.isNull()) {
        drawing_ = true;
        emit pressed(spotAt(event->position()));
    }
}

void SculptCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (panFrom_) {
        const QPoint by = at.toPoint() - *panFrom_;
        panFrom_ = at.toPoint();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - by.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() - by.y());
        return;
    }
    moveOutline(at);
    emit hovered(spotAt(at));
    if (drawing_)
        emit dragged(spotAt(at));
}

void SculptCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (panFrom_ && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        panFrom_.reset();
        viewport()->setCursor(Qt::CrossCursor);
    } else if (drawing_ && event->button() == Qt::LeftButton) {
        drawing_ = false;
        emit released();
    }
}

int SculptCanvas::nextZoom(int steps) const
{
    if (steps > 0) {
        const auto up = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
        return up == ZoomSteps.end() ? MostZoom : *up;
    }
    const auto down = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom_);
    return down == ZoomSteps.begin() ? LeastZoom : *(down - 1);
}

void SculptCanvas::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        setZoom(nextZoom(delta), event->position());
}

void SculptCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
        setZoom(nextZoom(1));
    else if (event->key() == Qt::Key_Minus)
        setZoom(nextZoom(-1));
    else if (event->key() == Qt::Key_Space)
        spaceHeld_ = true;
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void SculptCanvas::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        spaceHeld_ = false;
    else
        QAbstractScrollArea::keyReleaseEvent(event);
}

// The outline goes when the cursor leaves the picture.
bool SculptCanvas::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        moveOutline(std::nullopt);
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace tolvar
