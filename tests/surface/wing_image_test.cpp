#include "surface/wing_image.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace tolvar;

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "surface_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace

TEST(WinGImage, StretchesTheSurfaceOverItsAreaInThePaletteColours)
{
    application();
    TWinGImage image;
    image.resize(40, 20);
    image.WinG.SetWidth(2);
    image.WinG.SetHeight(1);
    image.WinG.SetPixel(0, 0, 31);
    image.WinG.SetPixel(1, 0, 200);
    image.Palette.entries[31] = {0, 250, 0, 0};
    image.Palette.entries[200] = {10, 20, 30, 0};
    image.Palette.Rebuild();

    const QImage shown = image.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(40, 20));
    EXPECT_EQ(shown.pixelColor(5, 15), QColor(0, 250, 0));
    EXPECT_EQ(shown.pixelColor(35, 3), QColor(10, 20, 30));
}

TEST(WinGImage, PaintsNothingBeforeThePaletteIsBuilt)
{
    application();
    TWinGImage image;
    image.resize(8, 8);
    image.setAutoFillBackground(true);
    QPalette colours = image.palette();
    colours.setColor(QPalette::Window, QColor(1, 2, 3));
    image.setPalette(colours);
    image.WinG.SetWidth(8);
    image.WinG.SetHeight(8);

    const QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(1, 2, 3));
}
