#include "ui/crash_recovery.h"

#include "core/error.h"
#include "core/prompter.h"
#include "ui/command_runner.h"

namespace tolvar {

CrashRecovery::CrashRecovery(CommandRunner& runner, Prompter& prompter, const QString& dir, int seconds)
    : runner_(runner), prompter_(prompter), folder_(dir)
{
    timer_.callOnTimeout(this, &CrashRecovery::keepCopy);
    timer_.start(seconds * 1000);
    connect(&runner_, &CommandRunner::mapStateRecorded, this, &CrashRecovery::dropCopyIfSaved);
}

void CrashRecovery::offerLeftCopy()
{
    auto left = folder_.newestLeftCopy();
    if (!left)
        return;
    const std::string text = "Tolvar closed before saving your last map (" +
                             left->written.toString("HH:mm").toStdString() + "). Recover it?";
    switch (prompter_.ask("Tolvar", text)) {
    case Answer::Yes:
        recover(*left);
        break;
    case Answer::No:
        folder_.setAside(*left);
        break;
    case Answer::Cancel:
        break;
    }
}

// The left copy goes only once this process holds the map in a copy of its own.
void CrashRecovery::recover(LeftCopy& left)
{
    try {
        const RecoveredMap copy = RecoveryFolder::read(left);
        runner_.recoverMap(copy);
        // The command shows its own error; the copy stays for another try.
        if (runner_.recoveryContents().map != copy.map)
            return;
    } catch (const Error& e) {
        prompter_.showError(e.what());
        return;
    }
    keepCopy();
    if (!failing_)
        RecoveryFolder::discard(left);
}

void CrashRecovery::keepCopy()
{
    // A half-made map is no state to go back to; the next interval comes.
    if (runner_.inLongRun())
        return;
    if (!runner_.hasUnsavedMap()) {
        folder_.remove();
        return;
    }
    try {
        folder_.write(runner_.recoveryContents());
        failing_ = false;
    } catch (const Error& e) {
        if (!failing_)
            prompter_.showError(e.what());
        failing_ = true;
    }
}

void CrashRecovery::dropCopyIfSaved()
{
    if (!runner_.hasUnsavedMap())
        folder_.remove();
}

} // namespace tolvar
