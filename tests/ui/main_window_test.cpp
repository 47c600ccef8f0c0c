#include "window_fixture.h"

#include "ui/menu_tree.h"
#include "ui/parameter_panel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSet>
#include <QTimer>

using namespace tolvar;
using tolvar::testing::WindowTest;

namespace {

const char* const operationControls[] = {"UndoZ1", "View1", "Store1", "Retrieve1", "Save1"};
const char* const viewButtons[] = {"btnUp", "btnDown", "btnLeft", "btnRight", "btnRotLeft", "btnRotRight"};

} // namespace

TEST_F(WindowTest, SevenWindowsExistAndOnlyTheMainWindowIsShown)
{
    const std::pair<const char*, const char*> windowsAndCaptions[] = {
        {"Form1", "Tolvar"},           {"frmDisplay", "Wireframe Display"}, {"frmMapDisplay", "Overhead Map"},
        {"frmAbout", "About Tolvar"},  {"frmHistory", "Session History"},   {"frm1st", "WinG Wireframe"},
        {"frmToolbox", "Toolbox"},
    };
    for (const auto& [name, caption] : windowsAndCaptions) {
        QWidget* w = window(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->windowTitle(), caption);
        EXPECT_EQ(w->isVisible(), std::string(name) == "Form1") << name;
    }
    EXPECT_TRUE(form().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(WindowTest, BeforeTheFirstOperationTheEditingControlsAreDisabled)
{
    for (const char* name : operationControls)
        EXPECT_FALSE(itemEnabled(item(name))) << name;
    for (const char* name : viewButtons)
        EXPECT_FALSE(form().panel().button(name)->isEnabled()) << name;
    EXPECT_FALSE(itemEnabled(item("Combine1")));
    EXPECT_TRUE(form().panel().box(Box::cboHeight)->isEnabled());
}

TEST_F(WindowTest, AfterTheFirstOperationTheyAreEnabledAndTheViewsAppear)
{
    prompter.queueConfirm(true);
    click("New1");
    for (const char* name : operationControls)
        EXPECT_TRUE(itemEnabled(item(name))) << name;
    for (const char* name : viewButtons)
        EXPECT_TRUE(form().panel().button(name)->isEnabled()) << name;
    EXPECT_TRUE(form().panel().box(Box::cboHeight)->isEnabled()); // New unlocks the size
    EXPECT_TRUE(window("frmMapDisplay")->isVisible());
    EXPECT_TRUE(window("frm1st")->isVisible());
    EXPECT_FALSE(window("frmDisplay")->isVisible());
    EXPECT_FALSE(itemEnabled(item("Combine1")));
}

TEST_F(WindowTest, TheStartStateOfTheMenusFollowsTheDesign)
{
    for (const char* name : {"Mandelbrot1", "Plan1", "WinG1", "N1280", "Green1", "ZoomOverlay1"})
        EXPECT_TRUE(item(name)->isChecked()) << name;
    for (const char* name : {"Circle1", "Mountains1", "Julia1", "JuliaBrot1", "MandelHigh1", "Wireframe2", "N640",
                             "N320", "Black1", "Contour1", "Contour2", "Filled1", "Toolbox1", "SessionLogging1",
                             "History1"})
        EXPECT_FALSE(item(name)->isChecked()) << name;
    for (const char* name : {"SaveBitmap1", "SaveTXTFile1", "SaveBinaryFile1"})
        EXPECT_FALSE(itemEnabled(item(name))) << name;
    EXPECT_TRUE(itemEnabled(item("Filled1")));
    for (const char* name : {"OpenPngHeight1", "OpenBinaryFile1", "OpenSession1", "SaveSession1"})
        EXPECT_TRUE(form().reachable(name)) << name;
    for (const char* name : {"RainRivers1", "Thermal1", "EarthQuake2", "Tile1", "Rotate2", "N1"})
        EXPECT_TRUE(itemEnabled(item(name))) << name;
    EXPECT_EQ(item("N1")->text(), "&Both Ways");
    for (const auto& [box, reader] :
         {std::pair{Box::ediIterations, "Thermal"}, std::pair{Box::ediIterations, "Rain/Rivers"},
          std::pair{Box::cboSteep, "Thermal"}, std::pair{Box::cboSteep, "Rain/Rivers"},
          std::pair{Box::cboSteep, "EarthQuake (Shear)"}})
        EXPECT_TRUE(form().panel().box(box)->toolTip().contains(reader)) << reader;
    EXPECT_FALSE(item("Shift1")->isVisible());
    EXPECT_TRUE(itemEnabled(item("Shift1")));
    // The Session menu is open to the user, its logging off until chosen.
    EXPECT_TRUE(item("Session1")->isVisible());
    EXPECT_TRUE(form().reachable("Rerun1"));
    EXPECT_TRUE(item("SessionLogging1")->isCheckable());
    EXPECT_EQ(item("UndoZ1")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(item("Smooth1")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(item("Mountains1")->text(), "&Diamond-Square");
    EXPECT_EQ(item("Merge1")->text(), "Blend A&ve");
}

namespace {

void collectItems(const QList<QAction*>& actions, QStringList& names)
{
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        names << action->objectName();
        if (action->menu())
            collectItems(action->menu()->actions(), names);
    }
}

} // namespace

TEST_F(WindowTest, EveryMenuItemHasAUniqueDesignName)
{
    QStringList names;
    for (QMenuBar* row : form().findChildren<QMenuBar*>())
        collectItems(row->actions(), names);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.size(), form().items().size());
    EXPECT_EQ(names.size(), 138);
}

TEST_F(WindowTest, EveryVisibleTopLevelMenuFitsOnARowOfTheBar)
{
    form().show();
    QApplication::processEvents();
    QSet<QString> shown;
    for (QMenuBar* row : form().findChildren<QMenuBar*>()) {
        for (QAction* action : row->actions()) {
            const QRect place = row->actionGeometry(action);
            if (action->isVisible() && row->rect().contains(place))
                shown.insert(action->objectName());
        }
    }
    EXPECT_EQ(shown, (QSet<QString>{"File1", "Edit1", "Fractal1", "View1", "Effects1", "Window1", "Help1",
                                     "Session1"}));
}

TEST_F(WindowTest, LabelsFitTheirColumn)
{
    for (QLabel* label : form().panel().findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), 76) << label->text().toStdString();
}

TEST_F(WindowTest, AViewItemTogglesOnceAndShowsOrHidesItsWindow)
{
    prompter.queueConfirm(true);
    click("New1");
    click("Plan1");
    EXPECT_FALSE(item("Plan1")->isChecked());
    EXPECT_FALSE(window("frmMapDisplay")->isVisible());
    click("Plan1");
    EXPECT_TRUE(item("Plan1")->isChecked());
    EXPECT_TRUE(window("frmMapDisplay")->isVisible());
    click("Wireframe2");
    EXPECT_TRUE(item("Wireframe2")->isChecked());
    EXPECT_TRUE(window("frmDisplay")->isVisible());
}

TEST_F(WindowTest, ClosingAViewWindowClearsItsCheckMark)
{
    prompter.queueConfirm(true);
    click("New1");
    window("frmMapDisplay")->close();
    window("frm1st")->close();
    EXPECT_FALSE(item("Plan1")->isChecked());
    EXPECT_FALSE(item("WinG1")->isChecked());
    prompter.queueConfirm(false);
    click("New1");
    EXPECT_FALSE(window("frmMapDisplay")->isVisible());
    EXPECT_FALSE(window("frm1st")->isVisible());
}

TEST_F(WindowTest, TheToolboxAndHistoryItemsToggleTheirWindows)
{
    click("History1");
    EXPECT_TRUE(window("frmHistory")->isVisible());
    EXPECT_TRUE(item("History1")->isChecked());
    window("frmHistory")->close();
    EXPECT_FALSE(item("History1")->isChecked());
    click("Run1");
    click("Toolbox1");
    EXPECT_TRUE(window("frmToolbox")->isVisible());
    EXPECT_TRUE(item("Toolbox1")->isChecked());
    click("Toolbox1");
    EXPECT_FALSE(window("frmToolbox")->isVisible());
    click("Toolbox1");
    window("frmToolbox")->close();
    EXPECT_FALSE(item("Toolbox1")->isChecked());
}

TEST_F(WindowTest, AboutShowsWithoutBlocking)
{
    click("About1");
    EXPECT_TRUE(window("frmAbout")->isVisible());
    EXPECT_FALSE(window("frmAbout")->isModal());
    const QString memo = window("frmAbout")->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(memo.contains("README.md") && memo.contains("docs/TUTORIAL.md")) << memo.toStdString();
}

TEST_F(WindowTest, AnErrorEndsTheCommandWithAMessage)
{
    form().panel().edit(Box::cboHeight)->setText("abc");
    prompter.queueConfirm(true);
    click("New1");
    EXPECT_EQ(prompter.errors(), std::vector<std::string>{"'abc' is not a valid integer value"});
    EXPECT_FALSE(window("frmMapDisplay")->isVisible());
}

TEST_F(WindowTest, TheBusyCursorCoversThreeWindowsButNotTheWinGWindow)
{
    form().setBusyCursor(true);
    for (const char* name : {"Form1", "frmDisplay", "frmMapDisplay"})
        EXPECT_EQ(window(name)->cursor().shape(), Qt::WaitCursor) << name;
    EXPECT_NE(window("frm1st")->cursor().shape(), Qt::WaitCursor);
    form().setBusyCursor(false);
    EXPECT_EQ(form().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, ExitClosesTheMainWindowAndSaysSo)
{
    bool closed = false;
    QObject::connect(&form(), &TForm1::closed, [&] { closed = true; });
    click("Exit1");
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form().isVisible());
}

// Closing while a long run's progress dialog is up is ignored without a
// question; Cancel then puts the map back, and Exit asks as before.
TEST_F(WindowTest, ACloseRequestDuringALongRunIsIgnored)
{
    click("Run1");
    const Grid before = appState().HeightMap;
    click("JuliaBrot1");
    const std::pair<Box, const char*> nearTheEdge[] = {{Box::ediReal, "-.3905409"},
                                                       {Box::ediImaginary, "-.586788"},
                                                       {Box::cboMagnify, ".000001"},
                                                       {Box::ediIterations, "2000000000"}};
    for (const auto& [box, text] : nearTheEdge)
        form().panel().edit(box)->setText(text);
    bool stayed = false;
    QTimer closer;
    closer.callOnTimeout([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(w); progress && progress->isVisible()) {
                closer.stop();
                form().close();
                stayed = form().isVisible();
                progress->cancel();
            }
    });
    closer.start(20);
    click("Run1");
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(prompter.asked().empty());
    EXPECT_TRUE(appState().HeightMap == before);
    click("Exit1");
    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"Tolvar: Save changes to the map before closing?"});
    EXPECT_TRUE(form().isVisible());
}
