#include "views/image_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvar {

QImage toQImage(const RgbImage& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.at(x, y);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return image;
}

void ImageBox::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) { emit pressed(event->position().toPoint()); }

void ImageBox::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(); }

} // namespace tolvar
