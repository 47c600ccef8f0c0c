#include "window_fixture.h"

#include "ui/single_window.h"
#include "ui/single_window_settings.h"
#include "views/sculpt_window.h"

#include <QDockWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUndoView>

using namespace tolvar;

namespace {

// The 3D View joins them where the display offers OpenGL (view3d_test.cpp).
const char* const Held[] = {"Form1", "frmMapDisplay", "frm1st", "frmSculpt", "frmStates", "frmToolbox"};

class SingleWindowTest : public tolvar::testing::WindowTest {
protected:
    SingleWindowTest()
    {
        click("Run1");
        click("Sculpt1");
        click("HistoryStates1");
    }

    SingleWindow& host() { return windows->singleWindow(); }
    static QWidget* view(const char* name)
    {
        for (QWidget* widget : QApplication::allWidgets())
            if (widget->objectName() == name)
                return widget;
        return nullptr;
    }
    static QDockWidget* dockOf(const char* name) { return qobject_cast<QDockWidget*>(view(name)->parentWidget()); }
    static int stateCount() { return qobject_cast<QUndoView*>(view("lstStates"))->stack()->count(); }

    struct Seen {
        bool visible;
        Qt::WindowFlags flags;
        QRect place;
    };
    static Seen seen(const char* name)
    {
        const QWidget* w = view(name);
        return {w->isVisible(), w->windowFlags(), {w->pos(), w->size()}};
    }
};

} // namespace

TEST_F(SingleWindowTest, HoldsEveryViewInOneWindowAndGivesThemBackAsTheyWere)
{
    std::map<std::string, Seen> before;
    for (const char* name : Held)
        before[name] = seen(name);
    const Grid map = appState().HeightMap;
    const int states = stateCount();

    click("SingleWindow1");
    ASSERT_TRUE(host().isVisible());
    EXPECT_FALSE(host().windowFlags() & Qt::WindowStaysOnTopHint);
    for (const char* name : Held) {
        EXPECT_EQ(view(name)->window(), &host()) << name;
        EXPECT_EQ(view(name)->isVisible(), before[name].visible) << name;
    }
    // The menu and the dock's close button open and close a docked view.
    click("Sculpt1");
    EXPECT_FALSE(dockOf("frmSculpt")->isVisible());
    click("Sculpt1");
    EXPECT_TRUE(dockOf("frmSculpt")->isVisible());
    dockOf("frmSculpt")->close();
    EXPECT_FALSE(item("Sculpt1")->isChecked());
    click("Sculpt1");

    click("SingleWindow1");
    EXPECT_FALSE(host().isVisible());
    for (const char* name : Held) {
        const Seen after = seen(name);
        EXPECT_TRUE(view(name)->isWindow()) << name;
        EXPECT_EQ(after.visible, before[name].visible) << name;
        EXPECT_EQ(after.flags, before[name].flags) << name;
        EXPECT_EQ(after.place, before[name].place) << name;
    }
    EXPECT_TRUE(appState().HeightMap == map);
    EXPECT_EQ(stateCount(), states);
}

TEST_F(SingleWindowTest, ComesBackOnAfterARestartWithItsDocksWhereTheUserPutThem)
{
    QTemporaryDir dir;
    windows.reset();
    settings = AppSettings::inFolder(dir.path());
    windows = std::make_unique<AppWindows>(prompter, *settings);
    EXPECT_FALSE(loadSingleWindowSettings(*settings).on);
    click("SingleWindow1");
    host().addDockWidget(Qt::TopDockWidgetArea, dockOf("frmSculpt")); // as a drag to the top does
    host().resize(1111, 777);
    const QSize size = host().size(); // no smaller than its docks need

    windows.reset(); // as the program ends
    resetAppState();
    windows = std::make_unique<AppWindows>(prompter, *settings);
    EXPECT_TRUE(item("SingleWindow1")->isChecked());
    EXPECT_EQ(view("frmSculpt")->window(), &host());
    EXPECT_EQ(host().dockWidgetArea(dockOf("frmSculpt")), Qt::TopDockWidgetArea);
    EXPECT_EQ(host().size(), size);
    // No map yet: the Sculpt window is closed, whatever the saved docks showed.
    EXPECT_FALSE(dockOf("frmSculpt")->isVisible());
}

// The menu bar is in the same window as the docks: its keys work with the
// focus in a docked view, where a separate window would not pass them on.
TEST_F(SingleWindowTest, TheMenuKeysWorkWithTheFocusInADockedView)
{
    click("SingleWindow1");
    host().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host()));
    const Grid before = appState().HeightMap;
    click("Smooth1");
    ASSERT_FALSE(appState().HeightMap == before);
    QWidget* picture = windows->sculpt().canvas().viewport();
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(appState().HeightMap == before);
    QTest::keyClick(picture, Qt::Key_3, Qt::ControlModifier); // no OpenGL here: the box says so
    EXPECT_EQ(prompter.errors().size(), 1u);
    QTest::keyClick(picture, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(item("Sculpt1")->isChecked());
    EXPECT_FALSE(dockOf("frmSculpt")->isVisible());
}
