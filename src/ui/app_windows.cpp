#include "ui/app_windows.h"

#include "session/history_window.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/toolbox_window.h"
#include "views/overhead_window.h"
#include "views/wing_window.h"
#include "views/wireframe_window.h"

namespace tolvar {

AppWindows::AppWindows(Prompter& prompter)
    : form1_(std::make_unique<TForm1>(prompter)), frmDisplay_(std::make_unique<TfrmDisplay>(*form1_)),
      frmMapDisplay_(std::make_unique<TfrmMapDisplay>()), frmAbout_(std::make_unique<TfrmAbout>()),
      frmHistory_(std::make_unique<TfrmHistory>()), frm1st_(std::make_unique<Tfrm1st>(*form1_)),
      frmToolbox_(std::make_unique<TfrmToolbox>())
{
    form1_->attach({frmDisplay_.get(), frmMapDisplay_.get(), frmAbout_.get(), frmHistory_.get(), frm1st_.get(),
                    frmToolbox_.get()});
    form1_->show();
}

AppWindows::~AppWindows() = default;

} // namespace tolvar
