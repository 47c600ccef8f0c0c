#include "window_fixture.h"

#include "ui/frame_placement.h"
#include "ui/parameter_panel.h"

#include <QAbstractButton>
#include <QScreen>

using namespace tolvar;
using tolvar::testing::WindowTest;

TEST(ClientSize, IsTheOuterSizeLessEveryMargin)
{
    EXPECT_EQ(clientSize({150, 406}, {}), QSize(150, 406));
    EXPECT_EQ(clientSize({150, 406}, {1, 20, 1, 1}), QSize(148, 385));
    EXPECT_EQ(clientSize({311, 340}, {3, 22, 5, 7}), QSize(303, 311));
    EXPECT_EQ(clientSize({20, 10}, {8, 30, 14, 2}), QSize(0, 0));
}

// The offscreen platform frames every window with 2 pixels on each side.
TEST_F(WindowTest, EveryWindowStandsInItsDesignedFrame)
{
    const std::pair<const char*, QRect> frames[] = {
        {"Form1", {1, 1, 150, 406}},
        {"frmHistory", {289, 391, 311, 340}},
        {"frm1st", {151, 3, 859, 699}},
        {"frmToolbox", {8, 644, 1002, 87}},
    };
    for (const auto& [name, frame] : frames) {
        window(name)->show();
        QApplication::processEvents();
        EXPECT_EQ(window(name)->frameGeometry(), frame) << name;
    }
    const QAbstractButton* lowest = form().panel().button("btnDown");
    EXPECT_LE(lowest->mapTo(&form(), QPoint(0, lowest->height())).y(), form().height());

    QWidget* map = window("frmMapDisplay");
    map->show();
    QApplication::processEvents();
    EXPECT_EQ(map->frameGeometry().topLeft(), QPoint(0, 410));
    EXPECT_EQ(map->geometry().size(), QSize(273, 314));

    click("About1");
    const QRect about = window("frmAbout")->frameGeometry();
    EXPECT_EQ(about.size(), QSize(387, 540));
    EXPECT_LE((window("frmAbout")->screen()->geometry().center() - about.center()).manhattanLength(), 1);

    // The Wireframe Display opens maximised and takes its place when restored.
    QWidget* display = window("frmDisplay");
    display->show();
    QApplication::processEvents();
    EXPECT_TRUE(display->isMaximized());
    display->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(display->frameGeometry(), QRect(149, 0, 875, 626));
}
