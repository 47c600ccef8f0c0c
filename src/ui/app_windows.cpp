#include "ui/app_windows.h"

#include "session/history_window.h"
#include "ui/about_window.h"
#include "ui/frame_placement.h"
#include "ui/main_window.h"
#include "ui/toolbox_window.h"
#include "views/overhead_window.h"
#include "views/sculpt_window.h"
#include "views/view3d_window.h"
#include "views/wing_window.h"
#include "views/wireframe_window.h"

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

AppWindows::AppWindows(Prompter& prompter)
    : form1_(std::make_unique<TForm1>(prompter)), frmDisplay_(std::make_unique<TfrmDisplay>(*form1_)),
      frmMapDisplay_(std::make_unique<TfrmMapDisplay>()), frmAbout_(std::make_unique<TfrmAbout>()),
      frmHistory_(std::make_unique<TfrmHistory>()), frm1st_(std::make_unique<Tfrm1st>(*form1_)),
      frmToolbox_(std::make_unique<TfrmToolbox>(*form1_)),
      frmSculpt_(std::make_unique<TfrmSculpt>([form1 = form1_.get()](const auto& command, const QString& name) {
          form1->runInFrame(command, name);
      })),
      frm3D_(std::make_unique<Tfrm3D>(*form1_))
{
    // Places and sizes are the frames': a position is the frame's top-left
    // corner, a size the whole window with its frame and title bar. Only the
    // Overhead Map's size is its client area's.
    placeByFrame(*form1_, {1, 1, 150, 406}, Sizing::Fixed);
    placeByFrame(*frmDisplay_, {149, 0, 875, 626}, Sizing::Resizable);
    placeByFrame(*frmMapDisplay_, QPoint(0, 410));
    placeByFrame(*frmAbout_, centredOnScreen({387, 540}), Sizing::Fixed);
    placeByFrame(*frmHistory_, {289, 391, 311, 340}, Sizing::Resizable);
    placeByFrame(*frm1st_, {151, 3, 859, 699}, Sizing::Resizable);
    placeByFrame(*frmToolbox_, {8, 644, 1002, 87}, Sizing::Resizable);
    placeByFrame(*frmSculpt_, {160, 0, 680, 620}, Sizing::Resizable);
    placeByFrame(*frm3D_, {151, 3, 1024, 768}, Sizing::Resizable);

    form1_->attach({frmDisplay_.get(), frmMapDisplay_.get(), frmAbout_.get(), frmHistory_.get(), frm1st_.get(),
                    frmToolbox_.get(), frmSculpt_.get(), frm3D_.get()});
    // A stroke shows in the 3D View as it goes, its changed rows alone.
    QObject::connect(frmSculpt_.get(), &TfrmSculpt::mapRegionChanged, frm3D_.get(),
                     [view = frm3D_.get()](int firstRow, int lastRow) { view->updateRows(firstRow, lastRow); });
    form1_->show();
}

AppWindows::~AppWindows() = default;

} // namespace tolvar
