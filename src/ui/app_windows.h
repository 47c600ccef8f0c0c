#pragma once

#include "ui/remembered_boxes.h"

#include <memory>

namespace tolvar {

class AppSettings;
class Prompter;
class WindowPlaces;
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
class SingleWindow;

// The windows of the program, created in their start-up order with the main
// window first, and the single window that can hold them; only the main
// window is shown. What the user leaves in them that lasts from run to run
// (places, the brush, the height scale) comes from the settings, and goes
// back there when they close.
class AppWindows {
public:
    AppWindows(Prompter& prompter, AppSettings& settings);
    ~AppWindows();

    TForm1& form1() { return *form1_; }
    TfrmToolbox& toolbox() { return *frmToolbox_; }
    TfrmSculpt& sculpt() { return *frmSculpt_; }
    SingleWindow& singleWindow() { return *singleWindow_; }

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
    std::unique_ptr<TfrmGameTerrain> frmGameTerrain_;
    AppSettings& settings_;
    RememberedBoxes boxes_;
    // Last, so that it stops following the windows before they go.
    std::unique_ptr<WindowPlaces> places_;
    // Last, so that it gives the windows it holds back before they go.
    std::unique_ptr<SingleWindow> singleWindow_;
};

} // namespace tolvar
