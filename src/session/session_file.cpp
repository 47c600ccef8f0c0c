#include "session/session_file.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"

#include <string_view>

namespace tolvar {
namespace {

constexpr FileDialog OpenDialog{"dlgOpenSession", "", "", "", false};
constexpr FileDialog SaveDialog{"dlgSaveSession", "", "", "", true};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence that starts text, or 0 when it is not
// one: a truncated, overlong or surrogate sequence, or one beyond U+10FFFF.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead < 0xC2 ? 0 : lead <= 0xDF ? 2 : lead <= 0xEF ? 3 : lead <= 0xF4 ? 4 : 0;
    if (length == 0)
        return 0;
    std::uint32_t code = lead & (0x7Fu >> length);
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3Fu);
    }
    const std::uint32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < lowest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

void requireUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text.substr(at));
        if (length == 0)
            throw Error("The session file is not UTF-8 text: byte " + IntToStr(static_cast<std::int64_t>(at) + 1) +
                        " starts no character");
        at += length;
    }
}

} // namespace

const SizeLimit SessionFileLimit{"a session file", 16 * MiB};

std::vector<std::string> ReadSessionRecords(std::span<const std::uint8_t> file)
{
    std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    requireUtf8(text);
    std::vector<std::string> records;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        records.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.substr(end).starts_with("\r\n") ? 2 : 1));
    }
    return records;
}

std::string WriteSessionRecords(const std::vector<std::string>& records)
{
    std::string text;
    for (const std::string& record : records)
        text += record + '\n';
    return text;
}

void OpenSessionFile(Frame& frame)
{
    if (!frame.ui().historyLines().empty() &&
        !frame.prompter().confirm("Open Session File", "This will replace the session history."))
        return;
    const auto path = frame.prompter().chooseFile(OpenDialog);
    if (!path)
        return;
    frame.ui().replaceHistory(ReadSessionRecords(ReadWholeFile(*path, SessionFileLimit)));
}

void SaveSessionFile(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(SaveDialog);
    if (!path)
        return;
    const std::string text = WriteSessionRecords(frame.ui().historyLines());
    WriteWholeFile(*path, TextBytes(text));
}

} // namespace tolvar
