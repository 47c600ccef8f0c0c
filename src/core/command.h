#pragma once

#include <span>

namespace tolvar {

class Frame;

// A menu item or button and the command it runs. Each subsystem lists its
// own; the main window connects them all.
struct Command {
    const char* item;
    void (*run)(Frame& frame);
};

using CommandTable = std::span<const Command>;

} // namespace tolvar
