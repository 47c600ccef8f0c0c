#pragma once

#include "scratch_directory.h"

#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace tolvar::testing {

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program with the given arguments, in the given working directory
// (the test's own when empty), and collects what it printed.
BatchResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& directory = {});

// Runs the batch driver with the given steps, in the given working directory
// (the test's own when empty), and collects what it printed.
BatchResult runBatch(const std::vector<std::string>& arguments, const std::string& directory = {});

// Starts the batch driver with these steps and leaves it running.
std::unique_ptr<QProcess> startBatch(const std::vector<std::string>& arguments);

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::string& path);

// The cells of a file that a grid= step wrote, 514 x 514 words, row 0 first.
std::vector<int> readGrid(const std::string& path);

} // namespace tolvar::testing
