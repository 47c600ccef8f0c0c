#include "irregular_map.h"
#include "window_fixture.h"

#include "ui/parameter_panel.h"

#include <QClipboard>
#include <QLabel>
#include <QTest>

using namespace tolvar;
using tolvar::testing::WindowTest;

namespace {

class MenuKeyTest : public WindowTest {
protected:
    // A key as a user presses it: into a box of the active main window, through
    // the same shortcut handling as a real key stroke.
    void press(Box box, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
        QWidget* control = form().panel().box(box);
        control->setFocus();
        QTest::keyClick(control, key, modifiers);
    }
    std::string text(Box box) { return form().text(box); }
};

} // namespace

TEST_F(MenuKeyTest, CtrlZAndCtrlSRunTheirItemsFromABox)
{
    tolvar::testing::fillIrregular(appState().HeightMap, 13);
    const Grid irregular = appState().HeightMap;
    click("Run1");
    ASSERT_FALSE(appState().HeightMap == irregular);
    press(Box::cboSteep, Qt::Key_9);
    press(Box::cboSteep, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(appState().HeightMap == irregular);
    EXPECT_EQ(window("frmMapDisplay")->findChild<QLabel*>("labPointInfo")->text(), "Undone");
    EXPECT_EQ(text(Box::cboSteep), "19");

    // Undo is disabled now. Had Ctrl+Z fallen back to the box, it would
    // silently take back the user's typing and change the next command.
    press(Box::ediReal, Qt::Key_9);
    press(Box::ediReal, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(Box::ediReal), ".19");

    int smoothed = 0;
    QObject::connect(item("Smooth1"), &QAction::triggered, [&] { ++smoothed; });
    press(Box::ediReal, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(smoothed, 1);
}

TEST_F(MenuKeyTest, TheOtherKeysStillEditTheBoxes)
{
    press(Box::ediImaginary, Qt::Key_A, Qt::ControlModifier);
    press(Box::ediImaginary, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "-.692");
    press(Box::ediImaginary, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(Box::ediImaginary), "");
    press(Box::cboSteep, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Box::cboSteep), "1-.692");
}
