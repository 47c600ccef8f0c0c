#pragma once

#include <string>

namespace tolvar {

// The message the user sees for a failed file-system call with this errno.
std::string fileErrorMessage(int errorNumber);

// Throws Error with the message for errorNumber.
[[noreturn]] void throwFileError(int errorNumber);

// Throws the error of a file that ends before what its reader needs.
[[noreturn]] void throwReadBeyondEnd();

} // namespace tolvar
