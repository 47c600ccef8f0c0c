#include "ui/style.h"

#include <QApplication>
#include <gtest/gtest.h>

#ifndef TOLVAR_TEST_PLATFORM
#define TOLVAR_TEST_PLATFORM "offscreen"
#endif

// One QApplication for the whole test program, on the offscreen platform
// unless the program needs a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", TOLVAR_TEST_PLATFORM);
    // The 3D View moves between its own window and the single window; one
    // context shared by all windows lets it keep its picture across the move.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tolvar::applyStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
