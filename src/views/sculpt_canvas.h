#pragma once

#include "surface/rgb_image.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <optional>

namespace tolvar {

// A place on the map in cells; fractions lie between cell centres.
struct MapSpot {
    double row = 0;
    double col = 0;
};

// Copies a rectangle of pixels of the picture into the image of its size.
void CopyPixels(const RgbImage& picture, const QRect& pixels, QImage& image);

// The Sculpt window's picture of the map, zoomed from 25 to 800 per cent,
// with scroll bars, the brush outline under the cursor and the mouse: the
// wheel zooms about the cursor, + and - about the middle, the middle button
// or Space with the left button pans, the left button draws.
class SculptCanvas : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int LeastZoom = 25;
    static constexpr int MostZoom = 800;

    explicit SculptCanvas(QWidget* parent = nullptr);

    // Shows these pixels of the picture, one per cell, row 1 at the bottom.
    void showPixels(const RgbImage& picture, const QRect& pixels);
    const QImage& picture() const { return picture_; }

    int zoom() const { return zoom_; }
    // Zooms keeping the map under `anchor`, a point of the viewport, in place.
    void setZoom(int percent, QPointF anchor);
    void setZoom(int percent);
    void fit();
    void setBrushRadius(int cells);

    QPointF pointOf(MapSpot spot) const;
    MapSpot spotAt(QPointF point) const;

signals:
    void pressed(MapSpot spot);
    void dragged(MapSpot spot);
    void released();
    void hovered(MapSpot spot);
    void zoomed(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    double scale() const { return zoom_ / 100.0; }
    QPointF scroll() const;
    void updateScrollBars();
    QRectF outline() const;
    void moveOutline(std::optional<QPointF> cursor);
    int nextZoom(int steps) const;

    QImage picture_;
    int zoom_ = 100;
    int brushRadius_ = 16;
    std::optional<QPointF> cursor_;
    std::optional<QPoint> panFrom_;
    bool drawing_ = false;
    bool spaceHeld_ = false;
};

} // namespace tolvar
