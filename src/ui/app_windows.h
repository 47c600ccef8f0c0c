#pragma once

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
class SingleWindow;

// The eight windows of the program, created in their start-up order with
// the main window first, and the single window that can hold them; only the
// main window is shown.
class AppWindows {
public:
    explicit AppWindows(Prompter& prompter);
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
    // Last, so that it gives the windows it holds back before they go.
    std::unique_ptr<SingleWindow> singleWindow_;
};

} // namespace tolvar
