#include "window_fixture.h"

#include "ui/frame_placement.h"
#include "ui/parameter_panel.h"

#include <QAbstractButton>
#include <QScreen>

#include <ostream>

using namespace tolvar;
using tolvar::testing::WindowTest;

// Readable failures.
void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

TEST(ClientSize, IsTheOuterSizeLessEveryMargin)
{
    struct Case {
        QSize outer;
        QMargins frame; // left, top, right, bottom
        QSize client;
    };
    const Case cases[] = {
        {{150, 406}, {}, {150, 406}},
        {{150, 406}, {1, 20, 1, 1}, {148, 385}},
        {{859, 699}, {1, 20, 1, 5}, {857, 674}},
        {{311, 340}, {3, 22, 5, 7}, {303, 311}},
        {{387, 540}, {0, 25, 0, 0}, {387, 515}},
        {{20, 10}, {8, 30, 14, 2}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clientSize(c.outer, c.frame), c.client);
}

// The offscreen platform frames every window with 2 pixels on each side, so
// the client areas here are 4 pixels smaller than the designed outer sizes.
TEST_F(WindowTest, EveryWindowStandsInItsDesignedFrame)
{
    const std::pair<const char*, QRect> frames[] = {
        {"Form1", {1, 1, 150, 406}},
        {"frmHistory", {289, 391, 311, 340}},
        {"frm1st", {151, 3, 859, 699}},
        {"frmToolbox", {8, 644, 1002, 87}},
    };
    for (const auto& [name, frame] : frames) {
        QWidget* w = window(name);
        w->show();
        QApplication::processEvents();
        EXPECT_EQ(w->frameGeometry(), frame) << name;
        EXPECT_EQ(w->geometry(), frame.adjusted(2, 2, -2, -2)) << name;
    }

    QWidget* map = window("frmMapDisplay");
    map->show();
    QApplication::processEvents();
    EXPECT_EQ(map->frameGeometry().topLeft(), QPoint(0, 410));
    EXPECT_EQ(map->geometry().size(), QSize(273, 314));

    // The Wireframe Display opens maximised and takes its place when restored.
    QWidget* display = window("frmDisplay");
    display->show();
    QApplication::processEvents();
    EXPECT_TRUE(display->isMaximized());
    display->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(display->frameGeometry(), QRect(149, 0, 875, 626));

    click("About1");
    const QRect about = window("frmAbout")->frameGeometry();
    EXPECT_EQ(about.size(), QSize(387, 540));
    const QPoint offCentre = about.center() - window("frmAbout")->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
}

TEST_F(WindowTest, TheMainWindowHoldsItsControlsAndEndsAboveTheOverheadMap)
{
    QApplication::processEvents();
    const QWidget* lowest = form().panel().button("btnDown");
    const QPoint bottom = lowest->mapTo(&form(), QPoint(0, lowest->height()));
    EXPECT_LE(bottom.y(), form().height());
    EXPECT_LT(form().frameGeometry().bottom(), 410);
    EXPECT_EQ(form().panel().minimumSize(), QSize(137, 337));
}
