#include "ui/app_windows.h"

#include "session/history_window.h"
#include "ui/about_window.h"
#include "ui/frame_placement.h"
#include "ui/game_terrain_window.h"
#include "ui/main_window.h"
#include "ui/single_window.h"
#include "ui/single_window_settings.h"
#include "ui/toolbox_window.h"
#include "ui/window_places.h"
#include "views/overhead_window.h"
#include "views/sculpt_window.h"
#include "views/view3d_window.h"
#include "views/wing_window.h"
#include "views/wireframe_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

namespace tolvar {
namespace {

QRect centredOnScreen(QSize size)
{
    QRect place({0, 0}, size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        place.moveCenter(screen->geometry().center());
    return place;
}

} // namespace

namespace {

// View > Game Terrain shows and hides the window; closing it unchecks the item.
void connectGameTerrain(TForm1& form, TfrmGameTerrain& window, Tfrm3D& view3d)
{
    QAction* item = form.item("GameTerrain1");
    QObject::connect(item, &QAction::toggled, &window, &QWidget::setVisible);
    QObject::connect(&window, &TfrmGameTerrain::closed, item, [item] { item->setChecked(false); });
    QObject::connect(&window, &TfrmGameTerrain::boxesChanged, &view3d, &Tfrm3D::redrawGameLayers);
}

} // namespace

AppWindows::AppWindows(Prompter& prompter, AppSettings& settings)
    : form1_(std::make_unique<TForm1>(prompter, settings)), frmDisplay_(std::make_unique<TfrmDisplay>(form1_->document(), *form1_)),
      frmMapDisplay_(std::make_unique<TfrmMapDisplay>(form1_->document())), frmAbout_(std::make_unique<TfrmAbout>()),
      frmHistory_(std::make_unique<TfrmHistory>()), frm1st_(std::make_unique<Tfrm1st>(form1_->document(), *form1_)),
      frmToolbox_(std::make_unique<TfrmToolbox>(*form1_)),
      frmSculpt_(std::make_unique<TfrmSculpt>(form1_->document(), form1_->runner())),
      frm3D_(std::make_unique<Tfrm3D>(form1_->document(), *form1_)), frmGameTerrain_(std::make_unique<TfrmGameTerrain>(settings)),
      settings_(settings), boxes_(settings), places_(std::make_unique<WindowPlaces>(settings))
{
    // Places and sizes are the frames': a position is the frame's top-left
    // corner, a size the whole window with its frame and title bar. Only the
    // Overhead Map's size is its client area's. Sculpt and the 3D View open
    // beside the always-on-top column, never under it.
    places_->place(*form1_, {1, 1, 150, 406}, Sizing::Fixed);
    places_->place(*frmDisplay_, {149, 0, 875, 626}, Sizing::Resizable);
    places_->place(*frmMapDisplay_, QPoint(0, 410));
    placeByFrame(*frmAbout_, centredOnScreen({387, 540}), Sizing::Fixed);
    places_->place(*frmHistory_, {289, 391, 311, 340}, Sizing::Resizable);
    places_->place(*frm1st_, {151, 3, 859, 699}, Sizing::Resizable);
    places_->place(*frmToolbox_, {8, 644, 1002, 87}, Sizing::Resizable);
    places_->place(*frmSculpt_, {AlwaysOnTopColumnRight, 0, 680, 620}, Sizing::Resizable, Area::BesideColumn);
    places_->place(*frm3D_, {AlwaysOnTopColumnRight, 0, 1024, 768}, Sizing::Resizable, Area::BesideColumn);
    places_->place(*frmGameTerrain_, {620, 60, 400, 230}, Sizing::Resizable);

    form1_->attach({frmDisplay_.get(), frmMapDisplay_.get(), frmAbout_.get(), frmHistory_.get(), frm1st_.get(),
                    frmToolbox_.get(), frmSculpt_.get(), frm3D_.get()});
    form1_->giveMenuKeysPrecedence(*frmSculpt_);
    form1_->giveMenuKeysPrecedence(*frm3D_);
    boxes_.add(*frmSculpt_, {"cboBrush", "ediRadius", "ediStrength", "ediHardness", "ediTarget", "cboShading",
                             "ediContour"});
    boxes_.add(*frm3D_, {"ediHeightScale"});
    connectGameTerrain(*form1_, *frmGameTerrain_, *frm3D_);
    QObject::connect(&form1_->runner(), &CommandRunner::mapStateRecorded, frm3D_.get(), &Tfrm3D::followCommandEnd);
    std::vector<DockedView> docked{{frmMapDisplay_.get(), DockPlace::BelowPanel},
                                   {frm1st_.get(), DockPlace::Tabbed},
                                   {frmSculpt_.get(), DockPlace::Tabbed},
                                   {form1_->statesWindow(), DockPlace::Beside},
                                   {frmToolbox_.get(), DockPlace::Bottom}};
    // An OpenGL view makes its whole window draw through OpenGL, which a
    // display without it cannot do; there the 3D View never opens anyway.
    if (Tfrm3D::openGLAvailable())
        docked.insert(docked.begin() + 3, {frm3D_.get(), DockPlace::Tabbed});
    singleWindow_ = std::make_unique<SingleWindow>(*form1_, docked);
    form1_->show();
    singleWindow_->apply(loadSingleWindowSettings(settings_));
}

AppWindows::~AppWindows()
{
    saveSingleWindowSettings(settings_, singleWindow_->settings());
    places_->noteShown();
    boxes_.note();
}

} // namespace tolvar
