#pragma once

#include "surface/rgb_image.h"

#include <QImage>
#include <QWidget>

namespace tolvar {

// The picture as an opaque Qt image.
QImage toQImage(const RgbImage& picture);

// An image control that shows its picture unscaled from its top-left corner
// and reports presses and double-clicks.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void setImage(const QImage& image);

signals:
    void pressed(QPoint point);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

} // namespace tolvar
