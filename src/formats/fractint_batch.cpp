#include "formats/fractint_batch.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"

#include <array>
#include <optional>

namespace tolvar {
namespace {

constexpr std::string_view Key = "corners=";

constexpr FileDialog BatchDialog{"dlgOpenBatch", "par", "Fractint @Batch File", "*.par", false};

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view skipBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

// Splits off the first line; "\n", "\r\n" and "\r" all end one.
std::string_view takeLine(std::string_view& text)
{
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    const std::size_t ending = text.substr(end).starts_with("\r\n") ? 2 : end < text.size() ? 1 : 0;
    text.remove_prefix(end + ending);
    return line;
}

// The next line with its continuations joined on.
std::string takeEntryLine(std::string_view& text)
{
    std::string line(takeLine(text));
    while (!line.empty() && line.back() == '\\' && !text.empty()) {
        line.pop_back();
        line += skipBlanks(takeLine(text));
    }
    return line;
}

// The value of a "corners=" that has at least one character after it.
std::optional<std::string> cornersValue(std::string_view line)
{
    const std::size_t at = line.find(Key);
    if (at == std::string_view::npos || at + Key.size() == line.size())
        return std::nullopt;
    std::string_view value = line.substr(at + Key.size());
    std::size_t end = 0;
    while (end < value.size() && !isBlank(value[end]))
        ++end;
    return std::string(value.substr(0, end));
}

std::array<std::string, 4> splitParts(std::string_view value)
{
    std::array<std::string, 4> parts;
    for (std::string& part : parts) {
        const std::size_t slash = std::min(value.find('/'), value.size());
        part = value.substr(0, slash);
        value.remove_prefix(std::min(slash + 1, value.size()));
    }
    return parts;
}

} // namespace

FractalCorners ReadCorners(std::string_view text)
{
    std::optional<std::string> value;
    while (!value && !text.empty())
        value = cornersValue(takeEntryLine(text));
    if (!value)
        throw Error("The batch file holds no corners= entry");
    const auto [xMin, xMax, yMin, yMax] = splitParts(*value);
    const long double top = StrToFloat(yMax);
    const long double bottom = StrToFloat(yMin);
    // The x parts go in as written or not at all, but they too must be numbers.
    StrToFloat(xMin);
    StrToFloat(xMax);
    return {xMin, yMin, FloatToStr(top - bottom)};
}

void OpenBatchFile(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(BatchDialog);
    if (!path)
        return;
    const auto file = ReadWholeFile(*path, {"a Fractint batch file", 16 * MiB});
    const FractalCorners corners = ReadCorners({reinterpret_cast<const char*>(file.data()), file.size()});
    frame.ui().setText(Box::ediReal, corners.real);
    frame.ui().setText(Box::ediImaginary, corners.imaginary);
    frame.ui().setText(Box::cboMagnify, corners.spread);
}

} // namespace tolvar
