#include "window_fixture.h"

#include "core/error.h"
#include "ui/tutorial.h"
#include "ui/window_places.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvar;
using tolvar::testing::WindowTest;

TEST(KeptInside, MovesFirstAndShrinksOnlyWhatCannotFit)
{
    const QRect free(280, 0, 520, 600); // right of the column on an 800 x 600 screen
    EXPECT_EQ(keptInside({300, 20, 400, 300}, free), QRect(300, 20, 400, 300));
    EXPECT_EQ(keptInside({700, 500, 400, 300}, free), QRect(400, 300, 400, 300));
    EXPECT_EQ(keptInside({-50, -7, 300, 200}, free), QRect(280, 0, 300, 200));
    EXPECT_EQ(keptInside({160, 0, 680, 620}, free), QRect(280, 0, 520, 600));
    EXPECT_EQ(keptInside({290, 100, 1024, 30}, free), QRect(280, 100, 520, 30));
}

namespace {

// The windows of a program run that keeps its settings in a folder.
class WindowPlaceTest : public WindowTest {
protected:
    WindowPlaceTest() { restart(); }

    // Ends the run and starts the next one on the same settings.
    void restart()
    {
        windows.reset();
        settings.reset();
        settings = AppSettings::inFolder(folder.path());
        windows = std::make_unique<AppWindows>(prompter, *settings);
    }
    QRect shownFrame(const char* name)
    {
        window(name)->show();
        QApplication::processEvents();
        return window(name)->frameGeometry();
    }

    QTemporaryDir folder;
};

} // namespace

// The offscreen screen is 800 x 800 and frames windows with 2 pixels on each
// side. The 3D View (1024 x 768) fits right of the always-on-top column
// once narrowed to 520; its place stands before it shows, frameless. Sculpt
// (680 x 620) cannot: its tool bar needs 676 pixels, so it stands as far
// right as the screen lets it.
TEST_F(WindowPlaceTest, SculptAndThe3DViewOpenWholeOnTheScreenBesideTheColumn)
{
    EXPECT_EQ(window("frm3D")->frameGeometry(), QRect(280, 0, 520, 768));
    EXPECT_EQ(shownFrame("frmSculpt"), QRect(120, 0, 680, 620));
}

TEST_F(WindowPlaceTest, WindowsOpenWhereTheUserLeftThemKeptOnTheScreen)
{
    shownFrame("frmHistory");
    window("frmHistory")->move(113, 250);
    window("frmHistory")->hide();
    shownFrame("frm1st");
    window("frm1st")->setGeometry(500, 380, 600, 400); // its client area: the frame is 604 x 404, and 800 - 604 = 196
    restart();
    EXPECT_EQ(shownFrame("frmHistory"), QRect(113, 250, 311, 340));
    EXPECT_EQ(shownFrame("frm1st"), QRect(196, 378, 604, 404));

    // A place under the column moves out of it.
    settings->setValue("windows/frm3D", QRect(30, 44, 431, 377));
    restart();
    EXPECT_EQ(window("frm3D")->frameGeometry(), QRect(280, 44, 431, 377));
}

TEST_F(WindowPlaceTest, TheBrushAndTheHeightScaleLastFromRunToRun)
{
    window("frmSculpt")->findChild<QLineEdit*>("ediTarget")->setText("2718");
    window("frm3D")->findChild<QSpinBox*>("ediHeightScale")->setValue(13);
    restart();
    EXPECT_EQ(window("frmSculpt")->findChild<QLineEdit*>("ediTarget")->text(), "2718");
    EXPECT_EQ(window("frm3D")->findChild<QSpinBox*>("ediHeightScale")->value(), 13);
}

// Ctrl+Z typed in a box of Sculpt undoes the map, not the box's text.
TEST_F(WindowTest, MenuKeysComeBeforeTheSculptBoxesOwn)
{
    click("Run1");
    const Grid ran = appState().HeightMap;
    click("Smooth1");
    ASSERT_FALSE(appState().HeightMap == ran);
    click("Sculpt1");
    QWidget* sculpt = window("frmSculpt");
    sculpt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sculpt));
    auto* radius = sculpt->findChild<QLineEdit*>("ediRadius");
    radius->setFocus();
    QTest::keyClick(radius, Qt::Key_5);
    QTest::keyClick(radius, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(appState().HeightMap == ran);
    EXPECT_EQ(radius->text(), "165");

    QTest::keyClick(radius, Qt::Key_F1);
    ASSERT_FALSE(prompter.asked().empty());
    const QString shown = QString::fromStdString(prompter.asked().back());
    EXPECT_TRUE(shown.startsWith("document: ") && shown.endsWith("/docs/TUTORIAL.md")) << shown.toStdString();
    EXPECT_TRUE(QFile::exists(shown.mid(10)));
}

// The tutorial beside the program as the Windows zip holds it, in the
// installed documentation, or nowhere: then the message names the places.
TEST(Tutorial, IsFoundBesideTheProgramOrInTheInstalledDocumentation)
{
    QTemporaryDir root;
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath("zip/docs") && top.mkpath("usr/bin") && top.mkpath("usr/share/doc/tolvar") &&
                top.mkpath("a/b/c"));
    for (const char* file : {"zip/docs/TUTORIAL.md", "usr/share/doc/tolvar/TUTORIAL.md"}) {
        QFile tutorial(top.filePath(file));
        ASSERT_TRUE(tutorial.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TutorialPath(top.filePath("zip")), top.filePath("zip/docs/TUTORIAL.md").toStdString());
    EXPECT_EQ(TutorialPath(top.filePath("usr/bin")), top.filePath("usr/share/doc/tolvar/TUTORIAL.md").toStdString());
    try {
        TutorialPath(top.filePath("a/b/c"));
        ADD_FAILURE() << "no tutorial found, yet no message";
    } catch (const Error& e) {
        const QString places = QDir::toNativeSeparators(top.filePath("a/b/c/docs/TUTORIAL.md")) + ", " +
                               QDir::toNativeSeparators(top.filePath("a/b/share/doc/tolvar/TUTORIAL.md")) + ", " +
                               QDir::toNativeSeparators(top.filePath("docs/TUTORIAL.md"));
        EXPECT_EQ(e.what(), "The tutorial is not installed: Tolvar looked for it at " + places.toStdString() + ".");
    }
}
