#pragma once

#include <string>
#include <vector>

namespace tolvar::testing {

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the batch driver with the given steps, in the given working directory
// (the test's own when empty), and collects what it printed.
BatchResult runBatch(const std::vector<std::string>& arguments, const std::string& directory = {});

// Replaces the calling process, a child just forked, by the batch driver
// with these steps; returns only if the driver cannot be started.
void execBatch(const std::vector<std::string>& arguments);

// A fresh, empty directory for files a test writes.
std::string scratchDirectory();

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::string& path);

} // namespace tolvar::testing
