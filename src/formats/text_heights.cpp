#include "formats/text_heights.h"

#include "core/file_error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"
#include "formats/map_import.h"

#include <string_view>

namespace tolvar {
namespace {

constexpr int Side = 257;

constexpr FileDialog TextDialog{"dlgOpenTXTFile", "", "Text Files", "*.txt", false};
constexpr FileDialog SaveDialog{"dlgSaveTXTFile", "txt", "Text Files", "*.txt", true};

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

// The numbers of a text one after another.
class NumberReader {
public:
    explicit NumberReader(std::span<const std::uint8_t> text) : text_(text) {}

    std::int32_t next()
    {
        while (at_ < text_.size() && !isDigit(text_[at_]))
            ++at_;
        if (at_ == text_.size())
            throwReadBeyondEnd();
        const std::size_t start = at_;
        // A number may end the file: it needs no byte after it.
        while (at_ < text_.size() && isDigit(text_[at_]))
            ++at_;
        return StrToInt({reinterpret_cast<const char*>(text_.data() + start), at_ - start});
    }

private:
    std::span<const std::uint8_t> text_;
    std::size_t at_ = 0;
};

} // namespace

void DecodeTextHeights(std::span<const std::uint8_t> text, std::int32_t steepness, Grid& map)
{
    NumberReader numbers(text);
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c)
            map(r, c) = static_cast<Height>((std::int64_t{numbers.next()} * steepness) & 0x0FFF);
}

std::string EncodeTextHeights(const Grid& map)
{
    std::string text;
    text.reserve(Side * Side * 5);
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c) {
            text += std::to_string(map(r, c) & 0x0FFF);
            text += c < Side ? ' ' : '\n';
        }
    return text;
}

void OpenTextHeightFile(Frame& frame)
{
    // The size and the prologue come before the dialog and stand when the
    // user cancels.
    frame.ui().setText(Box::cboHeight, "2560");
    frame.BeginOperation();
    const auto path = frame.prompter().chooseFile(TextDialog);
    if (!path)
        return;
    const auto bytes = ReadWholeFile(*path, {"a text height file", 16 * MiB});
    const std::int32_t steepness = frame.state().params.Steepness;
    ImportIntoMap(frame.state().HeightMap, [&](Grid& map) { DecodeTextHeights(bytes, steepness, map); });
    frame.RefreshViews();
}

void SaveTextHeightFile(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(SaveDialog);
    if (!path)
        return;
    const std::string text = EncodeTextHeights(frame.state().HeightMap);
    WriteWholeFile(*path, TextBytes(text));
}

} // namespace tolvar
