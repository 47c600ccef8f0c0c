#pragma once

#include "session/recovery_copy.h"

#include <QObject>
#include <QTimer>

namespace tolvar {

class Prompter;
class CommandRunner;

// Keeps a recovery copy of a map with unsaved changes, written every few
// seconds into a folder of copies, and offers at start the copy that a
// Tolvar which closed without saving left there.
class CrashRecovery : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultSeconds = 60;

    CrashRecovery(CommandRunner& runner, Prompter& prompter, const QString& dir, int seconds = DefaultSeconds);

    // Asks whether to recover the newest left copy: Yes recovers it, No
    // sets it aside, Cancel leaves it for the next start.
    void offerLeftCopy();
    // Writes the copy now if the map has unsaved changes, else removes it.
    void keepCopy();

private:
    void recover(LeftCopy& left);
    void dropCopyIfSaved();

    CommandRunner& runner_;
    Prompter& prompter_;
    RecoveryFolder folder_;
    QTimer timer_;
    // A failed write is reported once, not every interval.
    bool failing_ = false;
};

} // namespace tolvar
