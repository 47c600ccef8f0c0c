#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tolvar {

class Frame;
struct SizeLimit;

// The largest session file that opens: far beyond any real history.
extern const SizeLimit SessionFileLimit;

// A session file: the history's records as UTF-8 text, one per line.

// The records of a file. "\r\n", "\n" and "\r" each end a line, and a line
// break at the very end closes the last record rather than starting an
// empty one. A leading byte-order mark is skipped. Throws for bytes that are
// not UTF-8.
std::vector<std::string> ReadSessionRecords(std::span<const std::uint8_t> file);

// Every record followed by "\n".
std::string WriteSessionRecords(const std::vector<std::string>& records);

// Session > Open Session File: replaces the history's lines, after asking
// when there are any.
void OpenSessionFile(Frame& frame);
// Session > Save Session File.
void SaveSessionFile(Frame& frame);

} // namespace tolvar
