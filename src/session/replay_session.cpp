#include "session/replay_session.h"

#include "core/comma_field.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "fractal/add_circle.h"
#include "fractal/run_command.h"
#include "sculpt/stroke_commands.h"

#include <string>
#include <vector>

namespace tolvar {
namespace {

constexpr int CircleCode = 3;
constexpr int RunCode = 18;
// Brush strokes came after the codes were fixed; their lines are told apart
// by their first three letters alone.
constexpr std::string_view StrokeCode = "brs";

// The byte offset of the character numbered `count` (from 0) of a UTF-8
// line, or its size: a letter typed into the memo may take several bytes.
std::size_t characterOffset(std::string_view line, std::size_t count)
{
    std::size_t at = 0;
    const auto continues = [&] { return at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80; };
    for (; count > 0 && at < line.size(); --count) {
        ++at;
        while (continues())
            ++at;
    }
    return at;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The line from its fifth character on, lower-cased, with a closing ",":
// a missing field then reads as empty rather than as the last one again.
std::string argumentText(std::string_view line)
{
    return lowerAscii(line.substr(characterOffset(line, 4))) + ",";
}

bool isStrokeLine(std::string_view line) { return lowerAscii(line.substr(0, 3)) == StrokeCode; }

void replayCircle(Frame& frame, const std::string& arguments)
{
    // Converted in this order, so the first bad field is the one reported.
    const std::int32_t row = StrToInt(CommaField(arguments, 1));
    const std::int32_t col = StrToInt(CommaField(arguments, 2));
    const std::int32_t radius = StrToInt(CommaField(arguments, 3));
    AddCircle(frame, row, col, radius);
}

// Replaying holds for the length of the walk, and ends with it also when a
// line fails, so that logging works again afterwards.
class ReplayingFlag {
public:
    explicit ReplayingFlag(FractalParams& params) : params_(params) { params_.Replaying = true; }
    ~ReplayingFlag() { params_.Replaying = false; }
    ReplayingFlag(const ReplayingFlag&) = delete;
    ReplayingFlag& operator=(const ReplayingFlag&) = delete;

private:
    FractalParams& params_;
};

} // namespace

int SessionCodeNumber(std::string_view line)
{
    // Bytes will do here: a letter of several bytes matches no code either way.
    const std::string code = lowerAscii(line.substr(0, 3));
    const std::size_t at = code.empty() ? std::string_view::npos : SessionCodes.find(code);
    return at == std::string_view::npos ? 0 : static_cast<int>(at + 4) / 4;
}

void ReplaySession(Frame& frame)
{
    const std::vector<std::string> lines = frame.ui().historyLines();
    {
        const ReplayingFlag replaying(frame.state().params);
        for (const std::string& line : lines) {
            const int code = SessionCodeNumber(line);
            if (isStrokeLine(line))
                ReplayStroke(frame, line.substr(characterOffset(line, 4)));
            else if (code == CircleCode)
                replayCircle(frame, argumentText(line));
            else if (code == RunCode)
                RunFractal(frame);
        }
    }
    frame.RefreshViews();
}

} // namespace tolvar
