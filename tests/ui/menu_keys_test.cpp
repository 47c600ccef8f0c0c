#include "irregular_map.h"
#include "window_fixture.h"

#include "core/boxes.h"
#include "ui/menu_tree.h"
#include "ui/parameter_panel.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace tolvar;
using tolvar::testing::fillIrregular;
using tolvar::testing::irregularHeight;
using tolvar::testing::WindowTest;

namespace {

// Keys pressed as a user presses them: into the focused box of the active
// main window, through the same shortcut handling as real key strokes.
class MenuKeyTest : public WindowTest {
protected:
    QWidget* focusBox(Box box)
    {
        form().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
        QWidget* control = form().panel().box(box);
        control->setFocus();
        return control;
    }
    static void press(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(control, key, modifiers);
        QApplication::processEvents();
    }
    std::string text(Box box) { return form().text(box); }
    QString pointInfo() { return window("frmMapDisplay")->findChild<QLabel*>("labPointInfo")->text(); }
    // The 128 x 128 map in use holds the irregular heights of the salt.
    static bool mapIsIrregular(std::uint32_t salt)
    {
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                if (appState().HeightMap(r, c) != irregularHeight(r, c, salt))
                    return false;
        return true;
    }
};

} // namespace

TEST_F(MenuKeyTest, CtrlZInABoxUndoesTheMapNotTheText)
{
    std::uint32_t salt = 0;
    for (const Box box : {Box::ediReal, Box::cboSteep}) {
        fillIrregular(appState().HeightMap, ++salt);
        click("Run1");
        ASSERT_FALSE(mapIsIrregular(salt));
        QWidget* control = focusBox(box);
        const std::string typed = text(box) + "9";
        press(control, Qt::Key_9);
        press(control, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(mapIsIrregular(salt)) << boxInfo(box).name;
        EXPECT_EQ(pointInfo(), "Undone");
        EXPECT_EQ(text(box), typed);
        EXPECT_FALSE(itemEnabled(item("UndoZ1")));
    }
}

// With nothing to undo, Ctrl+Z does nothing at all: had it fallen back to the
// box, a second Ctrl+Z would silently take back the user's typing and change
// the parameters of the next command.
TEST_F(MenuKeyTest, CtrlZWithUndoDisabledLeavesTheBoxAlone)
{
    QWidget* real = focusBox(Box::ediReal);
    press(real, Qt::Key_9);
    press(real, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(Box::ediReal), ".19");
    EXPECT_EQ(appState().HeightMap, Grid{});

    click("Run1");
    real = focusBox(Box::ediReal); // back from the views the Run showed
    press(real, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(pointInfo(), "Undone");
    press(real, Qt::Key_8);
    press(real, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(Box::ediReal), ".198");
}

TEST_F(MenuKeyTest, CtrlSInABoxReachesSmooth)
{
    int smoothed = 0;
    QObject::connect(item("Smooth1"), &QAction::triggered, [&] { ++smoothed; });
    press(focusBox(Box::cboMagnify), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(smoothed, 1);
    EXPECT_EQ(text(Box::cboMagnify), "0.1");
}

TEST_F(MenuKeyTest, TheOtherKeysStillEditTheBoxes)
{
    QWidget* imaginary = focusBox(Box::ediImaginary);
    press(imaginary, Qt::Key_A, Qt::ControlModifier);
    press(imaginary, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(Box::ediImaginary), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "-.692");

    QWidget* steep = focusBox(Box::cboSteep);
    press(steep, Qt::Key_V, Qt::ControlModifier);
    press(steep, Qt::Key_4);
    EXPECT_EQ(text(Box::cboSteep), "1-.6924");
    press(steep, Qt::Key_Left, Qt::ShiftModifier);
    press(steep, Qt::Key_Left, Qt::ShiftModifier);
    press(steep, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "24");
}
