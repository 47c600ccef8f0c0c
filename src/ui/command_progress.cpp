#include "ui/command_progress.h"

#include "ui/command_runner.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace tolvar {

CommandProgress::CommandProgress(QWidget* parent, int steps, std::string_view title, std::string_view stepName,
                                 CommandRunner& runner)
    : dialog_(parent), steps_(steps), stepName_(qs(stepName)), runner_(runner)
{
    dialog_.setObjectName("dlgProgress");
    dialog_.setWindowTitle(qs(title));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setRange(0, steps);
    dialog_.setLabelText(stepText(0));
    dialog_.setMinimumDuration(1000);
    dialog_.setValue(0); // starts the clock of the minimum duration
    runner_.setLongRun(true);
}

CommandProgress::~CommandProgress()
{
    runner_.setLongRun(false);
}

bool CommandProgress::cancelled(int stepReached)
{
    dialog_.setLabelText(stepText(stepReached));
    // Until the dialog shows, its value stays put (setValue would show
    // it early, from a guess of the time left) and input waits, as it
    // does for a short run.
    if (dialog_.isVisible()) {
        dialog_.setValue(stepReached);
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return dialog_.wasCanceled();
}

QString CommandProgress::stepText(int stepReached) const
{
    return QString("%1 %2 of %3").arg(stepName_).arg(stepReached).arg(steps_);
}

} // namespace tolvar
