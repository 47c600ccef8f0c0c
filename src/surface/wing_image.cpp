#include "surface/wing_image.h"

#include <QImage>
#include <QPainter>

namespace tolvar {

QImage indexedImage(const TWinG& surface)
{
    QImage image(surface.scanLine(0), surface.Width(), surface.Height(), surface.stride(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    colours.reserve(256);
    for (const Rgb& c : surface.colourTable())
        colours.push_back(qRgb(c.red, c.green, c.blue));
    image.setColorTable(colours);
    return image;
}

TWinGImage::TWinGImage(QWidget* parent) : QWidget(parent)
{
    resize(32, 32);
    Palette.OnNewPalette = [this] {
        applyPalette(Palette, WinG);
        update();
    };
    WinG.OnChange = [this] { update(); };
}

void TWinGImage::paintEvent(QPaintEvent*)
{
    if (!Palette.HasPlatformPalette() || WinG.Width() == 0 || WinG.Height() == 0)
        return;
    QPainter painter(this);
    painter.drawImage(rect(), indexedImage(WinG));
    if (OnPaint)
        OnPaint(painter);
}

} // namespace tolvar
