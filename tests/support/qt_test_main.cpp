#include "ui/style.h"

#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for the whole test program, on the offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tolvar::applyStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
