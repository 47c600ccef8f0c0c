#pragma once

#include <QString>
#include <functional>

namespace tolvar {

class Frame;

// Runs a window's command in the one frame, where an error it throws ends
// in a message box. The command that ends an operation names the state its
// map becomes; the others pass an empty name.
class OperationRunner {
public:
    virtual ~OperationRunner() = default;

    virtual void runInFrame(const std::function<void(Frame&)>& command, const QString& stateName) = 0;
};

} // namespace tolvar
