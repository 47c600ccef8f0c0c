#pragma once

#include "surface/palette256.h"
#include "surface/wing.h"

#include <QWidget>

#include <functional>

class QImage;

namespace tolvar {

// The surface as an indexed image with its colour table; it shares the
// surface's pixels, so copy it to keep it.
QImage indexedImage(const TWinG& surface);

// Shows its surface stretched over its whole area, in the colours of its
// palette. Paints nothing until the palette has first been rebuilt.
class TWinGImage : public QWidget {
public:
    explicit TWinGImage(QWidget* parent = nullptr);

    TWinG WinG;
    TPalette256 Palette;
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvar
