#include "ui/menu_tree.h"

#include <QKeySequence>
#include <QMenu>
#include <stdexcept>
#include <string>

namespace tolvar {
namespace {

using E = MenuEntry;
constexpr int Off = E::Disabled;
constexpr int Hide = E::Hidden;
constexpr int Tick = E::Checkable;
constexpr int Ticked = E::Checked;

const E Separator{"-"};

// Filled in as files are opened and saved; hidden while empty.
std::vector<E> recentFileEntries()
{
    std::vector<E> entries;
    for (const char* name : {"OpenRecentFile1", "OpenRecentFile2", "OpenRecentFile3", "OpenRecentFile4",
                             "OpenRecentFile5", "OpenRecentFile6", "OpenRecentFile7", "OpenRecentFile8"})
        entries.push_back({"", name, Off | Hide});
    return entries;
}

std::vector<E> fileMenu()
{
    return {
        {"&New", "New1"},
        {"&Open", "Open1"},
        {"Open &Recent", "OpenRecent1", Off, recentFileEntries()},
        {"&Save", "Save1", Off},
        {"Save Game &Terrain...", "SaveTerrain1", Off},
        Separator,
        {"Open @&BatchFile", "OpenHistory1"},
        {"Binary File",
         "BinaryFile1",
         0,
         {{"Open Binary File", "OpenBinaryFile1"}, {"Save Binary File", "SaveBinaryFile1", Off}}},
        {"Bitmap",
         "Bitmap1",
         0,
         {
             {"O&pen Bitmap",
              "OpenBitmap2",
              0,
              {
                  {"&Averaged", "OpenBitmapAveraged1"},
                  {"&Divided", "OpenBitmapDivided1"},
                  {"&Masked", "OpenBitmap1"},
              }},
             {"Open &PNG Height Map", "OpenPngHeight1"},
             {"Sa&ve Bitmap", "SaveBitmap1", Off},
         }},
        {"DEM File",
         "DEMFile1",
         0,
         {{"Open &USGS DEM File", "OpenDEMFile1"}, {"Open &Vistapro DEM File", "SaveDEMFile1"}}},
        {"TXT File", "TXTFile1", 0, {{"Open TXT File", "OpenTXTFile1"}, {"Save TXT File", "SaveTXTFile1", Off}}},
        Separator,
        {"E&xit", "Exit1"},
    };
}

std::vector<E> editMenu()
{
    return {
        {"&Undo", "UndoZ1", Off},
        {"Step &Backward", "StepBack1", Off},
        {"Step &Forward", "StepForward1", Off},
        {"History States", "HistoryStates1"},
        Separator,
        {"&Copy", "Store1", Off},
        {"&Paste", "Retrieve1", Off},
        Separator,
        {"&Combine",
         "Combine1",
         Off,
         {
             {"&Add", "Add1"},
             {"Blend A&ve", "Merge1"},
             {"Blend Ma&x", "MaxBlend1"},
             {"Blend M&in", "BlendMin1"},
             {"&Subtract", "Subtract1"},
         }},
    };
}

std::vector<E> fractalMenu()
{
    return {
        {"&Run", "Run1"},
        {"&Type",
         "Type1",
         0,
         {
             {"&Circle", "Circle1", Tick},
             {"&Diamond-Square", "Mountains1", Tick},
             {"&Julia", "Julia1", Tick},
             {"J&uliaBrot", "JuliaBrot1", Tick},
             {"&Mandelbrot", "Mandelbrot1", Ticked},
             {"Mandel&High", "MandelHigh1", Tick},
         }},
        Separator,
        {"&Set Random Seed", "SetRandSeed1"},
        {"&Randomize", "GetRandomSeed1"},
    };
}

std::vector<E> viewMenu()
{
    return {
        {"Toolbox", "Toolbox1", Tick},
        Separator,
        {"&Plan", "Plan1", Ticked},
        {"&Wireframe (BitMap)", "Wireframe2", Tick},
        {"Wireframe (Win&G)", "WinG1", Ticked},
        {"&Sculpt", "Sculpt1", Tick},
        {"&3D View", "View3D1", Tick},
        {"Game &Terrain", "GameTerrain1", Tick},
        Separator,
        {"Wireframe &Options",
         "WFOptions1",
         0,
         {
             {"&1280x1280", "N1280", Ticked},
             {"&640x640", "N640", Tick},
             {"&320x320", "N320", Tick},
             Separator,
             {"&Green on Black", "Green1", Ticked},
             {"&Black on White", "Black1", Tick},
             {"Contour(&Colour)", "Contour1", Tick},
             {"Contour(Gre&y)", "Contour2", Tick},
             {"&Filled", "Filled1", Tick},
             Separator,
             {"Zoom Overlay", "ZoomOverlay1", Ticked},
         }},
    };
}

std::vector<E> specialMenu()
{
    return {
        {"&Adjust Height", "IncreaseHeight1", 0, {{"&Decrease", "Reduce1"}, {"&Increase", "Increase1"}}},
        {"&Boundary", "Boundary1", 0, {{"Bevel", "Blend1"}, {"&Dome", "Dome1"}, {"&Wall", "Wall1"}}},
        {"&Invert", "Invert1"},
        {"Add &Noise", "AddNoise1"},
        {"&Reflect",
         "Reflect1",
         0,
         {
             {"&Bottom To Top", "BottomToTop1"},
             {"&Top To Bottom", "TopToBottom1"},
             {"&Left To Right", "LeftToRight1"},
             {"&Right To Left", "RightToLeft1"},
         }},
        {"R&otate", "Rotate1", 0, {{"&Left", "RotLeft1"}, {"&Right", "RotRight1"}}},
        {"Shift",
         "Shift1",
         Hide,
         {{"&Left", "Left1"}, {"&Right", "Right1"}, {"&Up", "Up1"}, {"&Down", "Down1"}}},
        {"&Tile",
         "Tile1",
         0,
         {
             {"&Rotate", "Rotate2"},
             {"&Reflect",
              "Reflect2",
              0,
              {
                  {"&Bottom To Top", "BottomToTop2"},
                  {"&Top To Bottom", "TopToBottom2"},
                  {"&Left To Right", "LeftToRight2"},
                  {"&Right To Left", "RightToLeft2"},
                  {"&Both Ways", "N1"},
              }},
         }},
    };
}

std::vector<E> effectsMenu()
{
    return {
        {"&Smooth", "Smooth1"},
        Separator,
        {"&Erosion",
         "Erosion1",
         0,
         {{"&Rain/Rivers", "RainRivers1"}, {"&Thermal", "Thermal1"}, {"&Wind", "Wind1"}}},
        {"Meteors",
         "Meteors1",
         0,
         {
             {"&Angled", "Angled1"},
             {"&Contour", "Meteor1"},
             {"&Level", "LevelMeteor1"},
             {"&Ridged", "MeteorExplosive1"},
         }},
        {"&Special", "Special1", 0, specialMenu()},
        {"&Volcanic",
         "Quake1",
         0,
         {
             {"Canyon", "Canyon1"},
             {"Eart&hquake (Height)", "Earthquake1"},
             {"&EarthQuake (Shear)", "EarthQuake2"},
             {"&Plateau", "Plateaus1"},
             {"&Volcano", "Volcano1"},
         }},
        {"&Water",
         "Water1",
         0,
         {
             {"&Flood", "Flood1"},
             {"&Lower", "Lower1"},
             {"&River (Contour)", "River1"},
             {"River (Level)", "RiverLevel1"},
         }},
    };
}

std::vector<E> sessionMenu()
{
    return {
        {"Session Logging", "SessionLogging1", Tick},
        {"Rerun Session", "Rerun1"},
        Separator,
        {"View Session &History", "History1", Tick},
        Separator,
        {"Open Session File", "OpenSession1"},
        {"Save Session File", "SaveSession1"},
    };
}

void applyFlags(QAction* action, int flags)
{
    setItemEnabled(action, !(flags & E::Disabled));
    action->setVisible(!(flags & E::Hidden));
    action->setCheckable((flags & E::Checkable) != 0);
    action->setChecked((flags & E::Checked) == E::Checked);
}

void addEntries(QMenu* menu, const std::vector<E>& entries);

QMenu* buildMenu(const E& entry, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromUtf8(entry.caption), parent);
    menu->setObjectName(entry.name);
    menu->menuAction()->setObjectName(entry.name);
    applyFlags(menu->menuAction(), entry.flags);
    addEntries(menu, entry.items);
    return menu;
}

void addEntries(QMenu* menu, const std::vector<E>& entries)
{
    for (const E& entry : entries) {
        if (QString(entry.caption) == "-") {
            menu->addSeparator();
        } else if (!entry.items.empty()) {
            menu->addMenu(buildMenu(entry, menu));
        } else {
            QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(entry.name);
            applyFlags(action, entry.flags);
        }
    }
}

} // namespace

// The item's own state is stored first, so that whoever follows the
// action's changed signal reads the new one.
void setItemEnabled(QAction* action, bool enabled)
{
    action->setProperty("designEnabled", enabled);
    action->setEnabled(enabled);
}

bool itemEnabled(const QAction* action) { return action->property("designEnabled").toBool(); }

const std::vector<MenuEntry>& mainMenuTree()
{
    static const std::vector<E> tree{
        {"File", "File1", 0, fileMenu()},
        {"&Edit", "Edit1", 0, editMenu()},
        {"F&ractal", "Fractal1", 0, fractalMenu()},
        {"&View", "View1", Off, viewMenu()},
        {"Effec&ts", "Effects1", 0, effectsMenu()},
        {"&Window", "Window1", 0, {{"&Single Window", "SingleWindow1", Tick}}},
        {"&Help", "Help1", 0, {{"&Tutorial", "Tutorial1"}, {"&About", "About1"}}},
        {"Session", "Session1", 0, sessionMenu()},
    };
    return tree;
}

const std::vector<MenuKey>& menuKeys()
{
    // Ctrl+Z and Ctrl+S are the design's; the others are the keys users of
    // map editors expect. A new key is a new row.
    static const std::vector<MenuKey> keys{
        {"New1", "Ctrl+N"},
        {"Open1", "Ctrl+O"},
        {"SaveTerrain1", "Ctrl+Shift+S"},
        {"UndoZ1", "Ctrl+Z"},
        {"StepBack1", "Ctrl+Alt+Z"},
        {"StepForward1", "Ctrl+Shift+Z"},
        {"Sculpt1", "Ctrl+B"},
        {"View3D1", "Ctrl+3"},
        {"Smooth1", "Ctrl+S"},
        {"Tutorial1", "F1"},
    };
    return keys;
}

std::vector<QMenu*> buildMenus(const std::vector<MenuEntry>& tree, QWidget* parent)
{
    std::vector<QMenu*> menus;
    for (const E& entry : tree)
        menus.push_back(buildMenu(entry, parent));
    for (const MenuKey& key : menuKeys()) {
        auto* action = parent->findChild<QAction*>(key.item);
        if (!action)
            throw std::logic_error(std::string("a key for no menu item: ") + key.item);
        action->setShortcut(QKeySequence(key.keys));
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    return menus;
}

} // namespace tolvar
