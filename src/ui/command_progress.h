#pragma once

#include "core/ui_port.h"

#include <QProgressDialog>
#include <QString>
#include <string_view>

class QWidget;

namespace tolvar {

class CommandRunner;

// The progress of a long command: a modal dialog that Qt shows once the
// command has gone on for a second, with the step reached and a Cancel button.
class CommandProgress : public Progress {
public:
    CommandProgress(QWidget* parent, int steps, std::string_view title, std::string_view stepName,
                    CommandRunner& runner);
    ~CommandProgress() override;

    bool cancelled(int stepReached) override;

private:
    QString stepText(int stepReached) const;

    QProgressDialog dialog_;
    int steps_;
    QString stepName_;
    CommandRunner& runner_;
};

} // namespace tolvar
