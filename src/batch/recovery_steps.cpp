// The batch driver's recovery: with --recovery-dir the run keeps copies as
// the program does, and first offers the one a run left.
#include "core/scripted_prompter.h"
#include "ui/app_windows.h"
#include "ui/batch_driver.h"
#include "ui/crash_recovery.h"
#include "ui/main_window.h"

namespace tolvar {

void BatchDriver::startRecovery(std::vector<Step>::const_iterator& next, std::vector<Step>::const_iterator end)
{
    for (; next != end && next->key == "answer" && next->value; ++next)
        perform(*next);
    recovery_ = std::make_unique<CrashRecovery>(windows_.form1().runner(), prompter_,
                                                QString::fromStdString(*recoveryDir_), autosaveSeconds_);
    recovery_->offerLeftCopy();
    if (prompter_.unanswered())
        throw UsageError{"no answer waiting for " + *prompter_.unanswered()};
    reportErrors();
}

} // namespace tolvar
