#include "ui/style.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace tolvar {

void applyStyle(QApplication& app)
{
    app.setStyle(QStyleFactory::create("Fusion"));
    // A condensed face: the main window's label column is 76 pixels wide.
    QFont font("DejaVu Sans");
    font.setStretch(QFont::Condensed);
    font.setPixelSize(11);
    app.setFont(font);
}

} // namespace tolvar
