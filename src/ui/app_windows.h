#pragma once

#include "ui/settings_store.h"

#include <memory>

namespace tolvar {

class Prompter;
class TForm1;
class TfrmDisplay;
class TfrmMapDisplay;
class TfrmAbout;
class TfrmHistory;
class Tfrm1st;
class TfrmToolbox;
class TfrmSculpt;
class Tfrm3D;
class TfrmGameTerrain;

// The eight windows of the program, created in their start-up order with
// the main window first; only the main window is shown.
class AppWindows {
public:
    // Box values are remembered in settings: the user's in the program.
    explicit AppWindows(Prompter& prompter, std::unique_ptr<SettingsStore> settings = nullptr);
    ~AppWindows();

    TForm1& form1() { return *form1_; }
    TfrmToolbox& toolbox() { return *frmToolbox_; }
    TfrmSculpt& sculpt() { return *frmSculpt_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TfrmDisplay> frmDisplay_;
    std::unique_ptr<TfrmMapDisplay> frmMapDisplay_;
    std::unique_ptr<TfrmAbout> frmAbout_;
    std::unique_ptr<TfrmHistory> frmHistory_;
    std::unique_ptr<Tfrm1st> frm1st_;
    std::unique_ptr<TfrmToolbox> frmToolbox_;
    std::unique_ptr<TfrmSculpt> frmSculpt_;
    std::unique_ptr<Tfrm3D> frm3D_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<TfrmGameTerrain> frmGameTerrain_;
};

} // namespace tolvar
