#pragma once

#include <stdexcept>
#include <string>

namespace tolvar {

// Every failure a command reports to the user. The message is the exact text
// of the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The user stopped a command, which has put back all it changed: nothing to
// report, but whatever runs the command, such as a rerun, stops as well.
struct Cancelled {};

// Replaces the single "%s" of a message pattern by an argument.
std::string formatMessage(const std::string& pattern, const std::string& argument);

} // namespace tolvar
